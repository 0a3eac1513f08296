#include <gtest/gtest.h>

#include <fstream>

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"
#include "support/console_capture.h"

namespace {

const std::string at50 = " " + std::string(50, '@');
const std::string star50 = " " + std::string(50, '*');
const std::string slash50 = " " + std::string(50, '/');

class Frames : public ConsoleTest {};

TEST_F(Frames, InitAnnouncesAndListsOnlyOnRequest) {
  initsio2(5);
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], at50);
  EXPECT_EQ(lines[1], " @ subroutine initsio2" + std::string(14, ' ') + "v4.1 2024-10-25");
  EXPECT_EQ(lines[2], " @" + std::string(49, '='));
  EXPECT_EQ(lines[3], " INITIALIZING INPUT/OUTPUT");
  EXPECT_EQ(iocom.iuin, 5);
  EXPECT_EQ(iocom.iuerrout, 6);
  EXPECT_TRUE(iocom.lpause);
  EXPECT_TRUE(iocom.LWITO[0] && iocom.LWITO[1] && !iocom.LWITO[2]);

  initsio2(0);
  lines = take_lines();
  std::vector<std::string> listing(lines.begin() + 4, lines.end());
  std::vector<std::string> want = {
      at50,
      " @ subroutine writesio" + std::string(14, ' ') + "v2.1 2024-10-25",
      " @" + std::string(49, '='),
      " INPUT/OUTPUT SET UP:",
      " standard  input unit        =  5",
      " standard output unit        =  6",
      " error     input unit        =  5",
      " error    output unit        =  6",
      " minimum output enabled      :  T",
      " more    output enabled      :  T",
      " maximum output enabled      :  F",
      " command file open status    :  F",
      " plot    file open status    :  F",
      " pause after warning or error:  T",
      at50,
  };
  EXPECT_EQ(listing, want);
}

TEST_F(Frames, TitleBlockCutsNameAndVersion) {
  submenuhead("abcdefghijklmnopqrstuvwxyz", "12345", "2024-01-01");
  mainmenuhead("kelvorastrim", "5.3 ", "2025-04-17");
  std::vector<std::string> lines = take_lines();
  EXPECT_EQ(lines[1], " @ subroutine abcdefghijklmnopqrst v1234 2024-01-01");
  EXPECT_EQ(lines[4], " @ main program kelvorastrim      " "  v5.3 2025-04-17");
  EXPECT_EQ(lines[1].size(), 51u);
  menutail();
  EXPECT_EQ(take_output(), at50 + "\n");
}

TEST_F(Frames, ErrorAndWarningFramesWithPause) {
  input("\nanything\n");
  errorhead("opef1", "1.2 ", "2024-10-22");
  errortail00();
  warninghead("errortailstopX", "", "");
  warningtail00();
  std::vector<std::string> want = {
      star50, star50,
      " ***" + std::string(44, ' ') + "***",
      " ***          subroutine         opef1          ***",
      " ***                   ERROR                    ***",
      " ***" + std::string(44, ' ') + "***",
      star50, star50,
      " ===> HIT RETURN TO CONTINUE",
      star50,
      " ***                 ERROR END                  ***",
      star50,
      slash50,
      " ///          subroutine errortailstop          ///",
      " ///                  WARNING                   ///",
      slash50,
      " ===> HIT RETURN TO CONTINUE",
      slash50,
      " ///                WARNING END                 ///",
      slash50,
  };
  EXPECT_EQ(take_lines(), want);
}

TEST_F(Frames, PauseFollowsTheSwitches) {
  iocom.lpause = false;
  errortail00();  // no input needed
  EXPECT_EQ(take_lines().size(), 3u);
  iocom.lpause = true;
  iocom.lcmdopen = true;
  input("\n");
  warningtail00();
  EXPECT_EQ(take_lines()[0], " ===> HIT RETURN TO RESUME COMMANDS");
}

TEST_F(Frames, EndOfInputAtAPauseStopsAndKeepsWrittenFiles) {
  std::string path = ::testing::TempDir() + "/kv_frames_stop.txt";
  std::remove(path.c_str());
  ASSERT_TRUE(unit::open_write(21, path));
  unit::write_line(21, "kept");
  input("");
  try {
    errortail00();
    FAIL() << "expected a stop";
  } catch (const ProgramStop& s) {
    EXPECT_NE(s.status, 0);
  }
  EXPECT_FALSE(unit::is_open(21));
  std::ifstream f(path);
  std::string l;
  std::getline(f, l);
  EXPECT_EQ(l, "kept");
  EXPECT_NE(take_output().find("END OF INPUT"), std::string::npos);
}

TEST_F(Frames, AFileThatFailsInsideAFrameIsReportedAfterIt) {
  // The write fails at the frame's pause, where the file goes to the disk.
  ASSERT_TRUE(unit::open_write(21, "/dev/full"));
  unit::on_write_failure(21, [](int, long long, bool) { unit::write_line(6, " REPORT"); });
  input("\n");
  warninghead("w", "", "");
  unit::write_line(21, "lost");
  warningtail00();
  const std::vector<std::string> lines = take_lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
            (std::vector<std::string>{" ===> HIT RETURN TO CONTINUE", slash50,
                                      " ///                WARNING END                 ///", slash50, " REPORT"}));
  EXPECT_FALSE(unit::is_open(21));
}

TEST_F(Frames, AFrameLeftOpenHoldsReportsBackOnlyUntilTheTopOfTheDialogue) {
  ASSERT_TRUE(unit::open_write(21, "/dev/full"));
  unit::on_write_failure(21, [](int, long long, bool) { unit::write_line(6, " REPORT"); });
  warninghead("w", "", "");  // no tail
  unit::write_line(21, "lost");
  unit::before_question();
  EXPECT_EQ(count_of(take_output(), "REPORT"), 0);
  unit::at_top_level();
  EXPECT_EQ(take_lines(), std::vector<std::string>{" REPORT"});
  EXPECT_EQ(unit::frames_open(), 0);
  EXPECT_EQ(unit::frames_left_open(), 1);
  unit::bind_console(in_, out_);  // this test left its frame open on purpose
}

TEST_F(Frames, AFileReportedWhileStoppingWaitsForNoAnswer) {
  ASSERT_TRUE(unit::open_write(21, "/dev/full"));
  unit::on_write_failure(21, [](int, long long, bool) {
    errorhead("r", "", "");
    errortail00();
  });
  unit::write_line(21, "lost");
  input("an answer\n");
  EXPECT_THROW(stop_program(1), ProgramStop);
  EXPECT_EQ(count_of(take_output(), "HIT RETURN"), 0);
  std::string left;
  EXPECT_TRUE(std::getline(in_, left) && left == "an answer");
}

class TailStop : public ConsoleTest {
 protected:
  bool stops(int level, const std::string& answers) {
    input(answers);
    try {
      errortailstop(level);
    } catch (const ProgramStop& s) {
      EXPECT_NE(s.status, 0);
      return true;
    }
    return false;
  }
};

TEST_F(TailStop, LevelZeroResumesByDefault) {
  EXPECT_FALSE(stops(0, "\n\n"));
  std::vector<std::string> lines = take_lines();
  std::vector<std::string> want = {
      " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED",
      " ..........................................",
      " RESUME ?",
      " Enter (0/1)(n/y)(N/Y)",
      " or return for default value or h for help",
      " Default = Yes",
      " New value =  Yes",
      " ..........................................",
      " RESUMING EXECUTION",
      " ===> HIT RETURN TO CONTINUE",
      star50,
      " ***                 ERROR END                  ***",
      star50,
  };
  EXPECT_EQ(lines, want);
  EXPECT_TRUE(stops(0, "n\n\n"));
  lines = take_lines();
  EXPECT_EQ(lines[8], " EXECUTION STOPPED BY USER");
  EXPECT_EQ(lines[9], " AFTER RECOVERABLE ERROR");
  EXPECT_TRUE(stops(0, "0\n\n"));
}

TEST_F(TailStop, LevelOneStopsByDefaultOrEntersTheTwilightZone) {
  EXPECT_TRUE(stops(1, "\n\n"));
  std::string text = take_output();
  EXPECT_NE(text.find("&&&&&&&&&&&&"), std::string::npos);
  EXPECT_NE(text.find(" UNRECOVERABLE ERROR ==> QUITTING ADVISED\n"), std::string::npos);
  EXPECT_NE(text.find(" STOP ?\n"), std::string::npos);
  EXPECT_NE(text.find(" EXECUTION STOPPED BY USER\n AFTER UNRECOVERABLE ERROR\n Copying the above information\n"
                      " and sending it to the program author\n might be helpful\n"),
            std::string::npos);
  EXPECT_FALSE(stops(1, "n\n\n"));
  text = take_output();
  EXPECT_NE(text.find(" ENTERING THE TWILIGHT ZONE OF COMPUTING !\n THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE\n"
                      " RESUMING EXECUTION\n"),
            std::string::npos);
}

TEST_F(TailStop, LevelTwoStopsWithoutAskingAndOthersDoNothing) {
  EXPECT_TRUE(stops(2, "\n"));
  std::string text = take_output();
  EXPECT_EQ(text.find("?"), std::string::npos);
  EXPECT_NE(text.find(" UNRECOVERABLE ERROR\n EXECUTION STOPPED BY PROGRAM\n"), std::string::npos);
  EXPECT_FALSE(stops(3, ""));
  EXPECT_FALSE(stops(-1, ""));
  EXPECT_EQ(take_output(), "");
}

TEST_F(Frames, SorryFace) {
  sorryface();
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "  ");
  EXPECT_EQ(lines[1], std::string(8, ' ') + "            &&&&&&&&&&&&            ");
  EXPECT_EQ(lines[8], std::string(8, ' ') + "&&        &&&          &&&        &&");
  EXPECT_EQ(lines[18], lines[1]);
  EXPECT_EQ(lines[19], "  ");
  for (std::size_t i = 1; i < 19; ++i) EXPECT_EQ(lines[i].size(), 44u);
}

}  // namespace
