// The road of one run: input set-up, the record loop, the end of the data.
#include "app/run.h"

#include <string>

#include "app/format_help.h"
#include "app/run_stages.h"
#include "gral_lib/console.h"
#include "gral_lib/fileopen.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "runinfo_lib/runinfo.h"

namespace {

// The lines of an error frame that name a data file that could not be read to its end (an
// input/output error, a line too long to be data), so that its end is not taken for the
// end of the data.
void file_failure_lines(const KvrSettings& set) {
  if (set.ITP != 1) return;
  switch (unit::read_failure(data_unit)) {
    case unit::ReadFailure::end_of_file:
      return;
    case unit::ReadFailure::error:
      say("COULD NOT READ fracture data input FILE");
      break;
    case unit::ReadFailure::line_too_long:
      static_assert(unit::max_line_length == 1048576);
      say("LINE LONGER THAN 1 MiB (1048576 CHARACTERS)");
      say("IN fracture data input FILE");
      break;
  }
  say(Line().a("File name =").x().a(trimmed(set.infile)).str());
}

constexpr std::string_view dots42 = "..........................................";

// Opens the data file and reads its header, or asks for the title of typed-in data.
// False when the data file's header cannot be read.
bool open_data_source(KvrSettings& set, KvrRecord& rec) {
  int istat = 0;
  if (set.ITP == 1) {
    opef2(set.infile, "fracture data input", data_unit, "old", 0);
    say_dashes();
    say("READING INPUT HEADER");
    say_dashes();
    if (read_data_header(rec)) return true;
    errorhead(kvr_name, kvr_version, kvr_date);
    say("when trying to read header");
    file_failure_lines(set);
    errortail00();
    return false;
  }
  set.infile = fit("keyboard", set.infile.size());
  rec.title = fit("keyboard input", rec.title.size());
  inchardef(rec.title, "data title", rec.title, istat);
  return true;
}

// Keyboard input: asks whether to go on and shows the current format; false to end the data.
bool ask_for_record(const KvrSettings& set, KvrRecord& rec) {
  int istat = 0;
  inlogicdef(rec.lend, "End input and back to menu", rec.lend, istat);
  if (rec.lend) return false;
  mainmenuhead(kvr_name, kvr_version, kvr_date);
  kvrfmt(set.IDATFMT, set.CDATFMT.data(), static_cast<int>(set.CDATFMT.size()));
  say(dots42);
  say(" Enter data:");
  return true;
}

void record_line(int nread) { say(Line().a("while reading data nb").x().i_whole(nread, 5).str()); }

void read_failure(const KvrSettings& set, int nread) {
  errorhead(kvr_name, kvr_version, kvr_date);
  say(Line().a("when trying to read").x().i_whole(nread + 1LL, 5).x().a("th data").str());
  file_failure_lines(set);
  errortail00();
}

}  // namespace

void say(std::string_view text) { unit::write_line(iocom.iuout, Line().x().a(text)); }

void say_value(std::string_view label, float v) {
  unit::write_line(iocom.iuout, Line().x().a(label).x().f(v, 7, 1));
}

void say_dashes() { say("-------------------------------------------"); }

void record_error_head(int nread) {
  errorhead(kvr_name, kvr_version, kvr_date);
  record_line(nread);
}

void record_warning_head(int nread) {
  warninghead(kvr_name, kvr_version, kvr_date);
  record_line(nread);
}

void no_conversion_tail() {
  say("===> NO CONVERSION");
  errortail00();
}

void set_comment(KvrRecord& rec, std::string_view text) {
  rec.comment.assign(text.substr(0, 55));
  rec.comment.resize(55, ' ');
}

void conversion_run(KvrSettings& set, KvrRecord& rec, int icmnd) {
  scmndinfo(icmnd);
  // Every count of this run starts from zero, even when the data file's header cannot be
  // read, so that nothing of an earlier run is reported as this run's.
  rec.nread = 0;
  rec.nconv = 0;
  rec.nsectdata = 0;
  rec.isectprev = -9999;
  rec.lsectpage = false;
  rec.lend = false;
  const bool from_file = set.ITP == 1;
  const int in_unit = from_file ? data_unit : iocom.iuin;
  const bool section_pages = set.lplotsect && set.lsectdepth;

  ResultsDestination dest;
  const bool header_read = open_data_source(set, rec);
  if (header_read) {
    open_results(set, dest);
    write_results_header(set, rec, dest);
    // Typed-in records are on disk before the next question; a results file that cannot
    // take them ends the data, as a record that cannot be read does.
    bool kept = results_kept(set, dest, !from_file);
    if (set.lplotstat) statistics_clear(set);
    if (section_pages) section_axis(set, rec);
    say_dashes();
    say("READING INPUT DATA");
    say_dashes();
    while (kept) {
      // Every frame of the record before is closed; were one not, its reports would wait.
      unit::at_top_level();
      if (!from_file && !ask_for_record(set, rec)) break;
      RecordRead got = read_record(in_unit, set.IDATFMT, rec);
      if (got == RecordRead::failed) {
        read_failure(set, rec.nread);
        break;
      }
      if (got == RecordRead::end) break;
      if (!from_file) say(dots42);
      rec.nread += 1;
      set_comment(rec, " ");
      bool converted = check_measurement(set.IDATFMT, rec) && convert_measurement(set.IDATFMT, rec);
      if (converted) {
        rec.nconv += 1;
        rec.nsectdata += 1;
      }
      write_results_record(set, rec, dest, converted);
      kept = results_kept(set, dest, !from_file);
      if (converted && set.lplotstat) statistics_add(set, rec);
      if (converted && section_pages) section_record(set, rec);
    }
    if (section_pages) section_end(rec);
  }
  write_run_counts(set, rec, dest, from_file);
  // After a header that could not be read the histograms hold nothing of this run.
  if (header_read && set.lplotstat) statistics_page(set, rec);
  menutail();
}
