// Unit table: every line the program reads or writes goes through a unit number.
// Units 5 and 6 are the console (standard input and output); files opened by the
// file-opening routines get the unit numbers their callers choose.
#pragma once

#include <cstddef>
#include <ios>
#include <iosfwd>
#include <string>
#include <string_view>

namespace unit {

// Binds the console units (5 in, 6 out) to the given streams; tests use string streams.
void bind_console(std::istream& in, std::ostream& out);
// Binds the console units back to std::cin and std::cout.
void reset_console();

// Opens a file on unit u; false when it cannot be opened (the unit stays closed).
//   open_read:      an existing file, for reading only; a folder or a device is no file of
//                   lines and is refused
//   open_write_new: creates the file; fails when it already exists (nothing is overwritten)
//   open_write:     creates the file or replaces an existing one; when replaceable is given,
//                   an existing file that is not empty is replaced only when it begins with
//                   it (a plot file never replaces a data or results file)
// Neither writing open replaces a file open on another unit (the same file under any name),
// and neither waits for a reader of a named pipe: with none it is a failed open.
bool open_read(int u, const std::string& path);
bool open_write_new(int u, const std::string& path);
bool open_write(int u, const std::string& path, std::string_view replaceable = {});
// Closes unit u (sending a file written what it still holds); nothing happens when it is not
// open or is a console unit. Returns false when a file written could not take everything
// written to it (a full disk), after its failure report, when it has one, has run.
bool close(int u);
bool is_open(int u);
// Sends what is written on file unit u to its file now (nothing for a unit not open).
void flush(int u);
// True when a write or a flush of file unit u has failed (a full disk, a file-size limit).
// From the first failure on nothing more is written to the file: what it holds stays whole.
bool write_failed(int u);
// Complete lines of file unit u that have reached its file so far.
long long lines_written(int u);

// Writes one line (the text and a line end) on unit u. False when the unit has failed a
// write (as write_failed tells), so that a caller writing line by line learns of it at once.
bool write_line(int u, std::string_view text);
// write_line for a unit that may be closed (a file given up after a failed write): nothing
// is written to a unit not open, and the answer is then true.
bool write_line_if_open(int u, std::string_view text);
// A line built in place at the end of file unit u's buffer: room for up to n characters and
// its line end, the buffer first going to the file when they would not fit; nullptr when u
// is not a file open for writing that still takes lines (or n is not less than a buffer
// holds). end_line then ends it after its first k characters (k at most n) and answers as
// write_line; nothing else may be written on the unit in between.
char* line_room(int u, std::size_t n);
bool end_line(int u, std::size_t k);
// Reads one line from unit u without its line end (nor a trailing carriage return); a
// UTF-8 byte-order mark that begins a file is not part of its first line.
// Reading from the console first flushes every output unit, so nothing written is lost.
// Returns false at the end of input, and when a file cannot be read (read_failure tells).
bool read_line(int u, std::string& line);

// Longest line a file read through a unit may have: a longer one is no line of data.
inline constexpr std::size_t max_line_length = std::size_t{1} << 20;
// Why the last read_line of file unit u gave no line: the end of the file, or a read that
// failed (an input/output error), or a line longer than max_line_length. Once a read has
// failed, every later one fails the same way.
enum class ReadFailure { end_of_file, error, line_too_long };
ReadFailure read_failure(int u);

// Gives file unit u a last action for a stop: close_all runs it before it closes the unit,
// so a file that needs closing lines to be valid (a trailer) ends valid. Closing the unit
// the ordinary way drops it.
void on_stop(int u, void (*finish)());
// The program's own last action for a stop, run before the files' (a page in progress gets
// its closing lines before the plot file's trailer); nullptr takes it away.
void at_stop(void (*action)());
// Gives file unit u a report of a failure to write: once its file has failed, the unit is
// closed and report(u, lines, whole) runs, once, with the number of complete lines in the
// file: before the next question or pause on the console (not inside a frame: after it), at
// the unit's closing, or at a stop. A regular file is cut back to the end of its last
// complete line when a write fails in the middle of one; whole is false when that could
// not be done (a pipe, a device, a cut that failed), and the file may end inside a line.
// A file written through a buffer fails when the buffer goes to the disk, so the report
// may come some lines after the write that filled it.
using WriteFailureReport = void (*)(int u, long long lines, bool whole);
void on_write_failure(int u, WriteFailureReport report);
// True when file unit u has a failure report.
bool reports_failure(int u);
// Before a question or a pause on the console: every file goes to the disk, and a file that
// could not take it is reported now (once no frame is open), so the user hears of it
// before answering. A console
// that can no longer be written (its reader gone) stops the program here.
void before_question();
// Before a frame (a menu, an error, a warning) opens on the console: every file goes to the
// disk, and a file that could not take it is reported now, ahead of the frame. The console
// itself is not written out: a frame is no question, and a run may open millions of them.
void before_frame();
// An error or warning frame of the named routine opens, or closes, on the console. While one
// is open, failure reports wait; the closing of the last one gives them, so that none lands
// inside a frame.
void frame_opened(std::string_view routine);
void frame_closed();
// Error and warning frames open on the console now.
int frames_open();
// The dialogue is at its top (the main menu, the next record of a run), where no frame can
// be open. A frame that a head left open without its tail is closed here, so that the reports
// it held go out now and not at the end of the session; a build with frame checks also says
// so on the standard error.
void at_top_level();
// Frames that at_top_level has found open since the console was bound: none, unless a frame
// head lost its tail.
int frames_left_open();
// True while the program stops (close_all runs): nothing waits for an answer any more.
bool stopping();
// Stops the program when what was written on the console could not reach it; said on the
// standard error, the console being gone.
void check_console();

void flush_all();
// Runs the program's last action and that of every file unit that has one, then flushes
// every unit and closes every file unit, reporting each file that could not be written whole.
void close_all();

}  // namespace unit

// Thrown by stop_program; only main and tests catch it.
struct ProgramStop {
  int status;
};

// Ends the program from anywhere: flushes and closes every unit, then throws ProgramStop.
[[noreturn]] void stop_program(int status);

// Ends the program at an end of input on the console: a short notice, then stop_program.
[[noreturn]] void stop_at_end_of_input();
