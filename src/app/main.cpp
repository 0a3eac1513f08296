// Entry point of kelvorastrim: the main program, with the exit status of its end.
#include <ios>

#include "app/main_program.h"
#include "gral_lib/platform.h"
#include "gral_lib/units.h"

int main() {
  // A file-size limit must not kill the program: the write fails and is reported.
  platform::ignore_file_size_signal();
  // Nor a console read by a program that has gone (a pipe into head): the files are closed
  // whole and the program ends with a word on the standard error.
  platform::ignore_broken_pipe_signal();
  // The console streams keep their own buffers: a run writes a line per record, and the
  // console is flushed before every question and every stop anyway.
  std::ios::sync_with_stdio(false);
  platform::buffer_console_output();
  try {
    kelvorastrim();
    unit::check_console();  // the end banner reached the console, or the end is no success
  } catch (const ProgramStop& stop) {
    return stop.status;
  }
  return 0;
}
