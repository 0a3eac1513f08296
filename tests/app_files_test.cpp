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

long occurrences(std::string_view text, std::string_view mark) {
  long n = 0;
  for (auto p = text.find(mark); p != std::string_view::npos; p = text.find(mark, p + 1)) ++n;
  return n;
}

// Whether the console position at lies inside an error or warning frame: one opened before
// it and not closed yet.
bool inside_a_frame(const std::string& console, std::size_t at) {
  const std::string_view before(console.data(), std::min(at, console.size()));
  return occurrences(before, "***                   ERROR                    ***") +
             occurrences(before, "///                  WARNING                   ///") >
         occurrences(before, "ERROR END") + occurrences(before, "WARNING END");
}

// The shell shape of a run whose results file (or another) takes its first `after` bytes,
// then fails with a full disk, once or for ever.
std::string write_fault(long after, const std::string& mode, const std::string& run = "PROGRAM",
                        const std::string& name = "kelvst_out.txt") {
  return std::string("export LD_PRELOAD='") + KVR_IO_FAULT_SHIM + "' KV_WRITE_FAULT_FILE=" + name +
         " KV_WRITE_FAULT_AFTER=" + std::to_string(after) +
         " KV_WRITE_FAULT=" + mode + " ASAN_OPTIONS=verify_asan_link_order=0; " + run;
}

std::string written_whole(long records) {
  return " COULD NOT WRITE fracture data output FILE\n File name = kelvst_out.txt\n Records written whole = " +
         Line().i(records, 10).str() + "\n";
}

constexpr const char* console_lost = " THE CONSOLE CANNOT BE WRITTEN ==> EXECUTION STOPPED\n";

class Files : public ::testing::Test {
 protected:
  TempWorkDir dir_;
};

TEST_F(Files, ThePlotFileReplacesOnlyAnEarlierPlotFile) {
  // The data file and an earlier results file, named at command 10: refused, the name asked
  // again. An earlier plot file is replaced.
  format4(3, 3);
  std::ofstream("old_out.txt") << "'core A'\tinput file = kelvst_in.txt\n";
  std::ofstream("notes.ps") << "% field notes\n";
  std::ofstream("old.ps") << "%!\n";
  const std::string data = file("kelvst_in.txt");
  for (const char* name : {"kelvst_in.txt", "old_out.txt", "notes.ps"}) {
    ProgramRun r = run_program(KVR_PROGRAM, std::string("\n10\n\n") + name + "\n\n\nold.ps\n9999\n\n");
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_TRUE(has(r.console, " COULD NOT OPEN PostScript plot FILE\n")) << name;
    EXPECT_TRUE(gs_render("old.ps").ok());
  }
  EXPECT_EQ(file("kelvst_in.txt"), data);
  EXPECT_EQ(file("old_out.txt"), "'core A'\tinput file = kelvst_in.txt\n");
  EXPECT_EQ(file("notes.ps"), "% field notes\n");

  // The run's own results file, still open, given for the next plot file at a page change.
  format4(102, 34);
  ProgramRun r = run_program(KVR_PROGRAM, "\n52\n4\n21\nn\n1000\n\n\n\nr.txt\n1\n\n\nr.txt\n\n\nnext.ps\n0\n9999\n\n");
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(count_lines(file("r.txt")), 104);
  EXPECT_TRUE(whole(file("r.txt")));
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok() && gs_render("next.ps").ok());
}

TEST_F(Files, AConsoleLostOrSlowEndsTheRunAsItShould) {
  // Far more console after the reader goes than a pipe holds, so that it cannot all be
  // written before the reader has gone.
  format4(4000, 4000);
  fs::rename("kelvst_in.txt", "big.txt");
  format4(1200, 600);
  const std::string shim = write_fault(1000, "always", "");
  struct Case {
    std::string name, answers, shape;
    int status;
    std::string console;
  } cases[] = {
      // Its reader gone in the middle of a run.
      {"closed early", "\n52\n4\n1000\n\n\nbig.txt\n" + std::string(100, '\n') + "9999\n\n", "PROGRAM | head -n 700 > /dev/null", 1,
       console_lost},
      // Its reader gone when 9999 is answered: the end banner cannot reach it.
      {"closed at the end", "\n52\n4\n21\nn\n1000\n\n\n\n\n\n",
       "mkfifo go; { cat ANSWERS; cat go > /dev/null; printf '9999\\n\\n'; } | PROGRAM | "
       "{ grep -m 4 'Enter command' > seen.txt; exec 0<&-; echo > go; }",
       1, console_lost},
      // A console that takes its lines slowly, written without blocking: waited for.
      {"slow", "\n52\n4\n1000\n\n\n\n\n\n\n9999\n\n",
       "{ perl -e 'use Fcntl; fcntl(STDOUT, F_SETFL, fcntl(STDOUT, F_GETFL, 0) | O_NONBLOCK) or die'; PROGRAM; } | "
       "{ sleep 2; cat > /dev/null; }",
       0, ""},
      // Lost (a console file that cannot grow) when the results file fails, at the question of
      // the section change; the input stays open with no answer left: the program stops at
      // once, its report waiting for nothing.
      {"lost with a failed file", "\n52\n4\n21\nn\n1000\n\n\n\n\n",
       "mkfifo keep; exec 3<>keep; cat ANSWERS >&3; " + shim + "(ulimit -f 60; PROGRAM <&3 > con.txt)", 1,
       console_lost},
  };
  for (const Case& c : cases) {
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, c.answers, c.shape);
    EXPECT_EQ(r.status, c.status) << c.name;
    EXPECT_EQ(r.console, c.console) << c.name;
    EXPECT_TRUE(whole(file("kelvst_out.txt"))) << c.name;
    EXPECT_TRUE(gs_render("kelvst_plot.ps").ok()) << c.name;
  }
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
  EXPECT_TRUE(whole(file("kelvst_out.txt")));
  EXPECT_TRUE(has(r.console, written_whole(records))) << r.console;
}

TEST_F(Files, AFailedWriteLeavesTheFileAtItsLastWholeRecord) {
  // Section 1's results fill less than a file's buffer: they go to the disk, and fail in the
  // middle of a record, before the question of the section change, where the failure is
  // told. The data end there; the run goes on to its end.
  format4(900, 300);
  const std::string answers = "\n52\n4\n21\nn\n1000\n\n\n" + std::string(6, '\n') + "9999\n\n";
  for (const char* mode : {"once", "always"}) {
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, answers, write_fault(10000, mode));
    EXPECT_EQ(r.status, 0) << r.console;
    const std::string results = file("kelvst_out.txt");
    EXPECT_TRUE(whole(results) && results.size() <= 10000) << mode;
    const std::size_t told = r.console.find(written_whole(count_lines(results) - 2));
    EXPECT_LT(told, r.console.find("append to the current window / file")) << mode << r.console;
    EXPECT_FALSE(inside_a_frame(r.console, r.console.rfind("subroutine close_checked", told)));
    EXPECT_EQ(occurrences(r.console, "COULD NOT WRITE"), 1);
    EXPECT_EQ(gs_page_count("kelvst_plot.ps"), 2) << mode;
  }

  // A plot file that is a pipe cannot be cut back: its report says that its last line may be cut.
  ProgramRun r = run_program(KVR_PROGRAM, "\n52\n4\n21\nn\n1000\n\nplot.fifo\n\nr.txt\n" + std::string(10, '\n') + "9999\n\n",
                  "mkfifo plot.fifo; exec 4<>plot.fifo; cat <&4 > /dev/null & exec 4<&-; " +
                      write_fault(1000, "once", "PROGRAM", "plot.fifo") + "; kill $!");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.console, " COULD NOT WRITE PostScript plot FILE\n File name = plot.fifo\n Its last line may be cut\n"))
      << r.console;

  // Each record gives a warning, with its pause: a failure met at one of them is told after
  // its frame, not inside it.
  {
    std::ofstream f("kelvst_in.txt");
    f << "'core A'\n'names'\n";
    for (int i = 0; i < 3000; ++i) f << "16 180 0 200\n";
  }
  fs::remove("kelvst_out.txt");
  r = run_program(KVR_PROGRAM, "\n52\n2\n21\nn\n1000\n\n\n" + std::string(3100, '\n') + "9999\n\n",
                             "(ulimit -f 64; PROGRAM) | cat");
  EXPECT_EQ(r.status, 0);
  const std::string results = file("kelvst_out.txt");
  EXPECT_TRUE(results.ends_with('\n'));
  const std::size_t told = r.console.find(written_whole(count_lines(results) - 2));
  ASSERT_NE(told, std::string::npos) << r.console.substr(r.console.size() - 3000);
  EXPECT_FALSE(inside_a_frame(r.console, r.console.rfind("subroutine close_checked", told)));
}

TEST_F(Files, AStartUpWarningHoldsNoReportBack) {
  // The processor query's file cannot be made: start-up prints its warning without a pause.
  // A plot file that fills later is told before the next question all the same, outside any
  // frame, and the program ends as it should.
  fs::create_directory("cpu_info_tmp_001.txt");
  struct Case {
    const char* name;
    std::string answers, question;
  } cases[] = {
      {"statistics page", "\n1000\n\np.ps\n\n\n\n53\n9999\n\n", "Enter command"},
      {"section pages", "\n52\n4\n21\nn\n1000\n\np.ps\n\n\n" + std::string(4, '\n') + "9999\n\n",
       "append to the current window / file"},
  };
  for (const Case& c : cases) {
    format4(400, 200);
    if (c.name == cases[0].name) std::ofstream("kelvst_in.txt") << "'demo'\n'n'\n16 'E' 50 'N'\n16 'W' 200 'A'\n";
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, c.answers, "(ulimit -f 8; PROGRAM) | cat");
    EXPECT_EQ(r.status, 0) << c.name;
    const std::size_t told = r.console.find(" COULD NOT WRITE PostScript plot FILE\n");
    ASSERT_NE(told, std::string::npos) << c.name << r.console;
    EXPECT_LT(told, r.console.find(c.question, r.console.find("New value =          1000"))) << c.name;
    // The start-up warning closes without a "WARNING END": frames are counted after it.
    const std::size_t head = r.console.rfind("subroutine close_checked", told), start = r.console.find("Enter command");
    EXPECT_FALSE(inside_a_frame(r.console.substr(start), head - start)) << c.name;
    EXPECT_TRUE(gs_render("p.ps").ok()) << c.name;
  }
}

TEST_F(Files, AResultsFileThatFailsInItsHeaderSaysSo) {
  format4(3, 3);
  const std::string answers = "\n52\n4\n21\nn\n31\nn\n1000\n\n\n9999\n\n";
  ASSERT_EQ(run_program(KVR_PROGRAM, answers).status, 0);
  const std::string told_at_a_pause = "\n52\n4\n21\nn\n31\nn\n1000\n\n\n\n9999\n\n";
  const long first = static_cast<long>(file("kelvst_out.txt").find('\n')) + 1;
  // The disk takes nothing, the first line, the whole header and one byte.
  const struct {
    long after;
    const char* told;
  } cases[] = {{0, " Its header is not whole: 0 of 2 lines written\n"},
               {first, " Its header is not whole: 1 of 2 lines written\n"},
               {first + 10, " Its header is not whole: 1 of 2 lines written\n"},
               {static_cast<long>(file("kelvst_out.txt").find('\n', first)) + 2, ""}};
  for (const auto& c : cases) {
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, told_at_a_pause, write_fault(c.after, "always"));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.console, written_whole(0) + c.told + " ===> THE FILE MAY BE INCOMPLETE")) << c.after << r.console;
  }
  // A file-size limit of nothing (which leaves the harness no room for the exit status).
  fs::remove("kelvst_out.txt");
  ProgramRun r = run_program(KVR_PROGRAM, told_at_a_pause, "(ulimit -f 0; PROGRAM) | cat");
  EXPECT_TRUE(has(r.console, written_whole(0) + " Its header is not whole: 0 of 2 lines written\n")) << r.console;
}

TEST_F(Files, DataThatCannotBeReadEndWithAWord) {
  format4(5000, 5000);
  const std::string header = "'t'\n'names'\n", record = "1 1 40 90 30 180";
  const std::string mib = record + std::string((1 << 20) - record.size(), ' ');  // a line of 1 MiB
  std::ofstream("long.txt") << header << record << ' ' << std::string(1 << 20, 'x') << '\n' << record << '\n';
  std::ofstream("lf.txt") << header << mib << '\n';
  std::ofstream("crlf.txt") << header << mib << "\r\n";
  const std::string shim = std::string("export LD_PRELOAD='") + KVR_IO_FAULT_SHIM +
                           "' KV_READ_ERROR_FILE=kelvst_in.txt KV_READ_ERROR_AFTER=20000 "
                           "ASAN_OPTIONS=verify_asan_link_order=0; PROGRAM";
  const std::string first_records = file("kelvst_in.txt").substr(0, 20000);
  const long nread = count_lines(first_records) - 2;
  auto counts = [](long n, long c) {
    return Line().a(" Read     ").x().i(n, 5).a(" DATA\n Converted").x().i(c, 5).a(" DATA\n").str();
  };
  auto run = [](const std::string& data_file) {
    return Line().a("\n52\n4\n21\nn\n31\nn\n1000\n").a(data_file).a("\n\n\n9999\n").str();
  };
  const std::string stars = Line().x().rep('*', 50).a("\n").str();
  struct Case {
    std::string answers, shape, frame, counts;
  } cases[] = {
      // A read that fails: the data end there, the file named.
      {run(""), shim,
       " when trying to read " + Line().i(nread + 1, 5).str() +
           " th data\n COULD NOT READ fracture data input FILE\n File name = kelvst_in.txt\n",
       counts(nread, nread)},
      // A record followed by more than 1 MiB on its line: no record, and not kept whole in memory.
      {run("long.txt"), "PROGRAM",
       stars + " when trying to read     1 th data\n LINE LONGER THAN 1 MiB (1048576 CHARACTERS)\n"
               " IN fracture data input FILE\n File name = long.txt\n ===> HIT RETURN TO CONTINUE\n" + stars,
       counts(0, 0)},
      // A line of exactly 1 MiB is read, whatever its line end.
      {run("lf.txt"), "PROGRAM", "", counts(1, 1)},
      {run("crlf.txt"), "PROGRAM", "", counts(1, 1)},
      // A device is no data file: its name is asked again.
      {"\n52\n4\n21\nn\n31\nn\n1000\n/dev/zero\n\nlong.txt\nout2.txt\n\n9999\n", "PROGRAM",
       " COULD NOT OPEN fracture data input FILE\n File name = /dev/zero", counts(0, 0)},
  };
  for (const Case& c : cases) {
    fs::remove("kelvst_out.txt");
    ProgramRun r = run_program(KVR_PROGRAM, c.answers, c.shape);
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_TRUE(has(r.console, c.frame) && has(r.console, c.counts)) << c.frame << c.counts << r.console.substr(0, 20000);
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

  // Any other control character in a name: asked again, and no file of that name made.
  fs::remove("quenda9_ini.txt");
  for (const char* name : {"a\x1b" "b.ps", "a\tb.ps", "a\rb.ps", "a\x7f" "b.ps"}) {
    fs::remove("p.ps");
    r = run_program(KVR_PROGRAM, "\n10\n\n"s + name + "\n\n\np.ps\n9999\n\n");
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_TRUE(has(r.console, " COULD NOT OPEN PostScript plot FILE\n")) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 2) << name;  // p.ps and quenda9_ini.txt
    EXPECT_TRUE(gs_render("p.ps").ok()) << name;
  }

  // A data file that is a named pipe waits for its writer, the question and its answer shown
  // while it waits.
  ASSERT_EQ(mkfifo("pipe", 0644), 0);
  r = run_program(KVR_PROGRAM, "\n21\nn\n1000\npipe\n\n9999\n\n",
                  "PROGRAM > con.txt & for i in $(seq 100); do grep -qs 'New value = pipe' con.txt && break; sleep 0.1; done; "
                  "grep -c 'New value = pipe' con.txt; printf \"'t'\\n'n'\\n16 'E' 50 'N'\\n\" > pipe; wait");
  EXPECT_EQ(r.console, "1\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(count_lines(file("kelvst_out.txt")), 3);

  // Its writer waits to see the whole frame of a bad record before it writes the next one.
  fs::remove("kelvst_out.txt");
  r = run_program(KVR_PROGRAM, "\n21\nn\n1000\npipe\n\n\n9999\n\n",
                  "PROGRAM > con.txt & exec 3>pipe; printf \"'t'\\n'n'\\n95 'E' 50 'N'\\n\" >&3; "
                  "for i in $(seq 50); do grep -qs 'ERROR END' con.txt && break; sleep 0.1; done; "
                  "grep -c 'ERROR END' con.txt; printf \"16 'E' 50 'N'\\n\" >&3; exec 3>&-; wait");
  EXPECT_EQ(r.console, "1\n");
  EXPECT_EQ(count_lines(file("kelvst_out.txt")), 4);
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

  // A stop after the run, at the main menu: its pages keep the captions they had, and the
  // statistics page gets none.
  fs::remove("kelvst_out.txt");
  r = run_program(KVR_PROGRAM, "\n52\n4\n1000\n\n\n\n" + std::string(8, '\n'));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(occurrences(gs_text("kelvst_plot.ps"), "Number of data ="), 3);
  EXPECT_EQ(gs_page_count("kelvst_plot.ps"), 4);
}

}  // namespace
