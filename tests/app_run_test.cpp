// Runs of command 1000: reading the data, the results file and screen, the summary and the
// closing of the files on every road out of a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <streambuf>

#include "app/app_setup.h"
#include "axis_lib/axes.h"
#include "gral_lib/format.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "runinfo_lib/runinfo.h"
#include "support/fake_platform.h"
#include "support/run_harness.h"

namespace fs = std::filesystem;

namespace {

const std::string T = "\t";
const std::string dashes = " -------------------------------------------";
const std::string east_north = "  16.0" + T + "'E'" + T + "  50.0" + T + "'N'" + T + " 283.5" + T + "  50.8" + T + " ";
const std::string names = "'dipa1'" + T + "'dipdir1'" + T + "'dipa2'" + T + "'dipdir2'" + T + "'strike'" + T + "'dip'" +
                          T + "'comment'";

using CommandRun = RunHarness;

TEST_F(CommandRun, FileToFileHeaderAndSummary) {
  data("16 'E'  50 'N'\n", "'Core 7 north'");
  std::string c = run();
  std::size_t a = c.find(dashes + "\n READING INPUT HEADER\n" + dashes + "\n");
  std::size_t b = c.find(dashes + "\n WRITING OUTPUT HEADER\n" + dashes + "\n");
  std::size_t d = c.find(dashes + "\n READING INPUT DATA\n" + dashes + "\n");
  EXPECT_TRUE(a < b && b < d && d != std::string::npos);
  std::string summary = " " + std::string(50, '@') + "\n @ main program kelvorastrim        v5.1 2025-04-17\n @" +
                        std::string(49, '=') + "\n" + dashes +
                        "\n Read          1 DATA\n Converted     1 DATA\n Number of problematic data =     0\n"
                        " input  file kelvst_in.txt closed\n output file kelvst_out.txt closed\n" +
                        dashes + "\n " + std::string(50, '@') + "\n";
  EXPECT_EQ(c.substr(c.size() - std::min(c.size(), summary.size())), summary);

  std::string sysinfo(50, ' '), proginfo(55, ' ');
  getruninfo0(sysinfo, proginfo);
  std::vector<std::string> want = {"'Core 7 north'" + T + "input file = kelvst_in.txt   kelvorastrim_5.1 Command = 1000   " +
                                       std::string(trimmed(sysinfo)) + "   Run on 2025-04-05 at 09:07:03",
                                   names, east_north};
  EXPECT_EQ(file_lines("kelvst_out.txt"), want);
  EXPECT_FALSE(unit::is_open(25));
  EXPECT_FALSE(unit::is_open(26));
}

TEST_F(CommandRun, SectionFormatsAndWideValues) {
  set.IDATFMT = 3;
  data("2 12.5 16 'E' 50 'N'\n1000 10000 95 E 50 N\n", "' '");
  run();
  std::vector<std::string> out = file_lines("kelvst_out.txt");
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0].substr(0, 4), "' '" + T);
  EXPECT_EQ(out[1], "'section #'" + T + "'depth'" + T + names);
  EXPECT_EQ(out[2], "  2" + T + "  12.5" + T + east_north);
  EXPECT_EQ(out[3], "***" + T + "******" + T + "  95.0" + T + "'E'" + T + "  50.0" + T + "'N'" + T + "      " + T +
                        "      " + T + "error: 1st app dip out of [0,90]");
  set.IDATFMT = 4;
  data("3 0.5 16 90 50 0\n");
  run();
  EXPECT_EQ(records().at(0), "  3" + T + "   0.5" + T + "  16.0" + T + "  90.0" + T + "  50.0" + T + "   0.0" + T +
                                 " 283.5" + T + "  50.8" + T + " ");
}

TEST_F(CommandRun, SectionPagesKeepTheBoxLabel) {
  skvrplot(5);
  skvraxis(5);
  set.IDATFMT = 3;
  set.lsectdepth = set.lplotsect = true;
  data("1 10 16 'E' 50 'N'\n");
  run();  // the section's page fetches box 1 and stores it back
  EXPECT_EQ(axisblk7b.WBLAB, fit("Archive Section", 25));
}

TEST_F(CommandRun, FreeFormatReading) {
  // Commas, quotes of both kinds, tabs, remarks, blank lines, a record over two lines, a
  // slash and empty values keeping the fields read before, and an incomplete last record,
  // which is dropped without a message.
  data("16,'E',50,'N'\n16 \"E\" 50 \"N\"   remark after the values\n\t16\tE\t50\tN\n\n   \n16 East 50\nNorth\n"
       "20 W /\n25,,40, 'S'\n30 E 40\n",
       "\xEF\xBB\xBF'Core 7 north'  remark");  // a byte-order mark first is skipped
  std::string c = run();
  std::vector<std::string> r = records();
  ASSERT_EQ(r.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 4), std::vector<std::string>(4, east_north));
  EXPECT_EQ(r[4].substr(0, 22), "  20.0" + T + "'W'" + T + "  50.0" + T + "'N'" + T);
  EXPECT_EQ(r[5].substr(0, 22), "  25.0" + T + "'W'" + T + "  40.0" + T + "'S'" + T);
  EXPECT_EQ(rec.title, fit("Core 7 north", 35));
  EXPECT_EQ(c.find("ERROR"), std::string::npos);

  // A bare title keeps its first word; a blank line in place of the column names makes the
  // first measurement serve as them.
  write_file("kelvst_in.txt", "\n\nCore 7 north\n\n16 E 50 N\n16 E 50 N\n");
  run();
  EXPECT_EQ(rec.title, fit("Core", 35));
  EXPECT_EQ(rec.nread, 1);
  data("");  // two header lines and no record
  EXPECT_EQ(run().find("ERROR"), std::string::npos);
  EXPECT_EQ(file_lines("kelvst_out.txt").size(), 2u);
}

TEST_F(CommandRun, HeaderReadFailure) {
  data("16 E 50 N\n");
  run();
  for (const char* contents : {"", "'only a title'\n", "\n\n  \n"}) {
    SCOPED_TRACE(contents);
    write_file("kelvst_in.txt", contents);
    fs::remove("kelvst_out.txt");
    std::string c = run_with("\n");  // only the data file's name is asked
    EXPECT_NE(c.find(" READING INPUT HEADER\n" + dashes + "\n"), std::string::npos);
    EXPECT_NE(c.find("\n when trying to read header\n"), std::string::npos);
    // No results file; nothing of the earlier run is counted.
    EXPECT_FALSE(fs::exists("kelvst_out.txt"));
    EXPECT_EQ(c.find("READING INPUT DATA"), std::string::npos);
    EXPECT_NE(c.find(" Read          0 DATA\n Converted     0 DATA\n Number of problematic data =     0\n"
                     " input  file kelvst_in.txt closed\n" + dashes + "\n"),
              std::string::npos);
    EXPECT_FALSE(unit::is_open(25));
  }
}

TEST_F(CommandRun, RecordReadFailureEndsTheData) {
  data("16 E 50 N\n16 E 50 N\n30 X 40 N\n16 E fifty N\n16 E 50 N\n");
  std::string c = run();
  EXPECT_NE(c.find(" when trying to read     4 th data\n"), std::string::npos);
  EXPECT_EQ(records().size(), 3u);
  EXPECT_NE(c.find(" Read          3 DATA\n Converted     2 DATA\n Number of problematic data =     1\n"),
            std::string::npos);
  // Letters where numbers belong, and anything but ordinary decimal numbers.
  for (auto [fmt, bad] : {std::pair{2, "16 'E' 50 'N'"}, {2, "16 90 nan 0"}, {2, "16 inf 50 0"}, {2, "0x10 90 50 0"},
                          {2, "16 90 50 1e39"}, {3, "2.5 10 16 E 50 N"}}) {
    set.IDATFMT = fmt;
    data(std::string(bad) + "\n16 90 50 0\n");
    EXPECT_NE(run().find(" when trying to read     1 th data\n"), std::string::npos) << bad;
    EXPECT_TRUE(records().empty());
  }
  // Numbers where letters belong are read as letters, and fail the check.
  set.IDATFMT = 1;
  data("16  90 50   0\n");
  EXPECT_NE(run().find(" 1st dip direction = 9\n"), std::string::npos);
}

TEST_F(CommandRun, FileToScreen) {
  set.OTP = 2;
  data("16 E 50 N\n");
  std::string c = run_with("\n");
  EXPECT_NE(c.find("\n'test data'" + T + "input file = kelvst_in.txt"), std::string::npos);
  EXPECT_NE(c.find("\n" + names + "\n" + dashes + "\n READING INPUT DATA\n" + dashes + "\n" + east_north + "\n"),
            std::string::npos);
  EXPECT_EQ(c.find("output file"), std::string::npos);
}

TEST_F(CommandRun, KeyboardToScreen) {
  set.ITP = 2;
  set.OTP = 2;
  // Title by default; a record; a record over two lines; a problematic one; then the end.
  std::string c = run_with("\n\n16 'E' 50 'N'\nn\n16 E\n50 N\n\n30 E 40 W\ny\n");
  EXPECT_EQ(set.infile, fit("keyboard", 50));
  EXPECT_EQ(rec.title, fit("keyboard input", 35));
  EXPECT_EQ(rec.nread, 3);
  EXPECT_EQ(c.find("WRITING OUTPUT HEADER"), std::string::npos);
  EXPECT_EQ(count_of(c, " End input and back to menu ?\n"), 4);
  EXPECT_EQ(count_of(c, " CURRENT INPUT FORMAT:\n"), 3);
  const std::string dots = " ..........................................";
  EXPECT_EQ(count_of(c, "---\n" + dots + "\n  Enter data:\n" + dots + "\n" + dashes + "\n RESULTS\n" + dashes + "\n" +
                            names + "\n" + east_north + "\n"),
            2);
  EXPECT_NE(c.find(" ERROR END                  ***\n " + std::string(50, '*') + "\n" + names + "\n  30.0" + T + "'E'"),
            std::string::npos);
  EXPECT_NE(c.find(" Number of problematic data =     1\n" + dashes + "\n"), std::string::npos);
  EXPECT_EQ(c.find(" input  file"), std::string::npos);
}

TEST_F(CommandRun, KeyboardEndsAtOnceOrAtAMistypedNumber) {
  set.ITP = 2;
  set.OTP = 2;
  run_with("my title\ny\n");
  EXPECT_EQ(rec.nread, 0);
  EXPECT_EQ(rec.title, fit("my title", 35));
  std::string c = run_with("\n\n16 E 50 N\n\n16 E fifty N\n");
  EXPECT_EQ(rec.title, fit("keyboard input", 35));  // the default again at every run
  EXPECT_EQ(rec.nread, 1);
  EXPECT_NE(c.find(" when trying to read     2 th data\n"), std::string::npos);
  // The next run from a file offers "keyboard" as the file's name.
  set.ITP = 1;
  input("\n");
  EXPECT_THROW(conversion_run(set, rec, 1000), ProgramStop);  // no such file, and no other name
  EXPECT_NE(take_output().find(" Default = keyboard\n"), std::string::npos);
}

// Console input that tells, at the start of every line it gives, what the results file holds.
class WatchedInput : public std::streambuf {
 public:
  WatchedInput(std::string text, std::function<void()> at_line) : text_(std::move(text)), at_line_(at_line) {}

 protected:
  int_type underflow() override {
    if (pos_ >= text_.size()) return traits_type::eof();
    if (pos_ == 0 || text_[pos_ - 1] == '\n') at_line_();
    ch_ = text_[pos_++];
    setg(&ch_, &ch_, &ch_ + 1);
    return traits_type::to_int_type(ch_);
  }

 private:
  std::string text_;
  std::function<void()> at_line_;
  std::size_t pos_ = 0;
  char ch_ = 0;
};

TEST_F(CommandRun, KeyboardResultsAreOnDiskBeforeEveryQuestion) {
  set.ITP = 2;
  std::vector<std::size_t> on_disk;
  WatchedInput buf("\n\n\n16 E 50 N\n\n16 E 50 N\ny\n", [&] { on_disk.push_back(file_lines("kelvst_out.txt").size()); });
  std::istream in(&buf);
  unit::bind_console(in, out_);
  conversion_run(set, rec, 1000);
  // Lines read: title, file name, go on, record, go on, record, stop.
  EXPECT_EQ(on_disk, (std::vector<std::size_t>{0, 0, 2, 2, 3, 3, 4}));
  EXPECT_EQ(file_lines("kelvst_out.txt").at(0).rfind("'keyboard input'" + T + "input file = keyboard   kelvorastrim_5.1", 0), 0u);
}

TEST_F(CommandRun, EndOfConsoleInput) {
  // At a question it stops the program, with the results on disk and the file closed.
  set.ITP = 2;
  input("\n\n\n16 E 50 N\n");
  EXPECT_THROW(conversion_run(set, rec, 1000), ProgramStop);
  EXPECT_EQ(file_lines("kelvst_out.txt").size(), 3u);
  EXPECT_FALSE(unit::is_open(26));
  // Within a record it is the end of the data.
  fs::remove("kelvst_out.txt");
  std::string c = run_with("\n\n\n16 E 50 N\n\n16 E\n");
  EXPECT_EQ(rec.nread, 1);
  EXPECT_EQ(c.find("ERROR"), std::string::npos);
  EXPECT_NE(c.find(" output file kelvst_out.txt closed\n"), std::string::npos);
}

TEST_F(CommandRun, AFullDiskEndsTheDataWithAWordBeforeTheNextQuestion) {
  const std::string full = " COULD NOT WRITE fracture data output FILE\n File name = kelvst_out.txt\n";
  data([] { std::string r; while (r.size() < 50000) r += "16 E 50 N\n"; return r; }());
  set.ITP = 2;  // typed in, the third record does not fit: told before the next question
  const std::string answers = "\n\n\n16 E 50 N\n\n16 E 50 N\n\n16 E 50 N\ny\n";
  run_with(answers);
  std::optional<FullDiskAfter> disk(std::in_place, fs::file_size("kelvst_out.txt") - 28);  // 10 bytes of record 3
  fs::remove("kelvst_out.txt");
  std::string c = run_with(answers);
  EXPECT_LT(c.rfind(" End input and back to menu ?\n"), c.find(full));
  EXPECT_LT(c.find(full), c.find(" Read          3 DATA\n Converted     3 DATA\n"));
  // The torn third record is cut off again: the file ends at its last whole line.
  EXPECT_EQ(records(), (std::vector<std::string>{east_north, east_north}));
  set.ITP = 1;  // from a file, the data end at the first failed write
  set.infile = fit("kelvst_in.txt", 50);
  disk.emplace(100000);  // the earlier limit goes first
  c = run();
  disk.reset();
  EXPECT_LT(c.find(full), c.find(Line().a(" Read     ").x().i(rec.nread, 5).str()));
}

TEST_F(CommandRun, FileNamesComeBackWithoutTheirFolder) {
  fs::create_directory("sub");
  write_file("sub/cores.txt", "t\nnames\n16 E 50 N\n");
  std::string c = run_with("sub/cores.txt\nsub/res.txt\n");
  EXPECT_EQ(set.infile, fit("cores.txt", 50));
  EXPECT_EQ(set.outfile, fit("res.txt", 50));
  EXPECT_EQ(file_lines("sub/res.txt").size(), 3u);
  EXPECT_NE(c.find(" input  file cores.txt closed\n output file res.txt closed\n"), std::string::npos);
}

}  // namespace
