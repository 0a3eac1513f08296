// The program as a user meets it: build/kelvorastrim in a temporary folder with its answers
// on standard input; the first answer of each run is the RETURN the start banner waits for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/fake_platform.h"
#include "support/ghostscript.h"
#include "support/program_run.h"
#include "support/run_harness.h"

namespace {

const std::string D = " -------------------------------------------\n";
const std::string records = "  16.0\t'E'\t  50.0\t'N'\t 283.5\t  50.8\t \n  16.0\t'W'\t 200.0\t'A'\t 200.0\t  17.0\t \n";

class Program : public ::testing::Test {
 protected:
  // Runs the program, with the format-1 help examples in the data file when asked.
  static ProgramRun run(const std::string& answers, bool data = false) {
    if (data) std::ofstream("kelvst_in.txt") << "'help'\n'dip1 dir1 dip2 dir2'\n16 'E'  50 'N'\n16 'W' 200 'A'\n";
    return run_program(KVR_PROGRAM, answers);
  }
  // The records of a results file, after its header and column-name lines.
  static std::string results(const std::string& name) {
    std::ifstream f(name);
    std::string skip;
    std::getline(std::getline(f, skip), skip);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  TempWorkDir dir_;
};

bool has(const std::string& c, const std::string& text) { return c.find(text) != std::string::npos; }

// The main menus shown, each from its title to its last item.
std::vector<std::string> menus(const std::string& c) {
  std::vector<std::string> m;
  for (std::size_t at = c.find(" DATA SET UP:"); at != std::string::npos; at = c.find(" DATA SET UP:", at + 1))
    m.push_back(c.substr(at, c.find("9999\n", at) + 5 - at));
  return m;
}

TEST_F(Program, StartUpLines) {
  ProgramRun r = run("\n9999\n");
  EXPECT_EQ(r.status, 0);
  // In order: console, banner with the platform's answers and its pause, angle constants,
  // plot attributes, (the sub-plots set silently) axes and histograms, then the menu.
  const std::vector<std::string> lines = {
      " INITIALIZING INPUT/OUTPUT\n", " @          MAIN PROGRAM: kelvorastrim            @\n", " @      User: ",
      " @      Host: ", " @    System: Linux", " @       CPU: ", " HIT RETURN TO CONTINUE ",
      " Initializing /anglerad/ block\n", " INITIALIZING PLOT ATTRIBUTESS\n", " INITIALIZING AXES\n",
      " INITIALIZING HISTOGRAMS LAYOUT\n", " DATA SET UP:\n",
      " Input from  : file    \n Output to   : file    \n",
      " Plot file name : kelvst_plot.ps                                    \n",
      " Plot statistics .......................21 T\n Modify histograms .....................22\n" + D,
      " QUIT PROGRAM ........................9999\n", " @ TERMINATED ON "};
  std::size_t last = 0;
  for (const std::string& line : lines) {
    last = r.console.find(line, last);
    ASSERT_NE(last, std::string::npos) << line << r.console;
  }
  EXPECT_FALSE(has(r.console, "ssubplot"));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));  // the platform's temporary files are gone
}

TEST_F(Program, MenuWithAndWithoutTheSectionBlock) {
  std::string c = run("\n52\n3\n52\n1\n9999\n").console;
  EXPECT_TRUE(has(c, " Data format:                      Command\n Alphanumerical: 2 dips           .......1\n"));
  std::vector<std::string> m = menus(c);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_TRUE(has(m[1], " Modify histograms .....................22\n" + D + " SECTION PLOT\n" + D +
                            " Core diameter :     6.0\n Part to plot  : Archive half E<->W\n VCD type      :     1\n"
                            " Plot section ..........................31 T\n Modify core diameter ..................32\n"
                            " Modify section plot part ..............33\n Modify section plot vcd ...............34\n" + D))
      << m[1];
  EXPECT_EQ(m[2], m[0]);
}

TEST_F(Program, SectionCommandsWhileHidden) {
  // 32 refuses a diameter that is not positive, with a pause each time, and asks again.
  std::string c = run("\n31\nn\n32\n-1\n\n0\n\n8.5\n33\n2\n34\n2\n52\n3\n9999\n").console;
  EXPECT_EQ(count_of(c, " should be greater than 0 ==> RETRYING\n"), 2);
  EXPECT_TRUE(has(c, " Archive half E<->W .....................1\n Working half W<->E .....................2\n"));
  EXPECT_TRUE(has(c, " Leg 180 : 150 cm in 2 boxes ............1\n Leg 209 : 150 cm in 1 box ..............2\n"));
  std::vector<std::string> m = menus(c);
  ASSERT_EQ(m.size(), 6u);
  EXPECT_EQ(m[4], m[0]);
  EXPECT_TRUE(has(m[5], " Core diameter :     8.5\n Part to plot  : Working half W<->E\n VCD type      :     2\n"
                        " Plot section ..........................31 F\n"));
}

TEST_F(Program, CoreDiameterBoundsKeepTheDiameter) {
  // 1000 cm taken, 1000.1 refused; RETURN after the refusal keeps 1000.
  std::string c = run("\n52\n3\n32\n1000\n32\n1000.1\n\n\n9999\n").console;
  EXPECT_EQ(count_of(c, " should not exceed 1000 ==> RETRYING\n"), 1);
  std::vector<std::string> m = menus(c);
  ASSERT_EQ(m.size(), 4u);
  EXPECT_TRUE(has(m[2], " Core diameter :  1000.0\n") && has(m[3], " Core diameter :  1000.0\n"));
}

TEST_F(Program, UnknownCommandsShowTheMenuAgain) {
  std::string c = run("\n0\n99\n9999\n").console, next = " ..........................................\n @@@@@";
  EXPECT_EQ(menus(c).size(), 3u);
  EXPECT_TRUE(has(c, " New value =             0\n" + next) && has(c, " New value =            99\n" + next));
}

TEST_F(Program, RunFromTheDataFileToTheResultsFile) {
  // Statistics plot off, the format help, a run with the default names.
  ProgramRun r = run("\n21\nn\n53\n1000\n\n\n9999\n", true);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(count_of(r.console, " Examples :\n"), 4);
  EXPECT_TRUE(has(r.console, " Read          2 DATA\n Converted     2 DATA\n"));
  EXPECT_EQ(results("kelvst_out.txt"), records);
  EXPECT_FALSE(std::filesystem::exists("kelvst_plot.ps"));
}

TEST_F(Program, RunFromTheKeyboardToTheScreen) {
  // Keyboard, screen, no plot; the default title, one record, the end of the data.
  std::string c = run("\n50\n2\n51\n2\n21\nn\n1000\n\nn\n16 E 50 N\ny\n9999\n").console;
  EXPECT_TRUE(has(c, "'strike'\t'dip'\t'comment'\n" + records.substr(0, records.find('\n') + 1)));
  EXPECT_TRUE(has(menus(c).back(), " Input from  : keyboard\n Output to   : screen  \n"));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

// Runs of 100,000 records (one core section) and of 1,234,567 with bad records where they
// exist: record numbers and counts print whole on the console and the pages, and no line has
// asterisks but a frame's border. The histograms draw a cell per bin, quick to render.
TEST_F(Program, RecordNumbersAndCountsOfBigRunsPrintWhole) {
  const struct { int n; std::string format; std::vector<std::string> shown; } cases[] = {
      {100000, "4", {" Plotting fault trace # 100000 in section     1\n", "(Number of data = 100000) show",
        " Read      100000 DATA\n Converted 100000 DATA\n Number of problematic data =     0\n",
        "(Number of data read = 100000) show", "(N = 100000) show", " current number of data    : 100000\n"}},
      {1234567, "2", {" while reading data nb 100005\n 1st dip out of [0,90]\n", " while reading data nb 1000001\n",
        " Read      1234567 DATA\n Converted 1234565 DATA\n Number of problematic data =     2\n",
        "(Number of data converted = 1234565) show", "(N = 1234565) show", " current number of data    : 1234565\n"}}};
  for (const auto& c : cases) {
    TempWorkDir dir;
    std::ofstream data("kelvst_in.txt");
    data << "'big'\n'names'\n";
    for (int k = 1; k <= c.n; ++k)
      data << (c.format == "4" ? "1 10.5 " : "") << (k == 100005 || k == 1000001 ? 95 : 40) << " 90 30 180\n";
    data.close();
    // Format, a cell per bin for the dip and strike histograms, the run (a new page or the
    // pauses), then the dip histogram's y range menu.
    const ProgramRun run = run_program(KVR_PROGRAM, "\n52\n" + c.format + "\n22\n1\n310\n11\n99\n99\n3\n310\n11\n99\n99\n"
                                                    "99\n1000\n\n\n\n\n\n\n22\n1\n220\n99\n99\n99\n9999\n\n");
    std::ifstream plot("kelvst_plot.ps");
    std::istringstream shown(run.console + std::string(std::istreambuf_iterator<char>(plot), {}));
    for (const std::string& s : c.shown) EXPECT_TRUE(has(shown.str(), s)) << c.n << s;
    for (std::string line; std::getline(shown, line);)
      EXPECT_TRUE(!has(line, "****") || line.find_first_not_of(" *") == std::string::npos) << line;
    EXPECT_TRUE(gs_render("kelvst_plot.ps").ok());
  }
}

TEST_F(Program, SecondRunRefusesTheExistingResultsFile) {
  // The default name is refused (a pause), then another is given.
  ProgramRun r = run("\n21\nn\n1000\n\n\n1000\n\n\n\nsecond.txt\n9999\n", true);
  EXPECT_EQ(count_of(r.console, " COULD NOT OPEN fracture data output FILE\n"), 1);
  EXPECT_EQ(results("kelvst_out.txt"), records);
  EXPECT_EQ(results("second.txt"), records);
}

TEST_F(Program, PlotFileOpenedTwiceAndClosedTwice) {
  // 10 (page format and name), 10 (a warning's pause), 20 (the closing RETURN), 20 (a pause).
  std::string c = run("\n10\n\n\n10\n\n20\n\n20\n\n9999\n").console;
  EXPECT_EQ(count_of(c, D + " OPENING STATISTICS PLOT FILE\n" + D), 2);
  std::size_t again = c.find(" Plot file or window is already opened\n"), closing = c.find("CR = Return to close"),
              closed = c.find(" The plot window or file is already closed\n");
  EXPECT_TRUE(again < closing && closing < closed && closed != std::string::npos) << c;
  EXPECT_EQ(gs_page_count("kelvst_plot.ps"), 1);
}

TEST_F(Program, QuitWithAndWithoutAPlotFile) {
  ProgramRun none = run("\n9999\n"), open = run("\n10\n\n\n9999\n\n");
  EXPECT_EQ(none.status, 0);
  EXPECT_FALSE(has(none.console, "CR = Return to close"));
  EXPECT_EQ(open.status, 0);
  std::size_t closed = open.console.find(" The PostScript plot file is closed\n");
  EXPECT_LT(closed, open.console.find(" @ TERMINATED ON "));
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok());
}

TEST_F(Program, EndOfInputWithThePlotFileOpen) {
  // A run with a plot file (default page format and names), then no more answers.
  ProgramRun r = run("\n1000\n\n\n\n\n", true);
  EXPECT_NE(r.status, 0);
  EXPECT_TRUE(r.console.ends_with(" Enter command\n END OF INPUT ON THE CONSOLE ==> EXECUTION STOPPED\n"));
  EXPECT_EQ(results("kelvst_out.txt"), records);
  std::ifstream ps("kelvst_plot.ps");
  EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(ps), {}).ends_with("%%Trailer\n%%Pages:   1\n%%EOF\n"));
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok());
}

TEST_F(Program, AxisAndHistogramMenus) {
  // 13: the axis menu with the section axes; 22: the histograms, and the settings of the rake one.
  std::string c = run("\n13\n99\n22\n2\n99\n99\n9999\n").console;
  EXPECT_TRUE(has(c, " AXIS SET UP\n") && has(c, " Depth (cm)           ............ 3\n"));
  EXPECT_TRUE(has(c, "       Global Histogram set up\n") && has(c, " |    2   |Rake                   |    2  |\n") &&
              has(c, " Histogram nb             :   2\n"));
}

TEST_F(Program, SubplotLayout) {
  // 11: the maps of sub-plots 13 and 3 (unchanged), 0 does nothing, 99 back; 50 the pictures.
  std::string c = run("\n11\n10\n13\n\n3\n\n0\n99\n50\n99\n9999\n").console;
  EXPECT_TRUE(has(c, "  xlcm  =     8.000  ylcm  =    22.500\n  xcm0  =     4.500  ycm0  =     2.000\n") &&
              has(c, " |ycm|   |  0.000   3.000|   |yu|   | 22.500|\n"));
  // The legend, the small boxes and both core pictures, in order.
  std::size_t at = 0;
  for (const char* line : {"  n  : fixed box size, origin at lower left\n", " (n) : fixed scale,    origin at center\n",
                           " |  | (3) |  | (6) |  |\n", " |  |  7  |  | 10  |  |\n", " |  | 13 |    | 14 |  |\n",
                           " |  | 15 |    | 14 |  |\n"})
    EXPECT_NE(at = c.find(line, at), std::string::npos) << line;
}

}  // namespace
