#include <gtest/gtest.h>

#include "gral_lib/pictures.h"
#include "gral_lib/units.h"
#include "runinfo_lib/banners.h"
#include "runinfo_lib/runinfo.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

namespace {

const std::string edge = " " + std::string(50, '@');
const std::string blank = " @" + std::string(48, ' ') + "@";
const std::string dash = " @" + std::string(48, '-') + "@";

// A framed time line with its value and unit as printed.
std::string time_line(const std::string& label, const std::string& value, const std::string& unit) {
  return " @ " + label + " " + value + " " + unit + std::string(15, ' ') + "@";
}

class Banners : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    fake.clock_reading.count = 1000;
    fake.cpu = 0.5f;
    smaininfo2("kelvorastrim", "5.1", "2025-04-17");
    take_output();
  }
  // The end banner's lines for an end clock count, processor time and end second.
  std::vector<std::string> tail(std::int32_t count, float cpu = 0.5f, int second = 3) {
    fake.clock_reading.count = count;
    fake.cpu = cpu;
    fake.now.second = second;
    progtail2();
    return take_lines();
  }
  TempWorkDir dir;
  FakePlatform fake;
};

TEST_F(Banners, StartBannerWithUserAndHost) {
  input("anything\nnext\n");
  progheadzq2();
  std::vector<std::string> want = {
      edge,
      blank,
      " @          MAIN PROGRAM: kelvorastrim            @",
      " @               Version: 5.1                     @",
      " @                  Date: 2025-04-17              @",
      blank,
      dash,
      blank,
      " @       Starting on 2025-04-05 at 09:07:03       @",
      " @      User: geologist                           @",
      " @      Host: corelab                             @",
      " @    System: Linux_10.15.7                       @",
      " @       CPU: Core i5-8259U CPU @ 2.30GHz         @",
      blank,
      dash,
      blank,
      " @                   Written by:                  @",
      " @           The kelvorastrim developers          @",
      blank,
      " @                   Hosted by:                   @",
      " @            The kelvorastrim project            @",
      " @        Structural geology of drill cores       @",
      " @             Open source, worldwide             @",
      " @       See README.md for notes and sources      @",
      blank,
      " @      Report of any problem is appreciated      @",
      blank,
      dash,
      " @             HIT RETURN TO CONTINUE             @",
      edge,
  };
  EXPECT_EQ(take_lines(), want);
  std::string rest;
  unit::read_line(5, rest);
  EXPECT_EQ(rest, "next");  // exactly one line was read
}

TEST_F(Banners, StartBannerWithoutUserAndHostAndEndOfInput) {
  int code = 2;
  swpinfo(code, 1);
  input("\n");
  progheadzq2();
  std::vector<std::string> lines = take_lines();
  EXPECT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[9], " @    System: Linux_10.15.7                       @");
  for (const std::string& l : lines) EXPECT_EQ(l.size(), 51u) << l;
  input("");
  EXPECT_THROW(progheadzq2(), ProgramStop);
}

TEST_F(Banners, EndBannerTranscript) {
  fake.now = {2025, 4, 5, 10, 0, 0};
  std::vector<std::string> lines = tail(90001000, 1.75f, 0);
  std::vector<std::string> want = {
      edge,
      " @ MAIN PROGRAM kelvorastrim         Version: 5.1 @",
      " @ STARTED    ON 2025-04-05 AT 09:07:03           @",
      " @ TERMINATED ON 2025-04-05 AT 10:00:00           @",
      time_line("ELAPSED TIME =", "   90.000", "seconds"),
      time_line("        modulo", "   35.791", "minutes"),
      time_line("CPU TIME     =", "    1.250", "seconds"),
      dash,
  };
  happyface();
  std::vector<std::string> face = take_lines();
  want.insert(want.end(), face.begin(), face.end());
  want.push_back(edge);
  EXPECT_EQ(lines, want);
}

TEST_F(Banners, TimeUnitsWrapAndMissingClock) {
  EXPECT_EQ(tail(1000 + 120000000)[4], time_line("ELAPSED TIME =", "  120.000", "seconds"));
  EXPECT_EQ(tail(1000 + 121000000)[4], time_line("ELAPSED TIME =", "    2.017", "minutes"));
  // An end count equal to the start count: the full wrap period.
  EXPECT_EQ(tail(1000)[4], time_line("ELAPSED TIME =", "   35.791", "minutes"));
  EXPECT_EQ(tail(1000, 1.0e9f)[6], time_line("CPU TIME     =", "*********", "hours  "));

  // A slower clock reaches hours, while the wrap period stays in minutes however large.
  fake.clock_reading.rate = 1000;
  EXPECT_EQ(tail(1000 + 7200000)[4], time_line("ELAPSED TIME =", "  120.000", "minutes"));
  std::vector<std::string> lines = tail(1000 + 7260000);
  EXPECT_EQ(lines[4], time_line("ELAPSED TIME =", "    2.017", "hours  "));
  EXPECT_EQ(lines[5], time_line("        modulo", "35791.395", "minutes"));

  // An end count below a start count near the maximum has gone round once.
  fake.clock_reading = {2147483000, 1000000, 2147483647};
  smaininfo2("kelvorastrim", "5.1", "2025-04-17");
  take_output();
  EXPECT_EQ(tail(353)[4], time_line("ELAPSED TIME =", "    0.001", "seconds"));

  fake.clock_reading.rate = 0;
  lines = tail(5000);
  EXPECT_EQ(lines[4], " @ Could not compute elapsed system clock time    @");
  EXPECT_EQ(lines[5], time_line("CPU TIME     =", "    0.000", "seconds"));
  EXPECT_EQ(lines[6], dash);
}

TEST_F(Banners, PictureChosenByLastDigitOfEndTime) {
  void (*const by_digit[])() = {happyface,    sator,        carmag33, endfun1, tetrakis,
                                tetratemple1, tetratemple2, graben,   horst,   tetrakis};
  for (int digit = 0; digit <= 9; ++digit) {
    SCOPED_TRACE(digit);
    std::vector<std::string> lines = tail(2000, 0.5f, 50 + digit);
    by_digit[digit]();
    std::vector<std::string> pic = take_lines();
    ASSERT_EQ(lines.size(), 8 + pic.size() + 1);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.end() - 1), pic);
  }
}

}  // namespace
