// Entry point of kelvorastrim: the main program, with the exit status of its end.
#include "app/main_program.h"
#include "gral_lib/platform.h"
#include "gral_lib/units.h"

int main() {
  // A file-size limit must not kill the program: the write fails and is reported.
  platform::ignore_file_size_signal();
  try {
    kelvorastrim();
  } catch (const ProgramStop& stop) {
    return stop.status;
  }
  return 0;
}
