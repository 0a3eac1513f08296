// Test fixture helpers: the console units bound to string streams.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Binds the console to string streams for one test and sets up the console record.
class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Supplies the answers the program will read, one line each.
  void input(const std::string& text);
  // Everything written so far, and clears it.
  std::string take_output();
  // Everything written so far as lines, and clears it.
  std::vector<std::string> take_lines();

  std::istringstream in_;
  std::ostringstream out_;
};

// Splits text into lines without their line ends.
std::vector<std::string> split_lines(const std::string& text);
// Number of times text occurs in s.
int count_of(const std::string& s, const std::string& text);
