// The stages of a run (input, checks, conversion, results), shared by the run's source files.
#pragma once

#include <string>
#include <string_view>

#include "app/run.h"

// Formats 1 and 3 give directions as letters; formats 3 and 4 carry section and depth.
inline bool letter_format(int idatfmt) { return idatfmt == 1 || idatfmt == 3; }
inline bool section_format(int idatfmt) { return idatfmt == 3 || idatfmt == 4; }

// Unit of the data file.
inline constexpr int data_unit = 25;

// Console lines of the run, on the standard output unit.
void say(std::string_view text);         // a blank and the text
void say_value(std::string_view label, float v);  // a blank, the label, a blank, the value as f7.1
void say_dashes();                       // a blank and 43 dashes
// Opens an error or a warning frame about the record numbered nread.
void record_error_head(int nread);
void record_warning_head(int nread);
// Closes the error frame of a record that is not converted.
void no_conversion_tail();
// Sets the record's comment (55 characters).
void set_comment(KvrRecord& rec, std::string_view text);

// Reads the data file's title and column-name line; false when they cannot be read.
bool read_data_header(KvrRecord& rec);

// A record read, the end of the data, or a record that cannot be read (its values, a line too
// long to be one, or a file that can no longer be read: an input/output error).
enum class RecordRead { read, end, failed };
// Reads one record in the layout of idatfmt from unit iunit.
RecordRead read_record(int iunit, int idatfmt, KvrRecord& rec);

// Checks a record that was read; false (after its error frame) when it fails a check.
bool check_measurement(int idatfmt, KvrRecord& rec);
// Converts a record that passed the checks; false (after its error frame) when it cannot.
bool convert_measurement(int idatfmt, KvrRecord& rec);

// Where the results go.
struct ResultsDestination {
  int unit = 0;               // results unit: 26 the results file, 6 the screen
  bool file_open = false;     // the results file was opened in this run
  bool linteractive = false;  // keyboard data with results on the screen
};
inline constexpr int results_unit = 26;

// Opens the results file or chooses the screen.
void open_results(KvrSettings& set, ResultsDestination& dest);
// Header and column-name lines (not in the interactive screen variant).
void write_results_header(const KvrSettings& set, const KvrRecord& rec, const ResultsDestination& dest);
// The column-name line of the format.
void write_column_names(const KvrSettings& set, const ResultsDestination& dest);
// One results record of a converted or of a problematic measurement.
void write_results_record(const KvrSettings& set, const KvrRecord& rec, const ResultsDestination& dest,
                          bool converted);
// True while everything written to the results file has reached it, or the results go to
// the screen. flush_now sends what is written to the file first (before a question); the
// first failure is reported at once and the file closed.
bool results_kept(const KvrSettings& set, const ResultsDestination& dest, bool flush_now);
// Counts of the run and closing of the data and results files.
void write_run_counts(const KvrSettings& set, const KvrRecord& rec, ResultsDestination& dest,
                      bool data_file_open);

// Plot pages of a run.
// Caption line iline of a page head's block at x (the head's first line at y = 27.5 cm),
// drawn with the justification code just; the text is taken in 50 characters.
void page_caption(std::string_view text, int iline, float x, int just);
// Lines 1 to 3 of a page head's left block (input format, input file, title).
void input_captions(const KvrSettings& set, const KvrRecord& rec);
// The run-information block of a page head, centred at the top of the page.
void runinfo_caption();
// An integer as its shortest text.
std::string shortest_text(int v);

// Section pages: the x axis across the core, at the start of the run.
void section_axis(const KvrSettings& set, KvrRecord& rec);
// Section pages: a converted record's page change, if its section starts one, and its trace.
void section_record(const KvrSettings& set, KvrRecord& rec);
// Section pages: the closing lines of the page in progress, at the end of the data.
void section_end(KvrRecord& rec);

// Statistics page: the dip and strike histograms emptied at the start of the run.
void statistics_clear(const KvrSettings& set);
// Statistics page: a converted record's true dip and strike added to the histograms.
void statistics_add(const KvrSettings& set, const KvrRecord& rec);
// Statistics page: the page head and the four plots, at the end of the run.
void statistics_page(const KvrSettings& set, const KvrRecord& rec);
