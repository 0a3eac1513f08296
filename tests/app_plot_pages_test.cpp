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
  // Runs the program on a data file of the given records (after a title and a column-name
  // line), the results file of an earlier run removed.
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

// A straight stroke of the plot file: one moveto and one lineto, in points.
struct Segment {
  float x1, y1, x2, y2;
};

std::vector<Segment> segments(const std::string& ps) {
  std::vector<Segment> found;
  std::istringstream in(ps);
  std::vector<std::string> path;
  for (std::string l; std::getline(in, l);) {
    if (l == "newpath") path.clear();
    if (l.ends_with(" moveto") || l.ends_with(" lineto")) path.push_back(l);
    if (l == "stroke" && path.size() == 2) {
      Segment s;
      std::istringstream(path[0]) >> s.x1 >> s.y1;
      std::istringstream(path[1]) >> s.x2 >> s.y2;
      found.push_back(s);
    }
  }
  return found;
}

// A fault trace from (x1, depth1) to (x2, depth2), x in cm across the core and depth in cm
// down the section, in core box 13, 14 (the two boxes of template 1) or 15 (template 2).
struct Trace {
  float x1, d1, x2, d2;
  int box;
};

// Where a point of a 6 cm core lands on the page, in points: each box keeps its corner and
// height, and takes that height's scale across the core too.
void page_point(int box, float x, float depth, float& px, float& py) {
  const float corner_x = box == 13 ? 4.5f : box == 14 ? 13.0f : 10.0f, corner_y = box == 15 ? 5.5f : 2.0f;
  const float scale = box == 15 ? 18.0f / 150.0f : 22.5f / 75.0f, bottom = box == 13 ? 75.0f : 150.0f;
  px = (corner_x + scale * (x + 3.0f)) * 28.35f;
  py = (corner_y + scale * (bottom - depth)) * 28.35f;
}

bool drawn(const std::vector<Segment>& segs, const Trace& t) {
  float x1, y1, x2, y2;
  page_point(t.box, t.x1, t.d1, x1, y1);
  page_point(t.box, t.x2, t.d2, x2, y2);
  for (const Segment& s : segs)
    if (std::fabs(s.x1 - x1) < 0.05f && std::fabs(s.y1 - y1) < 0.05f && std::fabs(s.x2 - x2) < 0.05f &&
        std::fabs(s.y2 - y2) < 0.05f)
      return true;
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
  // Dip and strike records: a plane striking along the cut face, one dipping 45 towards
  // west, a vertical plane across the face, two vertical planes along it (one 5e-5 degrees
  // off), a steep plane dipping east, and one at the bottom of the upper box.
  const std::string records =
      "1 10 60 0 0 270\n1 40 45 270 0 180\n1 60 90 90 0 0\n1 65 90 180 0 90\n1 66 90 180.00005 0 90.00005\n"
      "1 100 80 90 0 0\n1 75 45 270 0 180\n";
  // Archive half (west to the right), template 1: the plane dipping west deepens to the right.
  ProgramRun archive = run(records, "\n52\n4\n21\nn\n1000\n\n\n\n\n9999\n\n");
  ASSERT_EQ(archive.status, 0) << archive.console;
  EXPECT_EQ(count_of(archive.console, " is vertical and parallel to the cross section "
                                      "=> it has no trace within the cross section\n"),
            2);
  std::vector<Segment> segs = segments(file(plot));
  const std::vector<Trace> archive_traces = {{-3, 10, 3, 10, 13},     {-3, 37, 3, 43, 13},
                                             {0, 63, 0, 57, 13},      {-3, 117.014f, 3, 82.986f, 14},
                                             {-3, 72, 3, 78, 13}};
  for (const Trace& t : archive_traces) EXPECT_TRUE(drawn(segs, t)) << t.d1 << " " << t.box;
  EXPECT_TRUE(gs_render(plot).ok());

  // Working half (east to the right), template 2: the same planes tilt the other way.
  ProgramRun working = run(records, "\n52\n4\n21\nn\n33\n2\n34\n2\n1000\n\n\n\n\n9999\n\n");
  ASSERT_EQ(working.status, 0) << working.console;
  segs = segments(file(plot));
  const std::vector<Trace> working_traces = {{-3, 10, 3, 10, 15}, {-3, 43, 3, 37, 15}, {0, 63, 0, 57, 15},
                                             {-3, 82.986f, 3, 117.014f, 15}, {-3, 78, 3, 72, 15}};
  for (const Trace& t : working_traces) EXPECT_TRUE(drawn(segs, t)) << t.d1 << " " << t.box;
  EXPECT_TRUE(has(gs_text(plot), "Working half W<->E"));
}

TEST_F(PlotPages, StatisticsPageCountsAndRoseLabels) {
  // 12 records, 2 of them refused (a pause each); the statistics page on the page opened
  // before the run.
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
  // A run of format 3 that converts nothing: no section page to end, an empty statistics
  // page on the page opened before the run (pauses for the refused record and the two
  // empty histograms). Then a run whose data file is empty: a new page, the header error,
  // and nothing drawn from the counts of the run before.
  std::ofstream("empty.txt");
  ProgramRun r = run("1 10 16 'E' 16 'E'\n", "\n52\n3\n1000\n\n\n\n\n\n\n\n1000\n\nempty.txt\n\n9999\n\n");
  ASSERT_EQ(r.status, 0) << r.console;
  EXPECT_FALSE(has(r.console, "Finishing section"));
  EXPECT_EQ(count_of(r.console, " STARTING STATISTICS PLOT\n"), 1);
  EXPECT_TRUE(has(r.console, " when trying to read header\n"));
  EXPECT_TRUE(gs_render(plot).ok());
  EXPECT_EQ(gs_page_count(plot), 2);
  std::string ps = file(plot);
  EXPECT_FALSE(has(ps, "NaN") || has(ps, "Inf"));
}

TEST_F(PlotPages, EndOfInputAtTheNewPageQuestionKeepsEverything) {
  ProgramRun r = run("1 10 16 'E' 50 'N'\n1 20 16 'E' 50 'N'\n2 30 16 'E' 50 'N'\n2 40 16 'E' 50 'N'\n",
                     "\n52\n3\n1000\n\n\n\n\n");
  EXPECT_NE(r.status, 0);
  std::string results = file("kelvst_out.txt");
  EXPECT_EQ(count_of(results, "\n"), 5);  // header, column names and the three records read
  EXPECT_TRUE(gs_render(plot).ok());
  EXPECT_TRUE(file(plot).ends_with("%%Pages:   1\n%%EOF\n"));
}

}  // namespace
