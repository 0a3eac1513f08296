#include "support/run_harness.h"

#include <filesystem>
#include <fstream>

#include "gral_lib/console.h"
#include "math_lib/angles.h"
#include "runinfo_lib/runinfo.h"

void RunHarness::SetUp() {
  ConsoleTest::SetUp();
  trigoset();
  smaininfo2(kvr_name, "5.1", kvr_date);
  int code = 2;
  swpinfo(code, 1);
  iocom.lpause = false;
  // The conversion alone: the plot pages of a run are checked end to end, on the program.
  set.lplotstat = false;
  set.lplotsect = false;
  take_output();
}

void RunHarness::write_file(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

std::vector<std::string> RunHarness::file_lines(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l);
  return lines;
}

void RunHarness::data(const std::string& records, const std::string& title) {
  write_file("kelvst_in.txt", title + "\n'dip1 dir1 dip2 dir2'\n" + records);
}

std::string RunHarness::run() {
  std::filesystem::remove("kelvst_out.txt");
  return run_with("\n\n");
}

std::string RunHarness::run_with(const std::string& answers) {
  input(answers);
  conversion_run(set, rec, 1000);
  return take_output();
}

std::vector<std::string> RunHarness::records() {
  std::vector<std::string> l = file_lines("kelvst_out.txt");
  return l.size() < 2 ? std::vector<std::string>{} : std::vector<std::string>(l.begin() + 2, l.end());
}
