#include <gtest/gtest.h>

#include <vector>

#include "int_ps_lib/psfile.h"
#include "plt_lib/attributes.h"
#include "plt_lib/draw.h"
#include "plt_lib/subplots.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class Drawing : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    // Sub-plot 2: user units of 0.01 cm from an origin at (1, 1) cm.
    plt1blk.ISUBPLOT = 2;
    plt1blk.US0TOCM[1][0] = plt1blk.US0TOCM[1][1] = 1;
    plt1blk.USTOCM[1][0] = plt1blk.USTOCM[1][3] = 0.01f;
    open_plot();
    plt1blk.ISUBPLOT = 2;
  }
};

// The x coordinates of the moveto and lineto lines of every path, one vector per path.
std::vector<std::vector<float>> paths(const Lines& lines) {
  std::vector<std::vector<float>> result;
  for (const std::string& l : lines) {
    if (l == "newpath") result.emplace_back();
    if (!result.empty() && (l.ends_with(" moveto") || l.ends_with(" lineto"))) result.back().push_back(std::stof(l));
  }
  return result;
}

TEST_F(Drawing, LinesAreDrawnInChunksThatShareTheirEnds) {
  // Point i (counted from 0) lies at x = 1 + i/100 cm, so each chunk shows where it starts and ends.
  std::vector<float> x(1002), y(1002, 0);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<float>(i);
  const std::vector<float> kept = x;
  struct Case {
    int n;
    std::vector<std::pair<int, int>> chunks;  // first and last point of each chunk
  };
  const Case cases[] = {{1, {{0, 0}}}, {501, {{0, 500}}}, {502, {{0, 500}, {500, 501}}},
                        {1001, {{0, 500}, {500, 1000}}}, {1002, {{0, 500}, {500, 1000}, {1000, 1001}}}};
  for (const Case& c : cases) usline(x.data(), y.data(), c.n);
  std::vector<std::vector<float>> drawn = paths(drawing(close_plot()));
  std::size_t p = 0;
  for (const Case& c : cases) {
    for (auto [first, last] : c.chunks) {
      SCOPED_TRACE(std::to_string(c.n) + " points, chunk from " + std::to_string(first));
      ASSERT_LT(p, drawn.size());
      const std::vector<float>& path = drawn[p++];
      EXPECT_EQ(path.size(), static_cast<std::size_t>(std::max(last - first + 1, 2)));
      EXPECT_NEAR(path.front(), 28.35f * (1 + first / 100.0f), 0.01f);
      EXPECT_NEAR(path.back(), 28.35f * (1 + last / 100.0f), 0.01f);
    }
  }
  EXPECT_EQ(p, drawn.size());
  EXPECT_EQ(x, kept);
}

TEST_F(Drawing, LongPolygonsAreSplitWithAWarning) {
  std::vector<float> x(1200), y(1200, 0);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<float>(i % 50);
  uspolygon(x.data(), y.data(), 501);
  EXPECT_EQ(take_output(), "");
  input("\n");
  uspolygon(x.data(), y.data(), 502);
  Lines warning = take_lines();
  ASSERT_EQ(warning.size(), 11u);
  EXPECT_EQ(Lines(warning.begin() + 4, warning.begin() + 7),
            (Lines{" Polygone vertices =    502", " Plot buffer size  =    501",
                   " ==> Decomposing in smaller polygons"}));
  input("\n\n");
  uspolygon(x.data(), y.data(), 1200);
  EXPECT_EQ(take_lines().size(), 22u);
  std::vector<std::vector<float>> drawn = paths(drawing(close_plot()));
  std::vector<std::size_t> sizes;
  for (const auto& path : drawn) sizes.push_back(path.size());
  EXPECT_EQ(sizes, (std::vector<std::size_t>{501, 501, 2, 501, 501, 200}));
}

TEST_F(Drawing, NoPointsIsAnErrorAndDrawsNothing) {
  float x[] = {1}, y[] = {1};
  input("\n");
  cmline(x, y, 0);
  Lines text = take_lines();
  ASSERT_GE(text.size(), 10u);
  EXPECT_EQ(text[8], " is =      1 > nx =      0");
  EXPECT_EQ(text[9], " attempt to read past array");
  input("\n");
  uspolygon(x, y, -3);
  EXPECT_TRUE(drawing(close_plot()).empty());
}

TEST_F(Drawing, TextsAnchoredInCentimetresAndUserUnits) {
  cmtext2(1, 2, "cm");
  ustext2(100, -100, "user");
  // Far user points are clamped in the buffer, never in the caller's arrays.
  float x[] = {1.0e9f, 0}, y[] = {0, 0};
  input("\n");
  usline(x, y, 2);
  EXPECT_EQ(x[0], 1.0e9f);
  Lines lines = drawing(close_plot());
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], " 28.35  56.70 moveto");
  EXPECT_EQ(lines[3], " 56.70  0.00 moveto");
  EXPECT_EQ(lines[7], " 99000000.  28.35 moveto");
}

}  // namespace
