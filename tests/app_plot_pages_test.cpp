// The plot pages of a run, as the program draws them: build/kelvorastrim in a temporary
// folder with its answers on standard input, the plot file rendered by Ghostscript.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/console_capture.h"
#include "support/fake_platform.h"
#include "support/ghostscript.h"
#include "support/program_run.h"

namespace {

const std::string plot = "kelvst_plot.ps";

class PlotPages : public ::testing::Test {
 protected:
  // Runs the program on a data file of the given records, the results of a run before removed.
  static ProgramRun run(const std::string& records, const std::string& answers) {
    std::filesystem::remove("kelvst_out.txt");
    std::ofstream("kelvst_in.txt") << "'core A'\n'names'\n" << records;
    return run_program(KVR_PROGRAM, answers);
  }
  static std::string file(const std::string& name) {
    std::ifstream f(name);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  TempWorkDir dir_;
};

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// A fault trace from (x1, depth1) to (x2, depth2), cm across the core and down the section,
// in core box 13 or 14 (template 1) or 15 (template 2).
struct Trace {
  float x1, d1, x2, d2;
  int box;
};

// Whether the plot file strokes the trace as one straight path. Each box keeps its paper
// corner and height, and a 6 cm core takes the height's scale across too.
bool drawn(const std::string& ps, const Trace& t) {
  const float cx = t.box == 13 ? 4.5f : t.box == 14 ? 13.0f : 10.0f, cy = t.box == 15 ? 5.5f : 2.0f;
  const float k = t.box == 15 ? 18.0f / 150.0f : 22.5f / 75.0f, bottom = t.box == 13 ? 75.0f : 150.0f;
  const float want[4] = {(cx + k * (t.x1 + 3)) * 28.35f, (cy + k * (bottom - t.d1)) * 28.35f,
                         (cx + k * (t.x2 + 3)) * 28.35f, (cy + k * (bottom - t.d2)) * 28.35f};
  std::istringstream in(ps);
  std::vector<std::string> path;
  for (std::string l; std::getline(in, l);) {
    if (l == "newpath") path.clear();
    if (l.ends_with(" moveto") || l.ends_with(" lineto")) path.push_back(l);
    if (l != "stroke" || path.size() != 2) continue;
    float p[4];
    std::istringstream(path[0]) >> p[0] >> p[1];
    std::istringstream(path[1]) >> p[2] >> p[3];
    bool same = true;
    for (int i = 0; i < 4; ++i) same = same && std::fabs(p[i] - want[i]) < 0.05f;
    if (same) return true;
  }
  return false;
}

TEST_F(PlotPages, OnePagePerSectionThenTheStatisticsPage) {
  // Format 3, a core of 0.01 cm (its axis spans 1 cm each side), three sections: a new page
  // asked at each change and before the statistics page.
  ProgramRun r = run("1 10 16 'E' 50 'N'\n1 20 16 'E' 50 'N'\n2 30 16 'E' 50 'N'\n3 40 16 'E' 50 'N'\n"
                     "3 50 16 'E' 50 'N'\n",
                     "\n52\n3\n32\n0.01\n1000\n\n\n\n\n\n\n\n9999\n\n");
  ASSERT_EQ(r.status, 0) << r.console;
  const std::string sep = " ----------------------------------\n";
  EXPECT_TRUE(has(r.console, sep + " Finishing section      1\n" + sep + sep + " Starting section      2\n" + sep));
  EXPECT_TRUE(has(r.console, " Plotting fault trace #     2 in section     3\n" + sep + " Finishing section      3\n"));
  ASSERT_EQ(gs_page_count(plot), 4);
  std::string text = gs_text(plot);
  for (const char* part :
       {"Input format: Alphanumerical: sect+depth+2dips", "Input file: kelvst_in.txt", "Title: core A",
        "Section # 1", "Section # 3", "Number of data = 2", "Number of data = 1", "Archive half E<->W",
        "Core diameter =  0.01", "Run on ", "System : Linux", "kelvorastrim_5.1 Command = 1000", "-1"})
    EXPECT_TRUE(has(text, part)) << part;
}

TEST_F(PlotPages, FaultTracesAtTheirDepthsAndTilts) {
  // Dip and strike: a plane striking along the cut face, one dipping 45 west, a vertical
  // plane across the face, two along it (one 5e-5 degrees off), a steep one dipping east,
  // one at the bottom of the upper box.
  const std::string records =
      "1 10 60 0 0 270\n1 40 45 270 0 180\n1 60 90 90 0 0\n1 65 90 180 0 90\n1 66 90 180.00005 0 90.00005\n"
      "1 100 80 90 0 0\n1 75 45 270 0 180\n";
  // Archive half (west to the right) in template 1, where what dips west deepens to the
  // right; working half (east to the right) in template 2, where the same planes tilt the
  // other way.
  const std::pair<std::string, std::vector<Trace>> runs[] = {
      {"", {{-3, 10, 3, 10, 13}, {-3, 37, 3, 43, 13}, {0, 63, 0, 57, 13}, {-3, 117.014f, 3, 82.986f, 14},
            {-3, 72, 3, 78, 13}}},
      {"33\n2\n34\n2\n", {{-3, 10, 3, 10, 15}, {-3, 43, 3, 37, 15}, {0, 63, 0, 57, 15},
                            {-3, 82.986f, 3, 117.014f, 15}, {-3, 78, 3, 72, 15}}}};
  for (const auto& [settings, traces] : runs) {
    ProgramRun r = run(records, "\n52\n4\n21\nn\n" + settings + "1000\n\n\n\n\n9999\n\n");
    ASSERT_EQ(r.status, 0) << r.console;
    EXPECT_EQ(count_of(r.console, " is vertical and parallel to the cross section => it has no trace "
                                  "within the cross section\n"),
              2);
    EXPECT_TRUE(has(r.console, " Plotting fault trace #     3 in section     1\n") &&
                has(r.console, " Fault #     4 in section     1\n"))
        << r.console;
    for (const Trace& t : traces) EXPECT_TRUE(drawn(file(plot), t)) << settings << t.d1;
    EXPECT_TRUE(gs_render(plot).ok());
  }
  EXPECT_TRUE(has(gs_text(plot), "Working half W<->E"));
}

TEST_F(PlotPages, StatisticsPageCountsAndRoseLabels) {
  // 12 records, 2 refused (a pause each), drawn on the page opened before the run.
  std::string records;
  for (int i = 0; i < 10; ++i) records += "16 'E' 50 'N'\n";
  ProgramRun r = run(records + "16 'E' 16 'E'\n16 'X' 16 'E'\n", "\n1000\n\n\n\n\n\n\n9999\n\n");
  ASSERT_EQ(r.status, 0) << r.console;
  ASSERT_EQ(gs_page_count(plot), 1);
  std::string text = gs_text(plot);
  EXPECT_TRUE(has(text, "Number of data read = 12") && has(text, "Number of data converted = 10"));
  EXPECT_EQ(count_of(text, "N = 10"), 2);
}

TEST_F(PlotPages, NothingConvertedAndAHeaderThatCannotBeRead) {
  // Format 3, nothing converted: no section page to end, empty histograms (a pause for the
  // refused record and one per empty histogram). Then an empty data file: a new page, the
  // header error, and nothing drawn from the run before.
  std::ofstream("empty.txt");
  ProgramRun r = run("1 10 16 'E' 16 'E'\n", "\n52\n3\n1000\n\n\n\n\n\n\n\n1000\n\nempty.txt\n\n9999\n\n");
  ASSERT_EQ(r.status, 0) << r.console;
  EXPECT_FALSE(has(r.console, "Finishing section"));
  EXPECT_EQ(count_of(r.console, " STARTING STATISTICS PLOT\n"), 1);
  EXPECT_TRUE(gs_render(plot).ok());
  EXPECT_EQ(gs_page_count(plot), 2);
  EXPECT_FALSE(has(file(plot), "NaN") || has(file(plot), "Inf"));
}

TEST_F(PlotPages, EndOfInputAtTheNewPageQuestionKeepsEverything) {
  ProgramRun r = run("1 10 16 'E' 50 'N'\n1 20 16 'E' 50 'N'\n2 30 16 'E' 50 'N'\n2 40 16 'E' 50 'N'\n",
                     "\n52\n3\n1000\n\n\n\n\n");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(count_of(file("kelvst_out.txt"), "\n"), 5);  // header, names, the three records read
  EXPECT_TRUE(gs_render(plot).ok() && file(plot).ends_with("%%Pages:   1\n%%EOF\n"));
}

// Values the prompts take but single precision cannot draw: each is refused, or reset
// before drawing, with one warning, and the run draws its pages and ends as an ordinary one.
struct AbsurdValue {
  const char* what;
  const char* answers;  // before the run; a refusal's pause takes one more RETURN
  int ordinary_pauses;  // of the same run with an ordinary value
};

TEST_F(PlotPages, AbsurdValuesNeitherStopNorPausePerPoint) {
  const AbsurdValue cases[] = {
      {"histogram y max 1e25", "22\n1\n200\n0\n99\n220\n100\n1e25\n\n99\n99\n99\n", 1},
      {"histogram y max 2e38", "22\n1\n200\n0\n99\n220\n100\n2e38\n\n99\n99\n99\n", 1},
      {"core diameter 1e30", "52\n3\n32\n1e30\n\n6\n", 1},
      {"core diameter 3e9", "52\n3\n32\n3e9\n\n6\n", 1},
      {"axis text size 1e38", "52\n3\n13\n2\n23\n1e38\n\n99\n99\n", 1},
      {"axis user bounds 1e38", "52\n3\n13\n2\n1\n-1e38\n\n2\n1e38\n\n99\n99\n", 1},
      {"axis annotations 3e38", "52\n3\n13\n2\n20\n-3e38\n\n21\n3e38\n\n22\n0\n99\n\n99\n99\n", 2},
      {"axis user bound 3.4e38", "52\n3\n13\n2\n2\n3.4e38\n\n99\n99\n", 1},
      {"axis decimals -1", "52\n3\n13\n2\n24\n-1\n\n99\n99\n", 1},
  };
  // 60 records, in format 1 or (after 52, 3) in format 3 over three sections.
  std::string format1, format3;
  for (int k = 0; k < 60; ++k) {
    format1 += "16 'E' 50 'N'\n";
    format3 += std::to_string(k / 20 + 1) + " " + std::to_string(k % 20 * 7 + 5) + " 16 'E' 50 'N'\n";
  }
  for (const AbsurdValue& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(plot);
    ProgramRun r = run(std::string_view(c.answers).starts_with("52") ? format3 : format1,
                       std::string("\n") + c.answers + "1000" + std::string(12, '\n') + "9999\n\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_LE(count_of(r.console, " ===> HIT RETURN TO CONTINUE"), c.ordinary_pauses + 3);
    EXPECT_TRUE(gs_render(plot).ok());
    EXPECT_FALSE(has(r.console, "Infinity") || has(file(plot), "Inf") || has(file(plot), "NaN"));
  }
}

// The smallest text sizes the questions take (command 12's text height, axis 1's annotation
// size): every text drawn at a fraction of them is one the plot engine takes, so both plots
// are drawn without a warning.
TEST_F(PlotPages, SmallestTextSizesDrawWithoutAWarning) {
  for (const char* answers : {"12\n31\n0.05\n99\n", "13\n1\n23\n0.025\n99\n99\n"}) {
    SCOPED_TRACE(answers);
    std::filesystem::remove(plot);
    ProgramRun r = run("1 10 16 'E' 50 'N'\n2 30 16 'E' 50 'N'\n",
                       std::string("\n52\n3\n") + answers + "1000" + std::string(7, '\n') + "9999\n\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.console, " Plotting strike rose diagram\n"));
    EXPECT_FALSE(has(r.console, "WARNING")) << r.console;
    EXPECT_TRUE(gs_render(plot).ok());
  }
}

}  // namespace
