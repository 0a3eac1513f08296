// Test harness for runs of command 1000: the console bound to string streams, a scripted
// platform, a temporary working folder holding the data and results files; both plots are
// switched off.
#pragma once

#include <string>
#include <vector>

#include "app/run.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

class RunHarness : public ConsoleTest {
 protected:
  void SetUp() override;

  // Writes a file in the working folder.
  static void write_file(const std::string& name, const std::string& text);
  // The lines of a file of the working folder.
  static std::vector<std::string> file_lines(const std::string& name);
  // Writes the data file: a title line, a column-name line and the given records.
  static void data(const std::string& records, const std::string& title = "'test data'");
  // Runs command 1000 from the data file to the results file, both under their default
  // names (a results file left by an earlier run is removed first); returns the console.
  std::string run();
  // Runs command 1000 with the given console answers; returns the console.
  std::string run_with(const std::string& answers);
  // The results records of kelvst_out.txt, without its header and column-name lines.
  static std::vector<std::string> records();

  FakePlatform platform_;
  TempWorkDir dir_;
  KvrSettings set;
  KvrRecord rec;
};
