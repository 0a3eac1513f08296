#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gral_lib/console.h"
#include "plt_lib/draw.h"
#include "plt_lib/scaling.h"
#include "plt_lib/scaling_menus.h"
#include "plt_lib/subplots.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const std::string equals = " " + std::string(42, '=');
const std::string dashes = " " + std::string(42, '-');

// The lines between the menu head (3 lines) and the question "Do you want to alter this".
Lines menu_body(const Lines& lines) {
  std::size_t end = 3;
  while (end < lines.size() && lines[end].find("Do you want to alter this") == std::string::npos) ++end;
  if (end > 3 && lines[end - 1].starts_with(" ....")) --end;
  return Lines(lines.begin() + 3, lines.begin() + static_cast<std::ptrdiff_t>(end));
}

// The cm position of user point (x, y) on the current sub-plot.
std::pair<float, float> to_cm(float x, float y) {
  us2cm(&x, &y, &x, &y, 1);
  return {x, y};
}

class Scaling : public PlotTest {};

TEST_F(Scaling, MatrixMenuShowsTheMapAndAsksInOrder) {
  float v[6] = {10, 10, 1, 0, 0, 1};
  input("\n");
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  const Lines expected = {equals,
                          "           CONVERSION SET UP               ",
                          equals,
                          " |  cm  |                   |user units|",
                          " |  on  | <---------------- |   used   |",
                          " | plot |                   | in calls |",
                          "  ",
                          "  |xcm|                         |xu|",
                          "  |   | <---------------------- |  |",
                          "  |ycm|                         |yu|",
                          "  ",
                          "  |xcm|     |xx   xy|   |xu|   |xcm0|",
                          "  |   |  =  |       | * |  | + |    |",
                          "  |ycm|     |yx   yy|   |yu|   |ycm0|",
                          equals,
                          "             Current set up:",
                          equals,
                          " |xcm|   |  1.000   0.000|   |xu|   | 10.000|",
                          " |   | = |               | * |  | + |       |",
                          " |ycm|   |  0.000   1.000|   |yu|   | 10.000|",
                          equals};
  EXPECT_EQ(menu_body(take_lines()), expected);
  EXPECT_EQ(v[0], 10.0f);

  input("y\n\n-3\n\n\n2.5\n\n");  // empty answers keep their values
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  EXPECT_EQ(std::vector<float>(v, v + 6), (std::vector<float>{10, -3, 1, 0, 2.5f, 1}));
  take_output();

  iocom.LWITO[1] = false;  // less output: the head and the question only
  input("\n");
  mus2cm1(v[0], v[1], v[2], v[3], v[4], v[5]);
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], " Do you want to alter this ?");
}

TEST_F(Scaling, LimitsMenuShowsBothBoxesAndRefusesABadScaleSwitch) {
  float xcm0 = 2, ycm0 = 2.5f, xlcm = 15, ylcm = 10, xumin = -10, xumax = 10, yumin = 150, yumax = 0;
  int ixy = 5;
  input("\n");
  mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  Lines body = menu_body(take_lines());
  ASSERT_EQ(body.size(), 46u);
  const Lines from_limits = {
      dashes,
      "      1 - USER UNITS IN USER SPACE         ",
      dashes,
      "    _|_________________|_  yumax =     0.000",
      "     |                 |",
      "     |                 |",
      "    _|_________________|_  yumin =   150.000",
      "     |                 |",
      "   xumin             xumax",
      "    -10.000            10.000",
      " ",
      "  user limits:          xu,yu in user units",
      "  xumin =   -10.000  yumin =   150.000",
      "  xumax =    10.000  yumax =     0.000",
      dashes,
      "      2 - CM UNITS ON PLOT                 ",
      dashes,
      "    _|_________________|_  ",
      "     |                 |  |",
      "     |                 |  | ylcm =    10.000",
      "    _|_________________|_ | _ ycm0 =     2.500",
      "     |                 |",
      "     <---- xlcm -------> ",
      "     |      15.000",
      "   xcm0 =     2.000",
      " ",
      "  paper limits:               xcm,ycm in cm",
      "  xlcm  =    15.000  ylcm  =    10.000",
      "  xcm0  =     2.000  ycm0  =     2.500",
      dashes,
      " WARNING: ixy =         5  neither 0 nor 1",
      "       will have same effect as ixy = 0",
      dashes};
  EXPECT_EQ(Lines(body.begin() + 13, body.end()), from_limits);
  EXPECT_EQ(body[7], "  |xcm|                           |xu|");

  // Eight empty answers keep the values; 5 (the default) and 7 are refused, 0 is taken.
  input("y\n\n\n\n\n\n\n\n\n\n\n7\n\n0\n");
  mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  EXPECT_EQ(ixy, 0);
  EXPECT_EQ(yumin, 150.0f);
  EXPECT_EQ(ycm0, 2.5f);
}

TEST_F(Scaling, LimitsGiveEqualOrIndependentScales) {
  plt1blk.ISUBPLOT = 4;
  float xcm0 = 2, ycm0 = 2, xlcm = 15, ylcm = 10, xumin = -10, xumax = 10, yumin = 0, yumax = 10;
  int ixy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_EQ(plt1blk.USTOCM[3][3], 0.75f);
  EXPECT_EQ(plt1blk.US0TOCM[3][0], 9.5f);
  EXPECT_EQ(plt1blk.US0TOCM[3][1], 2.0f);
  EXPECT_EQ(to_cm(10, 10), std::make_pair(17.0f, 9.5f));
  EXPECT_EQ(plt1blk.CMAXLENGTH[3][1], 10.0f);  // the asked length is kept
  ixy = 2;                                        // anything but 1: independent scales
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  EXPECT_EQ(to_cm(10, 10), std::make_pair(17.0f, 12.0f));
  EXPECT_EQ(plt1blk.ISOXY[3], 2);

  // Reversed y window: the y axis keeps its sign and gives x its smaller magnitude.
  float x0 = 3, y0 = 4, xl = 8, yl = 15, x1 = -4, x2 = 4, y1 = 150, y2 = 0;
  ixy = 1;
  sus2cm3(x0, y0, xl, yl, x1, x2, y1, y2, ixy, 1);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM[3][0], 0.1f);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM[3][3], -0.1f);
  auto [cx, cy] = to_cm(-4, 150);
  EXPECT_FLOAT_EQ(cx, 3);
  EXPECT_FLOAT_EQ(cy, 4);
  // Equal magnitudes of opposite sign are left alone.
  xl = 4, yl = 4, y1 = 4, y2 = -4;
  sus2cm3(x0, y0, xl, yl, x1, x2, y1, y2, ixy, 1);
  EXPECT_EQ(plt1blk.USTOCM[3][0], 0.5f);
  EXPECT_EQ(plt1blk.USTOCM[3][3], -0.5f);

  // Fetch: the nine values stored, nothing written; zeros where none were stored.
  float f[8] = {};
  int fixy = 9;
  sus2cm3(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], fixy, 3);
  EXPECT_EQ(std::vector<float>(f, f + 8), (std::vector<float>{3, 4, 4, 4, -4, 4, 4, -4}));
  EXPECT_EQ(fixy, 1);
  plt1blk.ISUBPLOT = 5;
  sus2cm3(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], fixy, 3);
  EXPECT_EQ(std::vector<float>(f, f + 8), std::vector<float>(8, 0.0f));
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
  Lines lines = take_lines();
  const Lines expected = {" ZERO OR NON-FINITE USER WINDOW EXTENT", " subplot nb =   6",
                          "  xumin =     0.000  yumin =     0.000", "  xumax =     0.000  yumax =     5.000",
                          " ===> NO ACTION"};
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

  // A sub-plot never set has a zero window: the menu offers it and it is refused again.
  plt1blk.ISUBPLOT = 7;
  input("\n\n");
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 2);
  EXPECT_NE(take_output().find(" subplot nb =   7"), std::string::npos);
  EXPECT_EQ(plt1blk.USTOCM[6][0], 0.0f);
}

TEST_F(Scaling, MatrixSetterStoresFetchesAndTakesOddAndEvenModes) {
  plt1blk.ISUBPLOT = 2;
  float v[6] = {3, 4, 2, 0.5f, -1, 1};
  sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 9);  // acts as 1
  EXPECT_EQ(take_output(), "");
  EXPECT_EQ(to_cm(1, 1), std::make_pair(3 + 2 + 0.5f, 4 - 1 + 1.0f));
  // The derived cm-to-user map takes the point back.
  const float* o = plt1blk.CM0TOUS[1];
  const float* m = plt1blk.CMTOUS[1];
  EXPECT_NEAR(o[0] + m[0] * 5.5f + m[2] * 4, 1, 1e-6f);
  EXPECT_NEAR(o[1] + m[1] * 5.5f + m[3] * 4, 1, 1e-6f);

  float f[6] = {};
  input("\n");
  sus2cm1(f[0], f[1], f[2], f[3], f[4], f[5], 2);  // fetched into the menu
  EXPECT_NE(take_output().find(" |xcm|   |  2.000   0.500|   |xu|   |  3.000|"), std::string::npos);
  EXPECT_EQ(std::vector<float>(f, f + 6), std::vector<float>(v, v + 6));
  input("y\n7\n\n\n\n\n\n");
  sus2cm1(f[0], f[1], f[2], f[3], f[4], f[5], -8);  // even: the menu, then stored
  EXPECT_EQ(plt1blk.US0TOCM[1][0], 7.0f);
}

TEST_F(Scaling, DefaultsOfAllSubplots) {
  plt1blk.ISUBPLOT = 9;
  float v[6] = {};
  std::string answers;
  for (int i = 0; i < 40; ++i) answers += "\n";
  input(answers);
  sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 6);
  std::string text = take_output();
  std::size_t menus = 0;
  for (std::size_t p = text.find("CONVERSION SET UP"); p != std::string::npos; p = text.find("CONVERSION SET UP", p + 1))
    ++menus;
  EXPECT_EQ(menus, 40u);
  EXPECT_EQ(std::vector<float>(v, v + 6), (std::vector<float>{10, 10, 1, 0, 0, 1}));
  EXPECT_EQ(plt1blk.ISUBPLOT, 9);

  float w[8] = {};
  int ixy = 0;
  sus2cm3(w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], ixy, 7);
  EXPECT_EQ(take_output(), "");
  for (int s = 0; s < 40; ++s) {
    SCOPED_TRACE(s + 1);
    EXPECT_EQ(plt1blk.USTOCM[s][0], 0.75f);
    EXPECT_EQ(plt1blk.USTOCM[s][3], 0.75f);
    EXPECT_EQ(plt1blk.US0TOCM[s][0], 9.5f);
    EXPECT_EQ(plt1blk.ISOXY[s], 1);
    EXPECT_EQ(plt1blk.CMTOUS[s][0], 1 / 0.75f);
  }
  EXPECT_EQ(plt1blk.ISUBPLOT, 9);

  splotscaling(5);  // plot file closed: user maps to the defaults, names, sub-plot 1
  Lines lines = take_lines();
  const Lines expected = {" INITIALIZING SUBPLOT SCALING", "  1: CM <-> DE untouched (plot file closed)",
                          "  2: US <-> CM initializing", "  3: US <-> DE: untouched (plot file closed)"};
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7), expected);
  EXPECT_EQ(lines[10], " INITIALISING SUBPLOT =   1");
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(pltcharblk.SUBPLOTITLE[0], "Subplot_1           ");
  EXPECT_EQ(pltcharblk.SUBPLOTITLE[39], "Subplot_40          ");
  EXPECT_EQ(plt1blk.USTOCM[39][0], 1.0f);
  EXPECT_EQ(plt1blk.US0TOCM[39][1], 10.0f);
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
  const Lines corner = {" 56.70  85.05 moveto", " 340.20  226.80 lineto"};
  auto draw = [&] {
    ssubplot(s, 1);
    float x[] = {0, 100}, y[] = {0, 50};
    usline(x, y, 2);
    Lines drawn = drawing(close_plot());
    return Lines(drawn.begin() + 1, drawn.begin() + 3);
  };
  for (int file = 1; file <= 2; ++file) {
    SCOPED_TRACE(file);
    open_plot("\n", "survive" + std::to_string(file) + ".ps");
    EXPECT_EQ(draw(), corner);
  }

  // While a file is open a new map reaches the device at once; refreshing keeps it.
  open_plot("\n", "open.ps");
  ssubplot(s, 1);
  ixy = 0;
  xumax = 50;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);  // 0.2 cm per unit on x
  splotscaling(7);
  Lines lines = take_lines();
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7),
            (Lines{" UPDATING SUBPLOT SCALING", "  1: CM <-> DE updating (plot file open)",
                   "  2: US <-> CM untouched (set before)", "  3: US <-> DE updating (plot file open)"}));
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(draw(), (Lines{" 56.70  85.05 moveto", " 623.70  368.55 lineto"}));
}

}  // namespace
