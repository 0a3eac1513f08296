#include <gtest/gtest.h>

#include "runinfo_lib/runinfo.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

namespace {

const std::string at50 = " " + std::string(50, '@');
const std::string slash50 = " " + std::string(50, '/');
const std::string swpinfo_title = " @ subroutine swpinfo" + std::string(15, ' ') + "v1.1 2021-02-27";

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class RunInfo : public ConsoleTest {
 protected:
  void start() {
    smaininfo2("kelvorastrim", "5.1", "2025-04-17");
    take_output();
  }
  TempWorkDir dir;
  FakePlatform fake;
  std::string sys = std::string(50, ' '), prog = std::string(55, ' ');
};

TEST_F(RunInfo, StartResetsFillsAndAnnounces) {
  runinfo3com.CMND = 99;
  runinfo3com.ROUTNAME[2] = pad("old", 20);
  fake.cpu = 1.25f;
  fake.clock_reading.count = 4242;
  smaininfo2("kelvorastrim", "5.1", "2025-04-17");
  std::vector<std::string> want = {at50, swpinfo_title, " @" + std::string(49, '='), " INITIALISING RUN INFO"};
  EXPECT_EQ(take_lines(), want);

  const RunInfo3Com& r = runinfo3com;
  EXPECT_EQ(r.ROUTLEVEL * 10000 + r.CMND * 100 + r.RUNINFOCODE, 10000);
  EXPECT_EQ(r.ROUTNAME[0] + r.ROUTVERS[0] + r.ROUTDATE[0], pad("kelvorastrim", 20) + "5.1 2025-04-17");
  EXPECT_EQ(r.ROUTNAME[2], std::string(20, ' '));
  EXPECT_EQ(r.USER + "|" + r.HOST, "geologist |" + pad("corelab", 35));
  EXPECT_EQ(r.OSVERS + "|" + r.HARDW, "Linux_10.15.7|" + pad("Core i5-8259U CPU @ 2.30GHz", 30));
  EXPECT_EQ(r.STARTDATE + " " + r.STARTTIME, "2025-04-05 09:07:03");
  EXPECT_FLOAT_EQ(r.CPUSTART, 1.25f);
  EXPECT_EQ(r.CLOCKSTART, 4242);
  scmndinfo(1000);
  EXPECT_EQ(r.CMND, 1000);
}

TEST_F(RunInfo, CodeSetterByMode) {
  start();
  int code = 5;
  input("\n");
  swpinfo(code, 1);
  std::vector<std::string> lines = take_lines();
  std::vector<std::string> body = {" RUN INFO CODE OUT OF RANGE:", "  run info code =     5", "  min =     0",
                                   "  max =     3", " ==> RESET run info code =     0"};
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], " ///          subroutine   swpinfo              ///");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 9), body);
  EXPECT_EQ(code + runinfo3com.RUNINFOCODE, 0);

  code = 2;
  swpinfo(code, 1);
  code = -4;
  swpinfo(code, 3);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(take_output(), "");

  input("\n");
  swpinfo(code, 7);
  lines = take_lines();
  EXPECT_EQ(lines[4] + "|" + lines[5], " inter =     7| ===> NO ACTION");
  EXPECT_EQ(code + runinfo3com.RUNINFOCODE, 4);

  input("3\n");
  swpinfo(code, 2);
  lines = take_lines();
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[1] + "|" + lines[4], swpinfo_title + "|    RUN INFORMATION TO WRITE AND PLOT");
  EXPECT_EQ(lines[6] + "|" + lines[9], " run info code current value =     2| date          +os+hardw+main+subr+cmnd...2");
  EXPECT_EQ(lines[11], at50);
  EXPECT_EQ(code + runinfo3com.RUNINFOCODE, 6);
}

TEST_F(RunInfo, SystemAndProgramTexts) {
  start();
  getruninfo0(sys, prog);
  EXPECT_EQ(sys, pad("Linux_10.15.7 Core i5-8259U CPU @ 2.30GHz", 50));
  EXPECT_EQ(prog, pad("kelvorastrim_5.1 Command = 0", 55));
  int code = 2;
  swpinfo(code, 1);
  scmndinfo(1000);
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, pad("kelvorastrim_5.1 Command = 1000", 55));
  scmndinfo(123456);
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, pad("kelvorastrim_5.1 Command = ****", 55));
  for (int c : {1, 3}) {
    swpinfo(c, 1);
    getruninfo0(sys, prog);
    EXPECT_EQ(prog, pad("kelvorastrim_5.1", 55));
  }
  EXPECT_EQ(take_output(), "");
}

TEST_F(RunInfo, TooShortTextsAreCutWithWarnings) {
  start();
  std::string exact(41, ' '), sys40(40, ' '), prog20(20, ' ');
  getruninfo0(exact, prog);
  EXPECT_EQ(take_output(), "");

  input("\n\n");
  getruninfo0(sys40, prog20);
  EXPECT_EQ(sys40, "Linux_10.15.7 Core i5-8259U CPU @ 2.30GH");
  EXPECT_EQ(prog20, "kelvorastrim_5.1 Com");
  std::string text = take_output();
  EXPECT_TRUE(has(text, " System information string too short\n String length =   40\n Needed length =   41\n"
                        " => Truncated outpout\n String =\n Linux_10.15.7 Core i5-8259U CPU @ 2.30GH\n ===>"));
  EXPECT_TRUE(has(text, " Program information string too short\n String length =   20\n Needed length =   28\n"
                        " String = \n kelvorastrim_5.1 Com\n => Truncated output\n ===>"));
}

TEST_F(RunInfo, RoutineLevelsOutsideTheRecord) {
  start();
  runinfo3com.ROUTLEVEL = 0;
  input("\n");
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, pad("*** ERROR in program info: routine level < 1 ***", 55));
  EXPECT_TRUE(has(take_output(), "\n Current routine level =    0\n Can store up to level =    3\n"
                                  " => No program information\n ===> HIT RETURN TO CONTINUE\n"));

  runinfo3com.ROUTLEVEL = 5;
  runinfo3com.ROUTNAME[1] = pad("sub2", 20);
  runinfo3com.ROUTVERS[1] = " 1.1";
  runinfo3com.ROUTNAME[2] = pad("sub3", 20);
  runinfo3com.ROUTVERS[2] = "2.0 ";
  input("\n");
  prog.resize(57);
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, "kelvorastrim_5.1 -> sub2_1.1 -> sub3_2.0 -> x Command = 0");
  EXPECT_TRUE(has(take_output(), "\n Current subroutine level     =    5\n Information only up to level =    3\n"));
}

}  // namespace
