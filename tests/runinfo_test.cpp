#include <gtest/gtest.h>

#include "runinfo_lib/runinfo.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

namespace {

const std::string at50 = " " + std::string(50, '@');
const std::string slash50 = " " + std::string(50, '/');
const std::vector<std::string> swpinfo_warning_head = {
    slash50, " ///          subroutine   swpinfo              ///",
    " ///                  WARNING                   ///", slash50};
const std::vector<std::string> warning_tail = {" ===> HIT RETURN TO CONTINUE", slash50,
                                               " ///                WARNING END                 ///", slash50};

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class RunInfo : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    fake.file_text["cpu_info_tmp_001.txt"] = "Intel(R) Core(TM) i5-8259U CPU @ 2.30GHz\n";
    fake.file_text["sys_version_tmp_001.txt"] = "10.15.7\n";
  }
  void start() {
    fake.cpu = 1.25f;
    fake.clock_reading.count = 4242;
    smaininfo2("kelvorastrim", "5.1", "2025-04-17");
    take_output();
  }
  TempWorkDir dir;
  FakePlatform fake;
};

TEST_F(RunInfo, StartFillsTheRecordAndAnnouncesOnly) {
  runinfo3com.CMND = 99;
  runinfo3com.ROUTNAME[2] = pad("old", 20);
  smaininfo2("kelvorastrim", "5.1", "2025-04-17");
  std::vector<std::string> want = {at50, " @ subroutine swpinfo" + std::string(15, ' ') + "v1.1 2021-02-27",
                                   " @" + std::string(49, '='), " INITIALISING RUN INFO"};
  EXPECT_EQ(take_lines(), want);

  const RunInfo3Com& r = runinfo3com;
  EXPECT_EQ(r.ROUTLEVEL, 1);
  EXPECT_EQ(r.CMND, 0);
  EXPECT_EQ(r.RUNINFOCODE, 0);
  EXPECT_EQ(r.ROUTNAME[0], pad("kelvorastrim", 20));
  EXPECT_EQ(r.ROUTVERS[0], "5.1 ");
  EXPECT_EQ(r.ROUTDATE[0], "2025-04-17");
  EXPECT_EQ(r.ROUTNAME[2], std::string(20, ' '));
  EXPECT_EQ(r.USER, "geologist ");
  EXPECT_EQ(r.HOST, pad("corelab", 35));
  EXPECT_EQ(r.OSVERS, "Linux_10.15.7");
  EXPECT_EQ(r.HARDW, pad("Core i5-8259U CPU @ 2.30GHz", 30));
  EXPECT_EQ(r.STARTDATE, "2025-04-05");
  EXPECT_EQ(r.STARTTIME, "09:07:03");

  start();
  EXPECT_FLOAT_EQ(runinfo3com.CPUSTART, 1.25f);
  EXPECT_EQ(runinfo3com.CLOCKSTART, 4242);
  scmndinfo(1000);
  EXPECT_EQ(runinfo3com.CMND, 1000);
}

TEST_F(RunInfo, CodeSetterByMode) {
  start();
  int code = 5;
  input("\n");
  swpinfo(code, 1);
  std::vector<std::string> want = join(swpinfo_warning_head, {" RUN INFO CODE OUT OF RANGE:", "  run info code =     5",
                                                              "  min =     0", "  max =     3",
                                                              " ==> RESET run info code =     0"});
  EXPECT_EQ(take_lines(), join(want, warning_tail));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(runinfo3com.RUNINFOCODE, 0);

  code = 2;
  swpinfo(code, 1);
  code = -4;
  swpinfo(code, 3);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(take_output(), "");

  input("\n");
  swpinfo(code, 7);
  EXPECT_EQ(take_lines(), join(join(swpinfo_warning_head, {" inter =     7", " ===> NO ACTION"}), warning_tail));
  EXPECT_EQ(code, 2);
  EXPECT_EQ(runinfo3com.RUNINFOCODE, 2);

  input("3\n");
  swpinfo(code, 2);
  std::vector<std::string> lines = take_lines();
  std::vector<std::string> menu = {
      at50,
      " @ subroutine swpinfo" + std::string(15, ' ') + "v1.1 2021-02-27",
      " @" + std::string(49, '='),
      " -------------------------------------------",
      "    RUN INFORMATION TO WRITE AND PLOT",
      " -------------------------------------------",
      " run info code current value =     2",
      " date+user+host+os+hardw+main+subr+cmnd...0",
      " date+user+host+os+hardw+main+subr     ...1",
      " date          +os+hardw+main+subr+cmnd...2",
      " date          +os+hardw+main+subr     ...3",
      at50,
  };
  ASSERT_GT(lines.size(), menu.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(menu.size())), menu);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(runinfo3com.RUNINFOCODE, 3);

}

TEST_F(RunInfo, SystemAndProgramTexts) {
  start();
  std::string sys(50, ' '), prog(55, ' ');
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
  std::string exact(41, ' '), prog(55, ' ');
  getruninfo0(exact, prog);
  EXPECT_EQ(exact, "Linux_10.15.7 Core i5-8259U CPU @ 2.30GHz");
  EXPECT_EQ(take_output(), "");

  std::string sys(40, ' ');
  input("\n");
  getruninfo0(sys, prog);
  EXPECT_EQ(sys, "Linux_10.15.7 Core i5-8259U CPU @ 2.30GH");
  std::vector<std::string> head = swpinfo_warning_head;
  head[1] = " ///          subroutine   getruninfo0          ///";
  std::vector<std::string> want = join(head, {" System information string too short", " String length =   40",
                                              " Needed length =   41", " => Truncated outpout", " String =",
                                              " Linux_10.15.7 Core i5-8259U CPU @ 2.30GH"});
  EXPECT_EQ(take_lines(), join(want, warning_tail));

  std::string short_prog(20, ' ');
  input("\n");
  getruninfo0(exact, short_prog);
  EXPECT_EQ(short_prog, "kelvorastrim_5.1 Com");
  want = join(head, {" Program information string too short", " String length =   20", " Needed length =   28",
                     " String = ", " kelvorastrim_5.1 Com", " => Truncated output"});
  EXPECT_EQ(take_lines(), join(want, warning_tail));
}

TEST_F(RunInfo, RoutineLevelsOutsideTheRecord) {
  start();
  std::string sys(50, ' '), prog(60, ' ');
  runinfo3com.ROUTLEVEL = 0;
  input("\n");
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, pad("*** ERROR in program info: routine level < 1 ***", 60));
  std::string text = take_output();
  EXPECT_NE(text.find("\n Current routine level =    0\n Can store up to level =    3\n => No program information\n"
                      " ===> HIT RETURN TO CONTINUE\n"),
            std::string::npos);

  runinfo3com.ROUTLEVEL = 5;
  runinfo3com.ROUTNAME[1] = pad("sub2", 20);
  runinfo3com.ROUTVERS[1] = " 1.1";
  runinfo3com.ROUTNAME[2] = pad("sub3", 20);
  runinfo3com.ROUTVERS[2] = "2.0 ";
  input("\n");
  getruninfo0(sys, prog);
  EXPECT_EQ(prog, pad("kelvorastrim_5.1 -> sub2_1.1 -> sub3_2.0 -> x Command = 0", 60));
  text = take_output();
  EXPECT_NE(text.find("\n Current subroutine level     =    5\n Information only up to level =    3\n"), std::string::npos);
}

}  // namespace
