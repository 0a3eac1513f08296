// Runs command 1000 on a format-2 data file, writing a new results file, with the console
// answers given and the console output kept in memory; no plot is drawn.
//   bench_run DATAFILE RESULTSFILE
#include <iostream>
#include <sstream>
#include <string>

#include "app/run.h"
#include "gral_lib/console.h"
#include "gral_lib/units.h"
#include "math_lib/angles.h"
#include "runinfo_lib/runinfo.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " DATAFILE RESULTSFILE\n";
    return 2;
  }
  std::istringstream answers(std::string(argv[1]) + "\n" + argv[2] + "\n");
  std::ostringstream console;
  unit::bind_console(answers, console);
  try {
    initsio2(5);
    smaininfo2(kvr_name, "5.1", kvr_date);
    int code = 2;
    swpinfo(code, 1);
    trigoset();
    KvrSettings set;
    set.IDATFMT = 2;
    set.lplotstat = false;
    KvrRecord rec;
    conversion_run(set, rec, 1000);
    std::cerr << rec.nread << " records read, " << rec.nconv << " converted\n";
  } catch (const ProgramStop& s) {
    std::cerr << console.str();
    return s.status;
  }
  return 0;
}
