#include "support/console_capture.h"

#include "gral_lib/console.h"
#include "gral_lib/units.h"

void ConsoleTest::SetUp() {
  unit::bind_console(in_, out_);
  initsio2(5);
  take_output();
}

void ConsoleTest::TearDown() {
  // Every frame a test opened has its tail (a stop closes the frames it interrupts).
  EXPECT_EQ(unit::frames_open(), 0) << "an error or warning frame was left open";
  EXPECT_EQ(unit::frames_left_open(), 0) << "a frame was found open at the top of the dialogue";
  unit::close_all();
  unit::reset_console();
}

void ConsoleTest::input(const std::string& text) {
  in_.clear();
  in_.str(text);
}

std::string ConsoleTest::take_output() {
  std::string s = out_.str();
  out_.str("");
  return s;
}

std::vector<std::string> ConsoleTest::take_lines() { return split_lines(take_output()); }

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream is(text);
  std::string l;
  while (std::getline(is, l)) lines.push_back(l);
  return lines;
}

int count_of(const std::string& s, const std::string& text) {
  int n = 0;
  for (std::size_t p = s.find(text); p != std::string::npos; p = s.find(text, p + 1)) ++n;
  return n;
}
