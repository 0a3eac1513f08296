// Nothing the program writes is lost: build/kelvorastrim in a temporary folder, run with a
// console closed early, a disk that fills, a file that cannot be read, and names of files
// that are not its own to replace.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "gral_lib/format.h"
#include "support/fake_platform.h"
#include "support/ghostscript.h"
#include "support/program_run.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string file(const std::string& name) {
  std::ifstream f(name);
  return std::string(std::istreambuf_iterator<char>(f), {});
}
bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }
long count_lines(const std::string& s) { return std::count(s.begin(), s.end(), '\n'); }

// A data file of n format-4 records, per to a section.
void format4(int n, int per) {
  std::ofstream f("kelvst_in.txt");
  f << "'core A'\n'names'\n";
  for (int i = 0; i < n; ++i) f << 1 + i / per << ' ' << i % 150 << ".5 40 90 30 180\n";
}

// Every line of a results file ends, and every record has its nine fields (the header line
// two, the column names nine).
bool whole(const std::string& r) {
  return r.ends_with('\n') && std::count(r.begin(), r.end(), '\t') == 8 * (count_lines(r) - 1) + 1;
}

class Files : public ::testing::Test {
 protected:
  TempWorkDir dir_;
};

TEST_F(Files, ThePlotFileReplacesOnlyAnEarlierPlotFile) {
  // The data file and an earlier results file, named at command 10: refused, the name asked
  // again. An earlier plot file is replaced.
  format4(3, 3);
  std::ofstream("old_out.txt") << "'core A'\tinput file = kelvst_in.txt\n";
  std::ofstream("old.ps") << "%!\n";
  const std::string data = file("kelvst_in.txt");
  for (const char* name : {"kelvst_in.txt", "old_out.txt"}) {
    ProgramRun r = run_program(KVR_PROGRAM, std::string("\n10\n\n") + name + "\n\n\nold.ps\n9999\n\n");
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_TRUE(has(r.console, " COULD NOT OPEN PostScript plot FILE\n")) << name;
    EXPECT_TRUE(gs_render("old.ps").ok());
  }
  EXPECT_EQ(file("kelvst_in.txt"), data);
  EXPECT_EQ(file("old_out.txt"), "'core A'\tinput file = kelvst_in.txt\n");

  // The run's own results file, still open, given for the next plot file at a page change.
  format4(102, 34);
  ProgramRun r = run_program(KVR_PROGRAM, "\n52\n4\n21\nn\n1000\n\n\n\nr.txt\n1\n\n\nr.txt\n\n\nnext.ps\n0\n9999\n\n");
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(count_lines(file("r.txt")), 104);
  EXPECT_TRUE(whole(file("r.txt")));
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok() && gs_render("next.ps").ok());
}

TEST_F(Files, AConsoleClosedEarlyLeavesEveryFileWhole) {
  format4(5000, 500);
  ProgramRun r = run_program(KVR_PROGRAM, "\n52\n4\n1000\n" + std::string(100, '\n') + "9999\n\n",
                             "PROGRAM | head -n 2000 > /dev/null");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.console, " THE CONSOLE CANNOT BE WRITTEN ==> EXECUTION STOPPED\n");
  EXPECT_TRUE(whole(file("kelvst_out.txt")));
  EXPECT_GE(gs_page_count("kelvst_plot.ps"), 1);
}

TEST_F(Files, AFullDiskIsToldWhenTheInputEndsAtAQuestion) {
  // Section 1 fills more than a file may take here (the plot, drawn into /dev/null,
  // takes all); the input ends at the question of the section change.
  format4(3000, 2000);
  ProgramRun r =
      run_program(KVR_PROGRAM, "\n52\n4\n21\nn\n1000\n\n/dev/null\n\n\n", "(ulimit -f 64; PROGRAM) | cat");
  EXPECT_EQ(r.status, 1);
  const long records = count_lines(file("kelvst_out.txt")) - 2;
  EXPECT_LT(records, 2000);
  EXPECT_TRUE(has(r.console, " COULD NOT WRITE fracture data output FILE\n File name = kelvst_out.txt\n"
                             " Records written whole = " + Line().i(records, 10).str() + "\n"))
      << r.console;
}

TEST_F(Files, DataThatCannotBeReadEndWithAWord) {
  format4(5000, 5000);
  std::ofstream("long.txt") << "'t'\n'names'\n" << std::string(2 << 20, '1') << "\n1 1 40 90 30 180\n";
  const std::string shim = std::string("export LD_PRELOAD='") + KVR_READ_ERROR_SHIM +
                           "' KV_READ_ERROR_FILE=kelvst_in.txt KV_READ_ERROR_AFTER=20000 "
                           "ASAN_OPTIONS=verify_asan_link_order=0; PROGRAM";
  const std::string first_records = file("kelvst_in.txt").substr(0, 20000);
  const long nread = count_lines(first_records) - 2;
  auto read = [](long n) { return Line().a(" Read     ").x().i(n, 5).a(" DATA\n").str(); };
  struct Case {
    std::string answers, shape, frame, counts;
  } cases[] = {
      // A read that fails: the data end there, the file named.
      {"\n52\n4\n21\nn\n31\nn\n1000\n\n\n\n9999\n", shim,
       " COULD NOT READ fracture data input FILE\n File name = kelvst_in.txt\n when trying to read " +
           Line().i(nread + 1, 5).str() + " th data\n",
       read(nread)},
      // A line of 2 MiB: no record, and not kept whole in memory.
      {"\n52\n4\n21\nn\n31\nn\n1000\nlong.txt\n\n\n9999\n", "PROGRAM", " when trying to read     1 th data\n",
       read(0)},
      // A device is no data file: its name is asked again.
      {"\n52\n4\n21\nn\n31\nn\n1000\n/dev/zero\n\nlong.txt\nout2.txt\n\n9999\n", "PROGRAM",
       " COULD NOT OPEN fracture data input FILE\n File name = /dev/zero", read(0)},
  };
  for (const Case& c : cases) {
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, c.answers, c.shape);
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_TRUE(has(r.console, c.frame) && has(r.console, c.counts)) << c.frame << r.console;
  }
}

TEST_F(Files, OddPageFormatFilesAndNamesHoldNothingUp) {
  // A named pipe for the page-format file: not read, and not written (no reader), with the
  // question whether to resume. A name with a NUL: asked again.
  ASSERT_EQ(mkfifo("quenda9_ini.txt", 0644), 0);
  ProgramRun r = run_program(KVR_PROGRAM, "\n10\n\n\n\na\0b.ps\n\n\np.ps\n9999\n\n"s);
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_TRUE(has(r.console, " Could not update or create quenda9_ini.txt\n"));
  EXPECT_TRUE(has(r.console, " COULD NOT OPEN PostScript plot FILE\n"));
  EXPECT_FALSE(fs::exists("a"));
  EXPECT_TRUE(gs_render("p.ps").ok());
}

TEST_F(Files, AStopInASectionPageGivesItsCaption) {
  // Record 4 has its strike turned (a warning and its pause), where the input ends.
  std::ofstream("kelvst_in.txt") << "'core A'\n'names'\n1 10 40 90 30 180\n1 20 40 90 30 180\n2 30 40 90 30 180\n"
                                    "2 40 20 90 0 180\n3 50 40 90 30 180\n";
  ProgramRun r = run_program(KVR_PROGRAM, "\n52\n4\n21\nn\n1000\n\n\n\n\n\n");
  EXPECT_EQ(r.status, 1);
  const std::string text = gs_text("kelvst_plot.ps");
  EXPECT_TRUE(has(text, "Number of data = 2") && has(text, "Number of data = 1")) << text;
  EXPECT_EQ(gs_page_count("kelvst_plot.ps"), 2);
}

}  // namespace
