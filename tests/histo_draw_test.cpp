#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "curve_lib/curve.h"
#include "gral_lib/console.h"
#include "histo_lib/drawing.h"
#include "histo_lib/rose.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"
#include "int_ps_lib/psfile.h"
#include "math_lib/angles.h"
#include "plt_lib/attributes.h"
#include "plt_lib/draw.h"
#include "plt_lib/linefill.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"
#include "plt_lib/textattributes.h"
#include "support/ghostscript.h"
#include "support/plot_fixture.h"

namespace {

struct Pt {
  float x, y;
};
using Path = std::vector<Pt>;

class HistoDraw : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    iocom.lpause = false;
    blkhst8 = Blkhst8{};
    int sw = 3, n = 1, filled = 1;
    shstall(sw, 5);
    shstnb(n, 1);
    open_plot();
    sfillstyle(filled, 1);
    place(1, 0, 0, 1);
    take_output();
  }
  // Histogram 1 over [xmin, xmax] in nbin bins holding the values, completed: its y range
  // runs from 0 to its largest count.
  void fill(float xmin, float xmax, int nbin, const std::vector<float>& values, int nxtic = 1) {
    int nb = 1, nxlab = 1;
    std::string label(35, ' ');
    shstxbin2(xmin, xmax, nbin, nxtic, nxlab, label, nb, 1);
    hstclear(1);
    for (float v : values) hstadd(&v, 1, 1);
    hstcompend(1);
  }
  void range(float ymin, float ymax, int nb = 1) { shstyext(ymin, ymax, nb, 1); }
  // Draws histogram 1 as plot type and style, its frame first when asked.
  void draw(int type, int style, bool frame = true) {
    shstplotype(type, 1, 1);
    shstplotstyle(style, 1, 1);
    int nb = 1;
    if (frame) hstfrmplt(nb);
    hstvalplt(nb);
  }
  // Sub-plot s becomes current; user (u, v) lies at (x0 + scale u, y0 + scale v) cm.
  void place(int s, float x0, float y0, float scale) {
    ssubplot(s, 1);
    x0_ = x0, y0_ = y0, scale_ = scale;
    float xx = scale, xy = 0, yx = 0, yy = scale;
    sus2cm1(x0, y0, xx, xy, yx, yy, 1);
  }
  // Closes the plot; the paths drawn, in the user units of the last sub-plot placed. A
  // stack of cells gives the path of each cell.
  std::vector<Path> paths() {
    std::vector<Path> result;
    auto user = [this](float x, float y) { return Pt{(x / 28.35f - x0_) / scale_, (y / 28.35f - y0_) / scale_}; };
    bool open = false;  // texts move the current point outside paths
    const std::vector<std::string> lines = drawing(close_plot());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& l = lines[i];
      if (l == "newpath") result.emplace_back();
      open = l == "newpath" || (open && !l.starts_with("stroke") && !l.starts_with("closepath"));
      if (open && (l.ends_with(" moveto") || l.ends_with(" lineto"))) {
        std::size_t end;
        const float x = std::stof(l, &end), y = std::stof(l.substr(end));
        result.back().push_back(user(x, y));
      }
      if (l.ends_with("} cellstack") && i >= 4) {  // the 4 lines before: x y dx dy of each corner
        float c[4][4];
        for (int p = 0; p < 4; ++p) {
          std::istringstream in(lines[i - 4 + static_cast<std::size_t>(p)]);
          for (float& v : c[p]) in >> v;
        }
        std::istringstream in(l);
        float sx = 0, sy = 0;
        int first = 0, n = 0;
        in >> sx >> sy >> first >> n;
        for (int k = first; k < first + n; ++k) {
          Path& cell = result.emplace_back();
          for (int p : {0, 1, 2, 3, 0}) {
            const float m = static_cast<float>(k + (p == 1 || p == 2));
            cell.push_back(user(c[p][0] + m * c[p][2] * sx, c[p][1] + m * c[p][3] * sy));
          }
        }
      }
    }
    return result;
  }
  float x0_ = 0, y0_ = 0, scale_ = 1;
};

// Point sequences of two bins [0, 10) and [10, 20) counting 2 and 5.
struct StyleCase {
  int type, style;
  std::vector<Path> paths;
};

TEST_F(HistoDraw, StylesDrawTheirPointSequencesAndKeepTheFillColour) {
  const float s10 = std::sin(0.17453292f), c10 = std::cos(0.17453292f);
  const float s20 = std::sin(0.34906585f), c20 = std::cos(0.34906585f);
  std::vector<Path> cells;
  for (float left : {0.0f, 10.0f})
    for (float k = 1; k <= (left == 0 ? 2 : 5); ++k)
      cells.push_back({{left, k - 1}, {left, k}, {left + 10, k}, {left + 10, k - 1}, {left, k - 1}});
  const StyleCase cases[] = {
      {1, 0, {{{0, 0}, {0, 2}, {10, 2}, {10, 5}, {20, 5}, {20, 0}}}},
      {1, 10, {{{0, 0}, {0, 2}, {10, 2}, {10, 5}, {20, 5}, {20, 0}, {0, 0}}}},
      {1, 1, {{{0, 0}, {0, 2}, {10, 2}, {10, 0}, {10, 5}, {20, 5}, {20, 0}}}},
      {1, 11, {{{0, 0}, {0, 2}, {10, 2}, {10, 0}, {0, 0}}, {{10, 0}, {10, 5}, {20, 5}, {20, 0}, {10, 0}}}},
      {1, 12, cells},
      // The compass rose: angle 0 up, 10 degrees to its right; chords, not arcs.
      {5, 11,
       {{{0, 0}, {0, 2}, {2 * s10, 2 * c10}, {0, 0}, {0, 0}},
        {{0, 0}, {5 * s10, 5 * c10}, {5 * s20, 5 * c20}, {0, 0}, {0, 0}}}},
      {5, 12, {{{0, 0}, {0, 1}, {s10, c10}, {0, 0}, {0, 0}}}},  // then 6 more cells
  };
  fill(0, 20, 2, {5, 5, 15, 15, 15, 15, 15});
  int plot_colour = 6, histogram_colour = 4;
  sfillcolor(plot_colour, 1);
  shstfillcolor(histogram_colour, 1, 1);
  for (const StyleCase& c : cases) {
    draw(c.type, c.style, false);
    EXPECT_EQ(plt2blk.IFILLCOLOR, 6);
  }
  // 180 bins: a style-1 outline of 541 points, drawn in two pieces; empty data cells draw nothing.
  fill(0, 180, 180, {});
  draw(1, 1, false);
  EXPECT_EQ(ptblock.NP, 541);
  draw(1, 12, false);
  std::vector<Path> drawn = paths();
  std::size_t p = 0;
  for (const StyleCase& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type) + " style " + std::to_string(c.style));
    for (const Path& want : c.paths) {
      ASSERT_LT(p, drawn.size());
      const Path& got = drawn[p++];
      ASSERT_EQ(got.size(), want.size());
      for (std::size_t k = 0; k < want.size(); ++k) {
        EXPECT_NEAR(got[k].x, want[k].x, 0.002f) << "point " << k + 1;
        EXPECT_NEAR(got[k].y, want[k].y, 0.002f) << "point " << k + 1;
      }
    }
  }
  ASSERT_EQ(drawn.size(), p + 6 + 2);
  EXPECT_EQ(drawn[p + 6].size(), 501u);
  EXPECT_EQ(drawn[p + 7].size(), 41u);
  EXPECT_NEAR(drawn[p + 7].back().x, 180, 0.002f);
  EXPECT_EQ(take_output(), "");
}

TEST_F(HistoDraw, DataCellStacksPaintWhatOnePolygonPerCellPainted) {
  const struct {
    int type, fill_style;
    float x0, y0, scale;
  } cases[] = {{1, 1, 2, 2, 0.5f}, {1, 0, 2.3f, 6.1f, 0.47f}, {5, 1, 10.5f, 14, 1.2f}, {8, 1, 14.3f, 12.2f, 0.9f}};
  fill(0, 20, 2, {5, 5, 15, 15, 15, 15, 15});
  int colour = 4;
  shstfillcolor(colour, 1, 1);
  for (std::size_t c = 0; c < std::size(cases); ++c) {
    place(static_cast<int>(c) + 1, cases[c].x0, cases[c].y0, cases[c].scale);
    int style = cases[c].fill_style;
    sfillstyle(style, 1);
    draw(cases[c].type, 12, false);
  }
  // Page 2: each cell as a polygon of its own, its points placed as the rose conversion places them.
  intnewpage();
  sfillcolor(colour, 1);
  for (std::size_t c = 0; c < std::size(cases); ++c) {
    place(static_cast<int>(c) + 1, cases[c].x0, cases[c].y0, cases[c].scale);
    int style = cases[c].fill_style;
    sfillstyle(style, 1);
    const RoseFlags f = rose_flags(cases[c].type);
    for (float left : {0.0f, 10.0f})
      for (float k = 1; k <= (left == 0 ? 2 : 5); ++k) {
        float a[5] = {left, left, left + 10, left + 10, left}, r[5] = {k - 1, k, k, k - 1, k - 1};
        for (int p = 0; p < 5 && f.rose; ++p) {
          const float t = rad(a[p]);
          a[p] = r[p] * std::cos(t) * (f.mirror ? -1 : 1);
          r[p] = r[p] * std::sin(t) * (f.negate ? -1 : 1);
        }
        f.swap ? uspolygon(r, a, 5) : uspolygon(a, r, 5);
      }
  }
  close_plot();
  const GsImage stacks = gs_image(plot_name_, 1), cells = gs_image(plot_name_, 2);
  ASSERT_EQ(stacks.pixels.size(), cells.pixels.size());
  int filled = 0, different = 0;
  for (std::size_t k = 0; k < cells.pixels.size(); ++k) {
    filled += cells.pixels[k] == Rgb{0, 0, 255};
    different += stacks.pixels[k] != cells.pixels[k];
  }
  EXPECT_GT(filled, 2000);
  EXPECT_EQ(different, 0);
}

TEST_F(HistoDraw, YTicChoiceIsStoredWhateverThePlotType) {
  const struct {
    float span;
    int step, per_label;
  } cases[] = {{5, 1, 1},    {6, 1, 2},    {10, 1, 2},          {9.99995f, 1, 2}, {5.99995f, 1, 2}, {10.9f, 1, 2},       {11, 5, 1},
               {100, 10, 2}, {101, 50, 1}, {600000, 100000, 2}, {0, 1, 1},        {std::nanf(""), 1, 1}};
  blkhst8.IPLTYPEHST0[0] = 10;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.span);
    range(0, c.span);
    int nb = 1;
    hstfrmplt(nb);
    EXPECT_EQ(blkhst8.NYTICHST0[0], c.step);
    EXPECT_EQ(blkhst8.NYLABHST0[0], c.per_label);
    EXPECT_EQ(count_of(take_output(), " plot type =  10\n is outside [   1 ,   9 ]\n ==> NO ACTION\n"), 1);
  }
  EXPECT_TRUE(paths().empty());
}

TEST_F(HistoDraw, RoseRingsAndTicks) {
  const struct {
    float span, outer;
    std::vector<float> radii;
    bool full;
  } cases[] = {{360, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true},
               {359.9f, 20, {5, 10, 15, 20}, true},
               {359.8f, 23, {5, 10, 15, 20, 23}, false}};
  float angle = 30;
  int justification = 3, type = 2;
  stextangle(angle, 1);
  stextalign(justification, 1);
  shstplotype(type, 1, 1);
  for (const auto& c : cases) {
    fill(0, c.span, 10, {}, 4);
    range(0, c.outer);
    int nb = 1;
    hstfrmplt(nb);
  }
  EXPECT_EQ(plt2blk.TEXTANGLE, 30.0f);  // the text state is set back
  EXPECT_EQ(plt2blk.JUSTIF, 3);
  std::vector<Path> drawn = paths();
  std::size_t p = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outer);
    for (float r : c.radii) {
      ASSERT_LT(p, drawn.size());
      const Path& ring = drawn[p++];
      ASSERT_EQ(ring.size(), 90u);
      EXPECT_NEAR(ring[0].x, r, 0.01f);
      // A sector runs back to the centre at point 89; a circle never does.
      EXPECT_EQ(std::hypot(ring[88].x, ring[88].y) < 0.01f, !c.full);
    }
    // 10 bins, 4 per tic: long ticks at edges 1, 5, 9, 11, short ones at 2-4, 6-8, 10, 11;
    // plot type 2 turns edge e to the angle of its value from +x, counter-clockwise.
    std::vector<float> want, got;
    for (int e : {1, 5, 9, 11, 2, 3, 4, 6, 7, 8, 10, 11}) want.push_back(std::fmod(c.span * (e - 1) / 10, 360.0f));
    for (int k = 0; k < 12; ++k, ++p) {
      ASSERT_EQ(p < drawn.size() ? drawn[p].size() : 0, 2u);
      const float a = std::atan2(drawn[p][1].y, drawn[p][1].x) * 180.0f / 3.14159265f;
      got.push_back(std::fmod(a + 360.0f, 360.0f));
    }
    for (auto* angles : {&want, &got}) {
      for (float& x : *angles) x = x > 359.95f ? x - 360.0f : x;  // a hair below 360 is 0
      std::sort(angles->begin(), angles->end());
    }
    for (std::size_t k = 0; k < want.size(); ++k) EXPECT_NEAR(got[k], want[k], 0.05f) << k;
    EXPECT_NEAR(std::hypot(drawn[p - 2][1].x, drawn[p - 2][1].y), 1.05f * c.outer, 0.01f);
    EXPECT_NEAR(std::hypot(drawn[p - 1][1].x, drawn[p - 1][1].y), 1.08f * c.outer, 0.01f);
  }
  EXPECT_EQ(p, drawn.size());
}

TEST_F(HistoDraw, RoseTypesPointTheirWayOnTheRenderedPage) {
  const struct {  // a single value in a rose type, and the direction its filled pixels take
    int type;
    float value;
    int dx, dy;
  } cases[] = {
      {2, 92, 0, 1},  {3, 92, 0, -1}, {4, 92, -1, 0}, {5, 92, 1, 0},  {6, 92, 0, -1}, {7, 92, 0, 1},
      {8, 92, 1, 0},  {9, 92, -1, 0}, {2, 2, 1, 0},   {3, 2, 1, 0},   {4, 2, 0, 1},   {5, 2, 0, 1},
      {6, 2, -1, 0},  {7, 2, -1, 0},  {8, 2, 0, -1},  {9, 2, 0, -1},
  };
  int colour = 4;  // blue: a colour that nothing else is drawn in
  shstfillcolor(colour, 1, 1);
  auto centre = [](int k) { return Pt{2.5f + 4.5f * static_cast<float>(k % 4), 4 + 4.5f * static_cast<float>(k / 4)}; };
  const int dip = 16;
  for (int k = 0; k < dip; ++k) {
    place(k + 1, centre(k).x, centre(k).y, 1.5f);
    fill(0, 360, 72, {cases[k].value});
    draw(cases[k].type, 11);
  }
  place(dip + 1, centre(dip).x, centre(dip).y, 0.5f);
  fill(0, 90, 18, {2, 30, 30, 60, 88, 88, 88}, 2);
  draw(3, 11);
  close_plot();
  const GsImage page = gs_image(plot_name_, 1);
  ASSERT_GT(page.width, 0);
  for (int k = 0; k <= dip; ++k) {
    const float cx = 28.35f * centre(k).x, cy = 28.35f * centre(k).y;
    double sx = 0, sy = 0;
    int filled = 0, outside_quadrant = 0;
    for (int y = static_cast<int>(cy) - 60; y <= static_cast<int>(cy) + 60; ++y)
      for (int x = static_cast<int>(cx) - 60; x <= static_cast<int>(cx) + 60; ++x) {
        if (page.at(x, y) != Rgb{0, 0, 255}) continue;
        ++filled;
        sx += x + 0.5 - cx;
        sy += y + 0.5 - cy;
        if (x + 0.5 < cx - 1.5 || y + 0.5 > cy + 1.5) ++outside_quadrant;
      }
    ASSERT_GT(filled, 20) << "rose " << k;
    if (k == dip) {
      EXPECT_EQ(outside_quadrant, 0);  // the dip rose lies where x >= 0 and y <= 0
      break;
    }
    SCOPED_TRACE("type " + std::to_string(cases[k].type) + " value " + std::to_string(cases[k].value));
    const double mx = sx / filled, my = sy / filled;
    const double along = mx * cases[k].dx + my * cases[k].dy, across = std::abs(mx * cases[k].dy - my * cases[k].dx);
    EXPECT_GT(along, 15.0);
    EXPECT_LT(across, 0.2 * along);
  }
}

TEST_F(HistoDraw, RoseCornerLabelsShowACountWhole) {
  // A corner label shows its first 10 characters, but a number that the cut would split
  // (a count: "N = " and its number) whole.
  fill(0, 360, 72, {10});
  for (std::string label : {"N = 1234567", "N =  999999", "Dip rose of run 7", "Run 1234567 dips"}) {
    int on = 1, slot = 6;
    shstlabel(label, on, slot, 1, 1);
    draw(2, 11);
  }
  const std::vector<std::string> drawn = close_plot();
  for (const char* text : {"(N = 1234567)", "(N =  999999)", "(Dip rose o)", "(Run 1234567)"})
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [&](const std::string& l) { return l.starts_with(text); }), 1);
}

TEST_F(HistoDraw, NoHistogramOrAnEmptyOneDrawsSafely) {
  blkhst8.NBHST = 0;
  int nb = 1;
  hstfrmplt(nb);
  hstvalplt(nb);
  EXPECT_EQ(nb, 0);
  EXPECT_EQ(count_of(take_output(), " ==> RESET histogram nb =   0\n"), 2);
  // An empty histogram: a y range of zero extent, in every type and style.
  blkhst8.NBHST = 3;
  fill(0, 90, 18, {});
  for (int type = 1; type <= 9; ++type)
    for (int style : {0, 1, 10, 11, 12}) draw(type, style);
  nb = 0;  // replaced by the last histogram in use, which is drawn
  hstvalplt(nb);
  EXPECT_EQ(nb, 3);
  // An outer radius far beyond the y range: the inner rings are bounded.
  range(999999, 1000000);
  draw(2, 11);
  EXPECT_EQ(count_of(take_output(), " maximum nb of inner rings = 100\n"), 1);
  // The widest ring step, 100000, shows whole in that warning.
  place(3, 10, 10, 1e-6f);
  range(0, 2e7f);
  draw(2, 11);
  EXPECT_EQ(count_of(take_output(), " ring step    = 100000\n maximum nb of inner rings = 100\n"), 1);
  // Every bin 40 km below the page: the values are told in one warning.
  place(4, 0, -4e6f, 1);
  fill(0, 90, 18, {5, 15, 25, 35, 85});
  for (int style : {11, 12}) draw(1, style, false);
  EXPECT_EQ(count_of(take_output(), "WARNING END"), 2);
  // Data cells of 4.25e7 points: those within the plot file's limits loop, the third of the
  // second bin is clamped at its top corners, the fourth at all five points, and the fifth,
  // clamped to the same polygon, is not drawn again; the stack's clamps are told once.
  place(2, 0, 0, 1.5e6f);
  fill(0, 2e-6f, 2, {0.5e-6f, 0.5e-6f, 1.5e-6f, 1.5e-6f, 1.5e-6f, 1.5e-6f, 1.5e-6f});
  draw(1, 12, false);
  EXPECT_EQ(count_of(take_output(), " ==> coordinates reset in this drawing = 7\n"), 1);
  const std::vector<std::string> lines = close_plot();
  const auto stacks = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.ends_with(" 0 2 { 0.800  0.800  0.800 setrgbcolor fill} cellstack");
  });
  ASSERT_NE(stacks, lines.end());
  EXPECT_EQ(stacks[5], *stacks);
  EXPECT_EQ(std::count(stacks, lines.end(), "closepath gsave"), 2);
  for (const std::string& l : lines) {
    EXPECT_TRUE(l.find("nan") == std::string::npos && l.find("inf") == std::string::npos) << l;
  }
}

}  // namespace
