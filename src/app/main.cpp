// Entry point of kelvorastrim: the main program, with the exit status of its end.
#include "app/main_program.h"
#include "gral_lib/units.h"

int main() {
  try {
    kelvorastrim();
  } catch (const ProgramStop& stop) {
    return stop.status;
  }
  return 0;
}
