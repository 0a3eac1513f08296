#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "gral_lib/console.h"
#include "plt_lib/draw.h"
#include "plt_lib/scaling.h"
#include "plt_lib/scaling_menus.h"
#include "plt_lib/subplots.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using Floats = std::vector<float>;

const std::string equals = " " + std::string(42, '=');

// The lines that hold numbers, from the menu head to the question.
Lines value_lines(const Lines& lines) {
  Lines v;
  for (std::size_t i = 3; i < lines.size() && lines[i].find("alter this") == std::string::npos; ++i)
    if (lines[i].find_first_of("0123456789") != std::string::npos) v.push_back(lines[i]);
  return v;
}

// The cm position of user point (x, y) on the current sub-plot.
std::pair<float, float> to_cm(float x, float y) {
  us2cm(&x, &y, &x, &y, 1);
  return {x, y};
}

class Scaling : public PlotTest {};

TEST_F(Scaling, MatrixMenu) {
  float v[6] = {10, 10, 1, 0, 0, 1};
  input("\n");
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  const Lines expected = {
      equals, "           CONVERSION SET UP               ", equals,
      " |  cm  |                   |user units|", " |  on  | <---------------- |   used   |",
      " | plot |                   | in calls |", "  ", "  |xcm|                         |xu|",
      "  |   | <---------------------- |  |", "  |ycm|                         |yu|", "  ",
      "  |xcm|     |xx   xy|   |xu|   |xcm0|", "  |   |  =  |       | * |  | + |    |",
      "  |ycm|     |yx   yy|   |yu|   |ycm0|", equals, "             Current set up:", equals,
      " |xcm|   |  1.000   0.000|   |xu|   | 10.000|", " |   | = |               | * |  | + |       |",
      " |ycm|   |  0.000   1.000|   |yu|   | 10.000|", equals};
  Lines lines = take_lines();
  ASSERT_GT(lines.size(), 3 + expected.size());
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 3 + static_cast<std::ptrdiff_t>(expected.size())), expected);

  input("y\n\n-3\n\n\n2.5\n\n");  // asked in order xcm0, ycm0, xx, xy, yx, yy; empty keeps
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  EXPECT_EQ(Floats(v, v + 6), (Floats{10, -3, 1, 0, 2.5f, 1}));
  take_output();

  iocom.LWITO[1] = false;  // less output: the head and the bare question
  input("\n");
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  EXPECT_EQ(take_lines().at(3), " Do you want to alter this ?");
}

TEST_F(Scaling, LimitsMenuAndItsScaleSwitch) {
  float xcm0 = 2, ycm0 = 2.5f, xlcm = 15, ylcm = 10, xumin = -10, xumax = 10, yumin = 150, yumax = 0;
  int ixy = 5;
  input("\n");
  mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  const Lines expected = {"      1 - USER UNITS IN USER SPACE         ",
                          "    _|_________________|_  yumax =     0.000",
                          "    _|_________________|_  yumin =   150.000",
                          "    -10.000            10.000",
                          "  xumin =   -10.000  yumin =   150.000",
                          "  xumax =    10.000  yumax =     0.000",
                          "      2 - CM UNITS ON PLOT                 ",
                          "     |                 |  | ylcm =    10.000",
                          "    _|_________________|_ | _ ycm0 =     2.500",
                          "     |      15.000",
                          "   xcm0 =     2.000",
                          "  xlcm  =    15.000  ylcm  =    10.000",
                          "  xcm0  =     2.000  ycm0  =     2.500",
                          " WARNING: ixy =         5  neither 0 nor 1",
                          "       will have same effect as ixy = 0"};
  EXPECT_EQ(value_lines(take_lines()), expected);

  // Empty answers keep the eight values; 5 (the default) and 7 are refused, 0 is taken.
  input("y\n" + std::string(10, '\n') + "7\n\n0\n");  // each refusal pauses for Return
  mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  EXPECT_EQ(ixy, 0);
  EXPECT_EQ(Floats({xumin, xumax, yumin, yumax, xcm0, ycm0, xlcm, ylcm}), (Floats{-10, 10, 150, 0, 2, 2.5f, 15, 10}));
}

TEST_F(Scaling, LimitsGiveEqualOrIndependentScales) {
  plt1blk.ISUBPLOT = 4;
  float xcm0 = 2, ycm0 = 2, xlcm = 15, ylcm = 10, xumin = -10, xumax = 10, yumin = 0, yumax = 10;
  int ixy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_EQ(plt1blk.USTOCM[3][3], 0.75f);
  EXPECT_EQ(to_cm(-10, 0), std::make_pair(2.0f, 2.0f));
  EXPECT_EQ(to_cm(10, 10), std::make_pair(17.0f, 9.5f));
  EXPECT_EQ(plt1blk.CMAXLENGTH[3][1], 10.0f);  // the asked length is kept
  ixy = 2;                                        // anything but 1: independent scales
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_EQ(to_cm(10, 10), std::make_pair(17.0f, 12.0f));

  // Reversed y window: each axis keeps its sign, x takes the smaller magnitude.
  float x0 = 3, y0 = 4, xl = 8, yl = 15, x1 = -4, x2 = 4, y1 = 150, y2 = 0;
  ixy = 1;
  sus2cm3(x0, y0, xl, yl, x1, x2, y1, y2, ixy, 1);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM[3][0], 0.1f);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM[3][3], -0.1f);
  auto [cx, cy] = to_cm(-4, 150);
  EXPECT_FLOAT_EQ(cx, 3);
  EXPECT_FLOAT_EQ(cy, 4);

  // Fetch: the nine values as given, silently.
  float f[8] = {};
  ixy = 0;
  sus2cm3(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], ixy, 3);
  EXPECT_EQ(Floats(f, f + 8), (Floats{3, 4, 8, 15, -4, 4, 150, 0}));
  EXPECT_EQ(ixy, 1);
  EXPECT_EQ(take_output(), "");
}

TEST_F(Scaling, WindowOfZeroOrNonFiniteExtentKeepsThePreviousMap) {
  plt1blk.ISUBPLOT = 6;
  float xcm0 = 1, ycm0 = 1, xlcm = 10, ylcm = 10, xumin = 0, xumax = 5, yumin = 0, yumax = 5;
  int ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  const Plt1Blk before = plt1blk;
  xumax = 0;
  input("\n");
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  const Lines expected = {" ZERO OR NON-FINITE USER WINDOW EXTENT", " subplot nb =   6",
                          "  xumin =     0.000  yumin =     0.000", "  xumax =     0.000  yumax =     5.000",
                          " ===> NO ACTION"};
  Lines lines = take_lines();
  auto first = std::find(lines.begin(), lines.end(), expected[0]);
  ASSERT_LE(first + 5, lines.end());
  EXPECT_EQ(Lines(first, first + 5), expected);
  xumax = 5;
  yumin = -3e38f;
  yumax = 3e38f;  // the extent overflows
  input("\n");
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_NE(take_output().find("ZERO OR NON-FINITE"), std::string::npos);
  EXPECT_EQ(std::memcmp(&before, &plt1blk, sizeof before), 0);

  // A sub-plot never scaled offers its zero window in the menu, which is refused again.
  plt1blk.ISUBPLOT = 7;
  input("\n\n");
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 2);
  EXPECT_NE(take_output().find(" subplot nb =   7"), std::string::npos);
  plt1blk.ISUBPLOT = 6;
  EXPECT_EQ(std::memcmp(&before, &plt1blk, sizeof before), 0);
}

TEST_F(Scaling, TinyScalesInvertAndASingularMapIsRefused) {
  plt1blk.ISUBPLOT = 6;
  float xcm0 = 1, ycm0 = 1, xlcm = 10, ylcm = 10, xumin = -1e38f, xumax = 1e38f, yumin = -1e38f, yumax = 1e38f;
  int ixy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);  // determinant 2.5e-75
  EXPECT_EQ(take_output(), "");
  EXPECT_FLOAT_EQ(plt1blk.CMTOUS[5][3], 2e37f);
  const Plt1Blk before = plt1blk;
  xlcm = 0;  // a scale of 0 has no inverse
  input("\n");
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_NE(take_output().find(" SINGULAR OR NON-FINITE MAP\n subplot nb =   6\n"), std::string::npos);
  EXPECT_EQ(std::memcmp(&before, &plt1blk, sizeof before), 0);
  // The matrix setter likewise: a singular or rank-one matrix, a matrix or origin of 1e38.
  for (auto m : {std::array<float, 6>{1, 1, 0, 0, 0, 0}, {1, 1, 1, 2, 2, 4}, {1, 1, 1e38f, 0, 0, 1e38f}, {1e38f, 1, 1, 0, 0, 1}}) {
    input("\n");
    sus2cm1(m[0], m[1], m[2], m[3], m[4], m[5], 1);
    EXPECT_NE(take_output().find(" SINGULAR OR NON-FINITE MAP\n subplot nb =   6\n ===> NO ACTION\n"), std::string::npos);
    EXPECT_EQ(std::memcmp(&before, &plt1blk, sizeof before), 0);
  }
}

// Positions within [-1000, 1000] cm and sides of 0.01 to 1000 cm either way are taken;
// another answer is refused and asked again, and RETURN then keeps the old value.
TEST_F(Scaling, PaperValuesBeyondAPageAreAskedAgain) {
  struct {
    bool limits;   // mus2cm3, else mus2cm1
    int question;  // place in the order asked
    const char* answer;
    bool taken;
  } const cases[] = {{true, 4, "1000", true},    {true, 4, "1000.1", false}, {true, 5, "-1000", true},
                     {true, 5, "-1000.1", false}, {true, 6, "0.01", true},    {true, 6, "-0.0099", false},
                     {true, 6, "0", false},       {true, 7, "-1000", true},   {true, 7, "1000.1", false},
                     {false, 0, "-1000", true},   {false, 1, "1000.1", false}, {false, 2, "1e30", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    float v[8] = {0, 1, 0, 1, 3, 4, 6, 7};  // xumin, xumax, yumin, yumax, xcm0, ycm0, xlcm, ylcm
    const int at = c.limits ? c.question : (c.question + 4) % 8, questions = c.limits ? 9 : 6;
    const float before = v[at];
    input("y\n" + std::string(c.question, '\n') + c.answer + (c.taken ? "\n" : "\n\n\n") +
          std::string(questions - c.question - 1, '\n'));
    int ixy = 0;
    if (c.limits)
      mus2cm3(v[4], v[5], v[6], v[7], v[0], v[1], v[2], v[3], ixy);
    else
      mus2cm1(v[4], v[5], v[6], v[7], v[0], v[1]);
    EXPECT_EQ(v[at], c.taken ? std::stof(c.answer) : before);
    EXPECT_EQ(count_of(take_output(), " ==> RETRYING\n"), c.taken ? 0 : 1);
  }
  // A present side beyond the bounds, stored by a caller, is kept by RETURN.
  float v[8] = {0, 1, 0, 1, 3, 4, 5000, 7};
  int ixy = 0;
  input("y\n" + std::string(9, '\n'));
  mus2cm3(v[4], v[5], v[6], v[7], v[0], v[1], v[2], v[3], ixy);
  EXPECT_EQ(v[6], 5000);
}

TEST_F(Scaling, MatrixSetterByMode) {
  plt1blk.ISUBPLOT = 2;
  float v[6] = {3, 4, 2, 0.5f, -1, 1};
  sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 9);  // odd: as 1
  EXPECT_EQ(take_output(), "");
  EXPECT_EQ(to_cm(1, 1), std::make_pair(3 + 2 + 0.5f, 4 - 1 + 1.0f));

  float f[6] = {};
  input("y\n7\n\n\n\n\n\n");
  sus2cm1(f[0], f[1], f[2], f[3], f[4], f[5], 2);  // the stored map, in the menu
  EXPECT_NE(take_output().find(" |ycm|   | -1.000   1.000|   |yu|   |  4.000|"), std::string::npos);
  EXPECT_EQ(Floats(f, f + 6), (Floats{7, 4, 2, 0.5f, -1, 1}));
  EXPECT_EQ(plt1blk.US0TOCM[1][0], 7.0f);
  input("\n");
  sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], -8);  // even: the menu first
  EXPECT_NE(take_output().find("CONVERSION SET UP"), std::string::npos);
  EXPECT_EQ(plt1blk.US0TOCM[1][0], 3.0f);
}

TEST_F(Scaling, DefaultsOfAllSubplots) {
  plt1blk.ISUBPLOT = 9;
  float v[6] = {};
  input(std::string(40, '\n'));
  sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 6);
  std::string text = take_output();
  std::size_t menus = 0;
  for (std::size_t p = text.find("CONVERSION SET UP"); p != std::string::npos; p = text.find("CONVERSION SET UP", p + 1))
    ++menus;
  EXPECT_EQ(menus, 40u);
  EXPECT_EQ(Floats(v, v + 6), (Floats{10, 10, 1, 0, 0, 1}));

  float w[8] = {};
  int ixy = 0;
  sus2cm3(w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], ixy, 7);
  EXPECT_EQ(take_output(), "");
  for (int s = 0; s < 40; ++s) {
    EXPECT_EQ(Floats(plt1blk.USTOCM[s], plt1blk.USTOCM[s] + 4), (Floats{0.75f, 0, 0, 0.75f})) << s + 1;
    EXPECT_EQ(plt1blk.US0TOCM[s][1], 9.5f) << s + 1;
    EXPECT_EQ(plt1blk.CMTOUS[s][0], 1 / 0.75f) << s + 1;
  }
  EXPECT_EQ(plt1blk.ISUBPLOT, 9);

  splotscaling(5);  // plot file closed: default user maps, names, sub-plot 1
  const Lines expected = {" INITIALIZING SUBPLOT SCALING", "  1: CM <-> DE untouched (plot file closed)",
                          "  2: US <-> CM initializing", "  3: US <-> DE: untouched (plot file closed)"};
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7), expected);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(pltcharblk.SUBPLOTITLE[0], "Subplot_1           ");
  EXPECT_EQ(pltcharblk.SUBPLOTITLE[39], "Subplot_40          ");
  EXPECT_EQ(Floats(plt1blk.USTOCM[39], plt1blk.USTOCM[39] + 4), (Floats{1, 0, 0, 1}));
  EXPECT_EQ(plt1blk.USTODE[39][0], 0.0f);  // device maps wait for an open file

  input("\n\n");
  splotscaling(6);
  splotscaling(7);
  text = take_output();
  EXPECT_NE(text.find(" inter =   6\n Accepted values = 4,5,7\n ===> NO ACTION\n"), std::string::npos);
  EXPECT_NE(text.find(" TRYING TO UPDATE PLOT SCALING\n WITH CLOSED PLOT FILE\n ===> NO ACTION\n"), std::string::npos);
}

TEST_F(Scaling, MapsSurviveANewFile) {
  int s = 3;
  ssubplot(s, 1);
  float xcm0 = 2, ycm0 = 3, xlcm = 10, ylcm = 10, xumin = 0, xumax = 100, yumin = 0, yumax = 50;
  int ixy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);  // 0.1 cm per unit
  auto draw = [&] {
    ssubplot(s, 1);
    float x[] = {0, 100}, y[] = {0, 50};
    usline(x, y, 2);
    Lines drawn = drawing(close_plot());
    return Lines(drawn.begin() + 1, drawn.begin() + 3);
  };
  for (const char* name : {"first.ps", "second.ps"}) {
    open_plot("\n", name);
    EXPECT_EQ(draw(), (Lines{" 56.70  85.05 moveto", " 340.20  226.80 lineto"})) << name;
  }

  // While a file is open a new map reaches the device at once, and a refresh keeps it.
  open_plot("\n", "open.ps");
  ssubplot(s, 1);
  ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  splotscaling(7);
  Lines lines = take_lines();
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7),
            (Lines{" UPDATING SUBPLOT SCALING", "  1: CM <-> DE updating (plot file open)",
                   "  2: US <-> CM untouched (set before)", "  3: US <-> DE updating (plot file open)"}));
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(draw(), (Lines{" 56.70  85.05 moveto", " 340.20  368.55 lineto"}));
}

}  // namespace
