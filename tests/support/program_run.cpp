#include "support/program_run.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

ProgramRun run_program(const std::string& path, const std::string& answers, const std::string& shape) {
  // The answers, the console and the status are kept beside the folder the program works in.
  std::string in = std::filesystem::current_path().string() + ".answers", out = in + ".console", st = in + ".status";
  std::ofstream(in) << answers;
  std::string command = shape;
  const std::size_t answers_at = command.find("ANSWERS");
  const std::string input = answers_at == std::string::npos ? " < '" + in + "'" : "";
  if (answers_at != std::string::npos) command.replace(answers_at, 7, "'" + in + "'");
  // A program that hangs fails its test instead of holding the suite.
  command.replace(command.find("PROGRAM"), 7, "{ timeout 120 '" + path + "'" + input + "; echo $? > '" + st + "'; }");
  std::system(("( " + command + " ) > '" + out + "' 2>&1").c_str());
  std::ifstream f(out);
  ProgramRun run{-1, std::string(std::istreambuf_iterator<char>(f), {})};
  std::ifstream(st) >> run.status;
  for (const std::string& name : {in, out, st}) std::filesystem::remove(name);
  // A test build says when the dialogue reached its top with a frame still open.
  const std::size_t left_open = run.console.find("FRAME LEFT OPEN");
  EXPECT_EQ(left_open, std::string::npos) << run.console.substr(left_open, run.console.find('\n', left_open) - left_open);
  return run;
}
