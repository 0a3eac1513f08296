#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "axis_lib/axes.h"
#include "axis_lib/axisdraw.h"
#include "axis_lib/box.h"
#include "gral_lib/console.h"
#include "plt_lib/attributes.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

constexpr float pt = 28.35f;  // points per cm
constexpr float lo = 5, hi = 15;  // the boxes drawn cover 5 to 15 cm on the paper in x and in y

struct Segment {
  float x1, y1, x2, y2;  // cm
  float length() const { return std::hypot(x2 - x1, y2 - y1); }
};
// A text as written to the file: its start point and turn, and the extent that its
// characters cover, estimated from the font size (digits and letters about 0.56 em wide).
struct Text {
  float x = 0, y = 0;  // cm, after the justification's vertical shift
  float angle = 0, size = 0;
  int align = 0;  // 0 left end, 1 centre, 2 right end at the point
  std::string text;
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;  // cm
  void cover() {
    float w = 0.56f * size * static_cast<float>(text.size());
    float u0 = -0.5f * w * static_cast<float>(align), a = angle * 3.14159265f / 180;
    xmin = ymin = 1e9f;
    xmax = ymax = -1e9f;
    for (float u : {u0, u0 + w})
      for (float v : {-0.2f * size, 0.75f * size}) {
        float px = x + u * std::cos(a) - v * std::sin(a), py = y + u * std::sin(a) + v * std::cos(a);
        xmin = std::min(xmin, px), xmax = std::max(xmax, px), ymin = std::min(ymin, py), ymax = std::max(ymax, py);
      }
  }
};
struct Drawn {
  std::vector<Segment> segments;
  std::vector<Text> texts;
  const Text* find(const std::string& t) const {
    auto i = std::find_if(texts.begin(), texts.end(), [&](const Text& x) { return x.text == t; });
    return i == texts.end() ? nullptr : &*i;
  }
};

// The 2-point lines and the texts of the page.
Drawn parse(const Lines& lines) {
  Drawn d;
  float x = 0, y = 0;
  Text t;
  for (const std::string& l : lines) {
    float a, b;
    if (l.ends_with(" moveto") && std::sscanf(l.c_str(), "%f %f", &a, &b) == 2) {
      t = Text();
      t.x = x = a / pt, t.y = y = b / pt;
    } else if (l.ends_with(" lineto") && std::sscanf(l.c_str(), "%f %f", &a, &b) == 2) {
      d.segments.push_back({x, y, a / pt, b / pt});
    } else if (l.ends_with(" rotate") && t.text.empty()) {
      t.angle = std::stof(l);
    } else if (l.ends_with("findfont exch scalefont setfont")) {
      t.size = std::stof(l) / pt;
    } else if (l.starts_with("(")) {
      t.text = l.substr(1, l.rfind(')') - 1);
      d.texts.push_back(t);
    } else if (l.starts_with("dup stringwidth pop")) {
      d.texts.back().align = l.find("-2 div") != std::string::npos ? 1 : 2;
    }
  }
  for (Text& x : d.texts) x.cover();
  return d;
}

class AxisTest : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    axisblk7a = AxisBlk7a{};
    axisblk7b = AxisBlk7b{};
    iocom.lpause = false;
  }
  // Opens a plot whose sub-plot 1 maps user (x, y) to (x0 + xx x, y0 + yy y) cm; by default
  // user 0 to 10 falls on 5 to 15 cm, whatever the signs of the scales.
  void open_map(float xx, float yy, const std::string& name, float x0 = 0, float y0 = 0) {
    open_plot("\n", name);
    int s = 1;
    ssubplot(s, 1);
    if (x0 == 0) x0 = xx > 0 ? lo : hi;
    if (y0 == 0) y0 = yy > 0 ? lo : hi;
    float z = 0.0f;
    sus2cm1(x0, y0, xx, z, z, yy, 1);
  }
  Drawn close_drawing() { return parse(drawing(close_plot())); }
};

// ---- axis arithmetic: a horizontal axis from (2, 10) to (12, 10) cm, tics down ----

struct AxisCase {
  float wau1, wau2, waud;
  int nasubint, nlabintk, nawdig, majors, subtics;
  Lines annotations;
  std::string message;  // a console line part that must be written ("" for none)
};

TEST_F(AxisTest, TicCountsAnnotationsAndFixes) {
  const AxisCase cases[] = {
      {0, 10, 5, 5, 1, 0, 3, 8, {"0", "5", "10"}, ""},
      {0, 10, 3, 5, 1, 0, 4, 13, {"0", "3", "6", "9"}, ""},
      {0, 0.9f, 0.3f, 5, 1, 1, 4, 12, {"0.0", "0.3", "0.6", "0.9"}, ""},
      {0, 0.4f, 0.3f, 3, 1, 1, 2, 3, {"0.0", "0.3"}, ""},  // the last subtic at 0.4
      {0, 10, -5, 5, 1, 0, 3, 8, {"0", "5", "10"}, "=> RESET increment =     5.000"},
      {2, 8, 0, 5, 1, 0, 2, 4, {"2", "8"}, "=> RESET increment =     6.000"},
      {10, 0, 5, 5, 1, 0, 3, 8, {"10", "5", "0"}, "=> RESET increment =    -5.000"},
      {3, 3, 5, 5, 1, 0, 0, 0, {}, "=> SKIPPING TICS"},
      {3, 3, 0, 5, 1, 0, 0, 0, {}, "ntics =      0 < 1 ==> NO TICKMARKS"},
      {0, 4, 1, 2, 2, 0, 5, 4, {"0", "2", "4"}, ""},
      {0, 4, 1, 1, 0, 0, 5, 0, {"0", "1", "2", "3", "4"}, ""},  // interval 0 acts as 1
      {-2.7f, 2.3f, 1, 0, 1, 0, 6, 0, {"-2", "-1", "0", "0", "1", "2"}, ""},
      {0, 3e9f, 1e9f, 1, 1, 0, 4, 0, {"0", "1000000000", "2000000000", "2147483647"}, ""},
      {0, 10, 1e-4f, 5, 1, 0, 0, 0, {}, "Too many annotation tics:"},
      {0, 1e-30f, 1e10f, 5, 1, 0, 1, 0, {"0"}, ""},  // one tic, the step to a next one overflows
      {0, 10, 5, 50001, 1, 0, 3, 0, {"0", "5", "10"}, "nsubtics =         100000 > 10000 ==> NO SUBTICKMARKS"},
      {0, 9999, 1, INT_MAX, INT_MAX, 0, 10000, 0, {"0"}, "nsubtics = 21472688976354 > 10000"},  // 9999 x (2^31 - 2)
      {0, 10, 5, INT_MIN, 1, 0, 3, 0, {"0", "5", "10"}, ""},  // no subtics, nothing overflows
      {-3e38f, 3e38f, 0, 5, 1, 0, 0, 0, {}, "Bounds too far apart:"},  // no increment can be shown
  };
  int k = 0;
  for (const AxisCase& c : cases) {
    SCOPED_TRACE("case " + std::to_string(k));
    open_map(1, 1, "axis" + std::to_string(k++) + ".ps");
    plt2blk.TEXTSIZE = 0.37f;  // not what the axis draws with: it must come back
    plt2blk.TEXTANGLE = 15.0f;
    const Plt2Blk before = plt2blk;
    float walas = 0.5f;
    cmaxis11(2, 10, 12, 10, -90, c.nasubint, c.nlabintk, c.wau1, c.wau2, c.waud, c.nawdig, walas, 2, " Title ");
    std::string console = take_output();
    EXPECT_EQ(std::tuple(plt2blk.TEXTSIZE, plt2blk.TEXTANGLE, plt2blk.JUSTIF),
              std::tuple(before.TEXTSIZE, before.TEXTANGLE, before.JUSTIF));
    Drawn d = close_drawing();
    int majors = 0, subtics = 0;
    for (const Segment& s : d.segments) {
      if (std::fabs(s.length() - 0.2f) < 0.02f) ++majors;
      if (std::fabs(s.length() - 0.1f) < 0.02f) ++subtics;
      EXPECT_TRUE(s.length() > 0.5f || s.y2 < s.y1);  // tics down, away from the texts' upper side
    }
    EXPECT_EQ(majors, c.majors);
    EXPECT_EQ(subtics, c.subtics);
    Lines texts, expected = c.annotations;
    for (const Text& t : d.texts) texts.push_back(t.text);
    expected.push_back("Title");  // last, always drawn
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(c.message.empty() ? console.empty() : console.find(c.message) != std::string::npos) << console;
    EXPECT_TRUE(console.find("Infinity") == std::string::npos && console.find("NaN") == std::string::npos);
  }
}

// ---- rendered boxes: tics and texts out of the box, on the side the flags name ----

struct BoxCase {
  const char* name;
  float xx, yy, xu1, xu2, yu1, yu2;  // the sub-plot's scales (negative: mirrored), the box's bounds
  int top, bottom, left, right;      // one annotated side
  char paper_side;                   // where its texts must stand on the paper: T, B, L, R
};

// Every tic starts on the outline of the box and ends outside it.
void expect_tics_out(const Drawn& d) {
  for (const Segment& s : d.segments) {
    if (s.length() > 0.5f) continue;  // a side of the box
    auto at = [](float v) { return std::fabs(v - lo) < 0.02f || std::fabs(v - hi) < 0.02f; };
    auto beyond = [](float v) { return v < lo - 0.05f || v > hi + 0.05f; };
    bool on = at(s.x1) || at(s.y1), out = beyond(s.x2) || beyond(s.y2);
    EXPECT_TRUE(on && out) << s.x1 << "," << s.y1 << " -> " << s.x2 << "," << s.y2;
  }
}

// Every text stands wholly beyond the major tics (0.2 cm) of the given side (T, B, L or R)
// of the box, and no two texts overlap.
void expect_texts_beyond(const std::vector<Text>& texts, char side) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const Text& t = texts[i];
    bool beyond = side == 'T'   ? t.ymin > hi + 0.2f
                  : side == 'B' ? t.ymax < lo - 0.2f
                  : side == 'L' ? t.xmax < lo - 0.2f
                                : t.xmin > hi + 0.2f;
    EXPECT_TRUE(beyond) << t.text << " covers " << t.xmin << ".." << t.xmax << " x " << t.ymin << ".." << t.ymax;
    for (std::size_t j = 0; j < i; ++j) {
      const Text& u = texts[j];
      bool apart = t.xmax < u.xmin || u.xmax < t.xmin || t.ymax < u.ymin || u.ymax < t.ymin;
      EXPECT_TRUE(apart) << t.text << " overlaps " << u.text;
    }
  }
}

TEST_F(AxisTest, BoxSidesPointOutInEveryOrientation) {
  const BoxCase cases[] = {
      {"increasing", 1, 1, 0, 10, 0, 10, 1, 0, 0, 0, 'T'},
      {"x decreasing", 1, 1, 10, 0, 0, 10, 0, 0, 1, 0, 'L'},
      {"y decreasing", 1, 1, 0, 10, 10, 0, 0, 1, 0, 0, 'B'},
      {"both decreasing", 1, 1, 10, 0, 10, 0, 0, 0, 0, 1, 'R'},
      {"y mirrored", 1, -1, 0, 10, 0, 10, 1, 0, 0, 0, 'B'},
      {"x mirrored", -1, 1, 0, 10, 0, 10, 0, 0, 1, 0, 'R'},
      {"x mirrored, y decreasing", -1, 1, 0, 10, 10, 0, 0, 1, 0, 0, 'B'},
  };
  int k = 0;
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    open_map(c.xx, c.yy, "box" + std::to_string(k++) + ".ps");
    float size = 0.5f;
    usbax6(c.xu1, c.xu2, c.yu1, c.yu2, 100, 200, 50, "X title", 0, size, 5, 1, 1000, 2000, 500, "Y title", 0, size,
           5, 1, 0, c.top, c.bottom, c.left, c.right);
    Drawn d = close_drawing();
    ASSERT_EQ(d.texts.size(), 4u);  // three annotations and the title of the one annotated side
    // The first annotation value stands at the end of the first bound.
    float u[2] = {c.xu1, c.yu1}, first[2];
    us2cm(&first[0], &first[1], &u[0], &u[1], 1);
    const Text* a1 = d.find(c.top || c.bottom ? "100" : "1000");
    ASSERT_NE(a1, nullptr);
    EXPECT_LT(std::fabs(c.top || c.bottom ? a1->x - first[0] : a1->y - first[1]), 1);
    expect_tics_out(d);
    expect_texts_beyond(d.texts, c.paper_side);
  }
}

TEST_F(AxisTest, StoredBoxDrawnOnAMirroredMapWithZeroLine) {
  snaxis(5);
  float usa1 = -5, usa2 = 5, wau1 = -5, wau2 = 5, waud = 5, walas = 0.5f;
  std::string title = "Width";
  int nawdig = 1, nasubint = 5, nlabintk = 1;
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, title, nawdig, nasubint, nlabintk, 3, 1);
  int x = 3, y = 2, left = 1, right = 0, bottom = 0, top = 7, clip = 0, zero = 1;
  std::string label = "Core";
  s1bx2d(x, y, left, right, bottom, top, clip, zero, label, 1, 1);
  open_map(1, -1, "stored.ps", 10, 15);  // user y grows downwards, as on the section pages
  d1bx2d(1);
  Drawn d = close_drawing();
  int horizontal = 0, vertical = 0;
  for (const Segment& s : d.segments) {
    horizontal += s.length() > 5 && s.y1 == s.y2;
    vertical += s.length() > 5 && s.x1 == s.x2;
  }
  EXPECT_EQ(horizontal, 2);  // y = 0 is a bound, not inside: no zero line
  EXPECT_EQ(vertical, 3);    // the two sides and x = 0
  expect_tics_out(d);
  // Border type 7 annotates the top side: the larger user y, at the bottom of the page.
  std::vector<Text> left_texts, top_texts;
  for (const Text& t : d.texts) (t.x < 5 ? left_texts : top_texts).push_back(t);
  EXPECT_EQ(left_texts.size(), 4u);
  EXPECT_EQ(top_texts.size(), 4u);
  expect_texts_beyond(left_texts, 'L');
  expect_texts_beyond(top_texts, 'B');
  EXPECT_NE(d.find("-5.0"), nullptr);
}

// ---- set-up routines ----

TEST_F(AxisTest, IncrementChecksLinkTypesAndOutOfRangeNumbers) {
  float u1 = 7, u2 = 9, w1, w2, wd, size = 0.5f;
  std::string title(50, 'a');
  int dig = 0, sub = 5, lab = 1;
  // The increment check ends with a usable increment, one warning per failed check.
  struct { float wau1, wau2, waud, stored; int warnings; } const checks[] = {
      {0, 10, -5, 5, 1}, {10, 0, 0, -5, 1}, {3, 3, 0, 1, 1}, {3, 3, 2, 2, 0}, {3, 3, -2, -2, 0},
      {-3e38f, 3e38f, 0, 3e38f, 1}};  // half a span beyond single precision, still finite
  for (const auto& c : checks) {
    w1 = c.wau1, w2 = c.wau2, wd = c.waud;
    s1axis1(u1, u2, w1, w2, wd, size, title, dig, sub, lab, 5, 1);
    std::string out = take_output();
    std::size_t n = 0;
    for (std::size_t p = 0; (p = out.find("Inconsistent annotation increment:", p)) != std::string::npos; ++p) ++n;
    EXPECT_EQ(n, static_cast<std::size_t>(c.warnings)) << out;
    EXPECT_EQ(axisblk7a.WAUD[4], c.stored);
  }
  int type = 2;
  float scale = 7;
  s1axuswdtyp(type, scale, 2, 1);
  ASSERT_EQ(std::pair(axisblk7a.IUSWDTYP[1], axisblk7a.WAOUS[1]), std::pair(2, 7.f));
  take_output();
  snaxis(5);
  std::string init = take_output();
  EXPECT_EQ(init.find("INITIALIZING AXIS NB"), std::string::npos);
  EXPECT_NE(init.find("INITIALIZING AXES"), std::string::npos);
  EXPECT_EQ(std::pair(axisblk7a.IUSWDTYP[1], axisblk7a.WAOUS[1]), std::pair(0, 1.f));
  type = 1;
  scale = 1;
  s1axuswdtyp(type, scale, 2, 1);
  w1 = 2, w2 = 8, wd = 2;
  s1axis1(u1, u2, w1, w2, wd, size, title, dig, sub, lab, 2, 1);
  EXPECT_EQ(std::tuple(axisblk7a.USA1[1], axisblk7a.USA2[1], u1), std::tuple(2.f, 8.f, 7.f));
  EXPECT_EQ(axisblk7b.WALAB[1], std::string(30, 'a'));
  type = 2, scale = 100, w1 = 0, w2 = 10;
  s1axuswdtyp(type, scale, 2, 1);
  s1axis1(u1, u2, w1, w2, wd, size, title, dig, sub, lab, 2, 1);
  EXPECT_FLOAT_EQ(axisblk7a.USA2[1], 0.1f);
  s1axis(u1, u2, w1, w2, wd, size, title, dig, sub, 2, 1);
  EXPECT_EQ(axisblk7a.USA2[1], 9);
  type = 2, scale = 1e-38f, w2 = 1e10f;  // the user values would overflow: the scale is reset
  s1axuswdtyp(type, scale, 2, 1);
  s1axis1(u1, u2, w1, w2, wd, size, title, dig, sub, lab, 2, 1);
  EXPECT_EQ(std::pair(axisblk7a.WAOUS[1], axisblk7a.USA2[1]), std::pair(1.f, 1e10f));
  type = 5, scale = 0;  // neither is usable: both reset, with warnings
  s1axuswdtyp(type, scale, 2, 1);
  EXPECT_EQ(std::pair(axisblk7a.IUSWDTYP[1], axisblk7a.WAOUS[1]), std::pair(0, 1.f));
  std::string out = take_output();
  EXPECT_NE(out.find(" ==> RESET TYPE =    0"), std::string::npos);
  EXPECT_NE(out.find(" ==> RESET SCALING =   1.00000    "), std::string::npos);

  u1 = 42;
  s1axis1(u1, u2, w1, w2, wd, size, title, dig, sub, lab, 16, 3);
  EXPECT_EQ(u1, 42);
  g1axbd(u1, u2, 0);
  EXPECT_EQ(std::pair(u1, u2), std::pair(0.f, 10.f));
  out = take_output();
  EXPECT_NE(out.find(" trying to set axis nb =   16\n max axis nb =   15\n ===> NO ACTION\n"), std::string::npos);
  EXPECT_NE(out.find(" trying to get bounds of axis nb =    0\n max axis nb =   15\n ===> RETURNING [0, 10]\n"),
            std::string::npos);
}

TEST_F(AxisTest, AxisMenus) {
  snaxis(5);
  take_output();
  input("3\n22\n2.5\n26\nDepth\n99\n99\n");
  snaxis(2);
  std::string out = take_output();
  EXPECT_NE(out.find("\n Generic 0-10 axis    ............ 3\n"), std::string::npos);
  EXPECT_NE(out.find("\n increment .......................22     5.000\n"), std::string::npos);
  EXPECT_NE(out.find("\n axis label ......................26 Depth" + std::string(30, ' ') + "\n"), std::string::npos);
  EXPECT_EQ(axisblk7a.WAUD[2], 2.5f);
  EXPECT_EQ(axisblk7b.WALAB[2], "Depth" + std::string(25, ' '));
  input("3\n22\n1e6\n21\n9999999\n2\n100000\n99\n99\n");  // values beyond the 9 columns of the menu
  snaxis(2);
  out = take_output();
  for (const char* line : {"\n final   value ....................2 100000.000\n", "\n final   value ...................21 9999999.000\n",
                           "\n initial value ...................20     0.000\n"})
    EXPECT_NE(out.rfind(line), std::string::npos) << line;
  iocom.LWITO[1] = false;  // less output: the head and the question only
  input("\n");
  snaxis(2);
  out = take_output();
  EXPECT_EQ(out.find("AXIS SET UP"), std::string::npos);
  EXPECT_EQ(out.find("Generic 0-10 axis"), std::string::npos);
  EXPECT_NE(out.find("your choice"), std::string::npos);
}

// An answer on each side of a bound, from the generic axis 3 (0 to 10 by 5, 5 subtic
// intervals) after the set-up answers: the first is stored, the second refused and the
// first kept.
struct Refusal {
  const char* setup;
  int item;
  const char* taken;
  const char* refused;
  const void* field;  // of axis 3 in the record
  const char* heading;
};

TEST_F(AxisTest, MenuRefusesAnswersNoDrawingCanUse) {
  const AxisBlk7a& r = axisblk7a;
  const Refusal cases[] = {
      {"", 1, "-9999999", "-10000000", &r.USA1[2], "Value out of range:"},
      {"", 2, "9999999", "10000000", &r.USA2[2], "Value out of range:"},
      {"", 1, "3", "10", &r.USA1[2], "Identical user bounds:"},
      {"22\n1e7\n", 20, "-9999999", "-10000000", &r.WAU1[2], "Value out of range:"},
      {"22\n1e7\n", 21, "9999999", "10000000", &r.WAU2[2], "Value out of range:"},
      {"", 21, "20", "0", &r.WAU2[2], "Identical annotation bounds:"},
      {"25\n1\n21\n10000\n", 22, "1.001", "1", &r.WAUD[2], "Too many annotation tics:"},
      {"", 22, "2", "-1e-4", &r.WAUD[2], "Too many annotation tics:"},  // whichever way it leads
      {"", 25, "5001", "5002", &r.NASUBINT[2], "Too many subtics:"},  // 10000 and 10002 subtics
      {"22\n10\n", 25, "10000", "10001", &r.NASUBINT[2], "Value out of range:"},
      {"", 25, "0", "-1", &r.NASUBINT[2], "Value out of range:"},
      {"", 23, "0.025", "0.0249999", &r.WALAS[2], "Value out of range:"},
      {"", 23, "1000", "1000.001", &r.WALAS[2], "Value out of range:"},
      {"", 24, "0", "-1", &r.NAWDIG[2], "Value out of range:"},
      {"", 24, "17", "18", &r.NAWDIG[2], "Value out of range:"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(std::string(c.setup) + std::to_string(c.item) + " " + c.refused);
    snaxis(5);
    input("3\n" + std::string(c.setup) + std::to_string(c.item) + "\n" + c.taken + "\n" + std::to_string(c.item) +
          "\n" + c.refused + "\n99\n99\n");
    take_output();
    snaxis(2);
    std::string out = take_output();
    const bool integer = c.field == &r.NASUBINT[2] || c.field == &r.NAWDIG[2];
    EXPECT_EQ(integer ? *static_cast<const std::int32_t*>(c.field) : *static_cast<const float*>(c.field),
              std::stof(c.taken));
    EXPECT_EQ(count_of(out, "WARNING   "), 1) << out;
    EXPECT_NE(out.find(std::string(" ") + c.heading + "\n"), std::string::npos) << out;
  }
}

TEST_F(AxisTest, BoxSetUpAndMenu) {
  int x = 16, y = 0, left = 1, right = 1, bottom = 1, top = 1, clip = 0, zero = 0;
  std::string label = "Box" + std::string(22, ' ');
  s1bx2d(x, y, left, right, bottom, top, clip, zero, label, 0, 1);
  EXPECT_EQ(axisblk7a.IBXAXIS, 0);
  s1bx2d(x, y, left, right, bottom, top, clip, zero, label, 1, 1);
  EXPECT_EQ(std::pair(axisblk7a.IBXAXIS, axisblk7a.IBYAXIS), std::pair(1, 2));
  std::string out = take_output();
  EXPECT_NE(out.find(" trying to set box nb =    0\n max box nb =    1\n ===> NO ACTION\n"), std::string::npos);
  EXPECT_NE(out.find(" trying to set axis nb =    0\n max axis nb =   15\n ===> RESET axis nb =    2\n"),
            std::string::npos);
  axisblk7a.IBXAXIS = 0;  // names no axis: a blank label
  input("10\n3\n30\n0\n4\n60\nCore box\n99\n");
  s1bx2d(x, y, left, right, bottom, top, clip, zero, label, 1, 2);
  out = take_output();
  EXPECT_NE(out.find("\n X axis label: " + std::string(30, ' ') + "\n"), std::string::npos);
  EXPECT_NE(out.find("\n line+tics+ticmarks+axelabel.......1\n"), std::string::npos);
  EXPECT_EQ(std::pair(axisblk7a.IBXAXIS, axisblk7a.IBBORDER[0]), std::pair(3, 4));
  EXPECT_EQ(axisblk7b.WBLAB, "Core box" + std::string(17, ' '));
  // Drawing a box whose axis numbers name no axis uses axes 1 and 2 after a report.
  snaxis(5);
  axisblk7a.IBXAXIS = 0;
  axisblk7a.WALAS[0] = 0.01f;  // a size the text-size setter refuses
  open_map(1, 1, "unstored.ps");
  d1bx2d(2);
  EXPECT_NE(take_output().find(" trying to draw box nb =    2"), std::string::npos);
  d1bx2d(1);
  EXPECT_NE(take_output().find(" ===> USING axis nb =    1"), std::string::npos);
  EXPECT_FLOAT_EQ(axisblk7a.WALAS[0], 0.02f);  // corrected in the record
  EXPECT_EQ(close_drawing().texts.size(), 16u);
}

}  // namespace
