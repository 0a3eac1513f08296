#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "gral_lib/fileopen.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "support/console_capture.h"

namespace fs = std::filesystem;

namespace {

class FileOpen : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    dir_ = fs::path(::testing::TempDir()) / ("kv_open_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "sub");
    old_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  static void write_file(const std::string& name, const std::string& text) { std::ofstream(name) << text; }
  static std::string read_file(const std::string& name) {
    std::ifstream f(name);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  fs::path dir_, old_;
};

TEST_F(FileOpen, NewNeverOverwritesAndAsksAgainOfferingTheFailedName) {
  write_file("results.txt", "precious\n");
  std::string name = fit("results.txt", 80);
  input("\n\nsub/other.txt\n");  // keep the name, pause, then another name with a folder
  opef2(name, "fracture data output ", 26, "new", 0);
  EXPECT_EQ(name, fit("other.txt", 80));
  EXPECT_EQ(read_file("results.txt"), "precious\n");
  unit::write_line(26, "line");
  unit::close(26);
  EXPECT_EQ(read_file("sub/other.txt"), "line\n");

  std::vector<std::string> l = take_lines();
  std::vector<std::string> head = {" " + std::string(50, '@'),
                                   " @ subroutine opef2" + std::string(17, ' ') + "v5.3 2024-10-22",
                                   " @" + std::string(49, '='), " OPENING fracture data output FILE",
                                   " " + std::string(50, '@'), " ..........................................",
                                   " Enter fracture data output file name", " or return for default value",
                                   " Default = results.txt", " ichar =  32 => use default value"};
  EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 10), head);
  std::string text;
  for (auto& s : l) text += s + "\n";
  EXPECT_NE(text.find(" COULD NOT OPEN fracture data output FILE\n File name = results.txt" + std::string(239, ' ') +
                      "\n for unit =   26\n ===> RETRYING\n"),
            std::string::npos);
  // the frame and the question come again, offering the name that failed
  EXPECT_EQ(std::count(l.begin(), l.end(), " OPENING fracture data output FILE"), 2);
  EXPECT_EQ(std::count(l.begin(), l.end(), " Default = results.txt"), 2);
}

TEST_F(FileOpen, OldOpensForReadingAndAFailureWithoutDialogueStops) {
  write_file("data.txt", "title\n");
  std::string name = "data.txt";
  opef2(name, "fracture data input", 25, "old", 1);
  std::string line;
  ASSERT_TRUE(unit::read_line(25, line));
  EXPECT_EQ(line, "title");
  EXPECT_THROW(unit::write_line(25, "x"), std::logic_error);  // reading only
  unit::close(25);
  take_output();

  // a folder is no file to read: the name is asked again
  name = fit("sub", 12);
  input("\n\ndata.txt\n");
  opef2(name, "fracture data input", 25, "old", 0);
  EXPECT_EQ(name, fit("data.txt", 12));
  EXPECT_NE(take_output().find(" COULD NOT OPEN fracture data input FILE\n File name = sub "), std::string::npos);
  unit::close(25);

  name = "missing.txt";
  input("\n");
  try {
    opef2(name, "color table input", 20, "old", 1);
    FAIL() << "expected a stop";
  } catch (const ProgramStop& s) {
    EXPECT_NE(s.status, 0);
  }
  std::string text = take_output();
  EXPECT_NE(text.find(" ===> STOPPING EXECUTION\n"), std::string::npos);
  EXPECT_NE(text.find("&&&&&&&&&&&&"), std::string::npos);
}

TEST_F(FileOpen, SilentModeAndGravities) {
  std::string name = "nofile.txt";
  int st = -1;
  opef1(name, "plot init", 30, "old", "read", 7, -1, st);
  EXPECT_EQ(st, 1);
  EXPECT_EQ(take_output(), "");
  EXPECT_EQ(name, "nofile.txt");

  name = "nodir/x.ps";  // cannot be created
  input("\n\n");        // RESUME? yes, then the pause
  opef1(name, "plot init", 30, "unknown", "write", 7, 0, st);
  EXPECT_EQ(st, 1);
  std::string text = take_output();
  EXPECT_NE(text.find(" FAILED TO OPEN plot init FILE\n File name = nodir/x.ps"), std::string::npos);
  EXPECT_NE(text.find(" RESUME ?\n"), std::string::npos);

  opef1(name, "PostScript plot", 30, "unknown", "write", 1, -1, st);  // frame only, no retry
  text = take_output();
  EXPECT_EQ(st, 1);
  EXPECT_NE(text.find(" OPENING PostScript plot FILE\n"), std::string::npos);
  EXPECT_EQ(text.find("Retry"), std::string::npos);
  EXPECT_NE(text.find(" -------------------------------------------\n Could not open PostScript plot file\n"
                      " => Proceeding\n -------------------------------------------\n"),
            std::string::npos);

  name = "ok.ps";
  opef1(name, "PostScript plot", 30, "unknown", "write", 7, 1, st);
  EXPECT_EQ(st, 0);
  unit::close(30);
}

TEST_F(FileOpen, RetryDialogueOfThePlotFile) {
  std::string name = fit("nodir/plot.ps", 20);
  int st;
  // keep the name, pause, retry: yes (default), keep the name again, pause, retry: no,
  // then the error frame closes with the STOP question: no, and its pause
  input("\n\n\n\n\nn\nn\n\n");
  opef1(name, "PostScript plot", 30, "unknown", "write", 0, 1, st);
  EXPECT_EQ(st, 1);
  EXPECT_EQ(name, fit("nodir/plot.ps", 20));
  std::vector<std::string> l = take_lines();
  EXPECT_EQ(std::count(l.begin(), l.end(), " ===> RETRYING TO OPEN THE FILE"), 2);
  EXPECT_EQ(std::count(l.begin(), l.end(), " Retry (1) or proceed without retrying (0) ?"), 2);
  EXPECT_EQ(std::count(l.begin(), l.end(), " FAILED TO OPEN PostScript plot FILE"), 1);
  EXPECT_EQ(std::count(l.begin(), l.end(), " STOP ?"), 1);

  input("sub/p.ps\n");  // a name with a folder gives back its base name
  opef1(name, "PostScript plot", 30, "unknown", "write", 0, 1, st);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(name, fit("p.ps", 20));
  EXPECT_TRUE(fs::exists("sub/p.ps"));
}

}  // namespace

namespace {

TEST_F(FileOpen, AFileThatCannotTakeItsLinesIsReportedWhenClosed) {
  ASSERT_TRUE(unit::open_write(31, "/dev/full"));
  for (int i = 0; i < 20000; ++i) unit::write_line(31, "a results record that will not fit");
  input("\n");
  close_checked(31, "fracture data output ", "kelvst_out.txt");
  std::string text = take_output();
  EXPECT_NE(text.find(" COULD NOT WRITE fracture data output FILE\n File name = kelvst_out.txt\n"
                      " ===> THE FILE MAY BE INCOMPLETE (IS THE DISK FULL?)\n"),
            std::string::npos);
  EXPECT_FALSE(unit::is_open(31));
  ASSERT_TRUE(unit::open_write(31, "fine.txt"));
  unit::write_line(31, "x");
  close_checked(31, "fracture data output ", "fine.txt");
  EXPECT_EQ(take_output(), "");
}

}  // namespace

namespace {

TEST_F(FileOpen, AFileWrittenNeverReplacesOneOpenOnAnotherUnit) {
  std::ofstream("plot.ps") << "%!\n";
  ASSERT_TRUE(unit::open_read(25, "plot.ps"));
  EXPECT_FALSE(unit::open_write(50, "./plot.ps", "%!"));  // the same file under another name
  unit::close(25);
  EXPECT_TRUE(unit::open_write(50, "./plot.ps", "%!"));
  unit::close(50);
}

}  // namespace
