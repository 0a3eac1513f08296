// Unit table: every line the program reads or writes goes through a unit number.
// Units 5 and 6 are the console (standard input and output); files opened by the
// file-opening routines get the unit numbers their callers choose.
#pragma once

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
//   open_read:      an existing file, for reading only
//   open_write_new: creates the file; fails when it already exists (nothing is overwritten)
//   open_write:     creates the file or replaces an existing one
bool open_read(int u, const std::string& path);
bool open_write_new(int u, const std::string& path);
bool open_write(int u, const std::string& path);
// Closes unit u (flushing a file written); nothing happens when it is not open or is a console unit.
// Returns false when a file written could not take everything written to it (a full disk).
bool close(int u);
bool is_open(int u);
// Sends what is written on file unit u to its file now (nothing for a unit not open).
void flush(int u);
// True when a write or a flush of file unit u has failed (a full disk, a file-size limit).
bool write_failed(int u);

// Writes one line (the text and a line end) on unit u. False when the unit has failed a
// write (as write_failed tells), so that a caller writing line by line learns of it at once.
bool write_line(int u, std::string_view text);
// write_line for a unit that may be closed (a file given up after a failed write): nothing
// is written to a unit not open, and the answer is then true.
bool write_line_if_open(int u, std::string_view text);
// A line built in place at the end of file unit u's buffer: room for up to n characters and
// its line end, the buffer first going to the file when they would not fit; nullptr when u
// is not a file open for writing (or n is not less than a buffer holds). end_line then
// ends it after its first k characters (k at most n) and answers as write_line; nothing
// else may be written on the unit in between.
char* line_room(int u, std::size_t n);
bool end_line(int u, std::size_t k);
// Reads one line from unit u without its line end (nor a trailing carriage return); a
// UTF-8 byte-order mark that begins a file is not part of its first line.
// Reading from the console first flushes every output unit, so nothing written is lost.
// Returns false at the end of input.
bool read_line(int u, std::string& line);

// Gives file unit u a last action for a stop: close_all runs it before it closes the unit,
// so a file that needs closing lines to be valid (a trailer) ends valid. Closing the unit
// the ordinary way drops it.
void on_stop(int u, void (*finish)());
// Gives file unit u a report for a failed write: a file written through a buffer fails when
// the buffer goes to the disk, and before_question then runs the report, once.
void on_write_failure(int u, void (*report)());
// Before a question or a pause on the console: every file goes to the disk, and a file that
// could not take it is reported now, so the user hears of it before answering.
void before_question();

void flush_all();
// Runs the last action of every file unit that has one, then flushes every unit and closes
// every file unit.
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
