#include <gtest/gtest.h>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "plt_lib/subplots.h"
#include "support/console_capture.h"

namespace {

using Lines = std::vector<std::string>;

class Subplots : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    plt1blk = Plt1Blk{};
    pltcharblk = PltCharBlk{};
  }
  // Gives sub-plot s the user-to-cm map (o, m) and derives its other maps.
  static void set_map(int s, float ox, float oy, std::array<float, 4> m) {
    plt1blk.ISUBPLOT = s;
    plt1blk.US0TOCM[s - 1][0] = ox;
    plt1blk.US0TOCM[s - 1][1] = oy;
    for (int i = 0; i < 4; ++i) plt1blk.USTOCM[s - 1][i] = m[static_cast<std::size_t>(i)];
    sus2de();
    scm2us();
  }
};

TEST_F(Subplots, CentimetresToPoints) {
  scm2de();
  float x[] = {1, 0}, y[] = {2, -1}, xd[2], yd[2];
  cm2de(xd, yd, x, y, 2);
  EXPECT_FLOAT_EQ(xd[0], 28.35f);
  EXPECT_FLOAT_EQ(yd[0], 56.70f);
  EXPECT_FLOAT_EQ(yd[1], -28.35f);
  cm2de(x, y, x, y, 2);  // in place
  EXPECT_EQ(x[0], xd[0]);
  EXPECT_EQ(y[0], yd[0]);
  cm2de(x, y, x, y, 0);
  EXPECT_EQ(x[0], xd[0]);
  float w;
  lengthcm2de(w, 0.02f);
  EXPECT_FLOAT_EQ(w, 0.567f);
}

TEST_F(Subplots, UserMapsComposedAndInverted) {
  scm2de();
  set_map(3, 10, 10, {1, 0, 0, 1});
  float x[] = {0, 2}, y[] = {0, -1};
  us2de(x, y, x, y, 2);
  EXPECT_FLOAT_EQ(x[0], 283.5f);
  EXPECT_FLOAT_EQ(y[0], 283.5f);
  EXPECT_FLOAT_EQ(x[1], 12 * 28.35f);

  // A sheared and scaled map: user -> cm -> user gives the point back.
  set_map(7, 2, -3, {2, 0.5f, -1, 4});
  float u[] = {1.5f}, v[] = {-2}, xc[1], yc[1];
  us2cm(xc, yc, u, v, 1);
  EXPECT_FLOAT_EQ(xc[0], 2 + 2 * 1.5f - 1 * -2.0f);
  EXPECT_FLOAT_EQ(yc[0], -3 + 0.5f * 1.5f + 4 * -2.0f);
  const float* o = plt1blk.CM0TOUS[6];
  const float* m = plt1blk.CMTOUS[6];
  EXPECT_NEAR(o[0] + m[0] * xc[0] + m[2] * yc[0], 1.5f, 1e-5f);
  EXPECT_NEAR(o[1] + m[1] * xc[0] + m[3] * yc[0], -2.0f, 1e-5f);

  float v0[2], vm[4];
  splotunits(v0, vm, 1, 3);
  EXPECT_EQ(v0[0], 2.0f);
  EXPECT_EQ(vm[2], -1.0f);
  splotunits(v0, vm, 3, 2);
  EXPECT_FLOAT_EQ(vm[0], 2 * 28.35f);
  EXPECT_EQ(take_output(), "");

  input("\n\n");
  splotunits(v0, vm, 2, 3);
  splotunits(v0, vm, 1, 0);
  std::string text = take_output();
  EXPECT_NE(text.find(" inter =      3\n imat  =      2\n ===> NO ACTION\n"), std::string::npos);
  EXPECT_NE(text.find(" inter =      0\n imat  =      1\n ===> NO ACTION\n"), std::string::npos);
  EXPECT_FLOAT_EQ(vm[0], 2 * 28.35f);
}

TEST_F(Subplots, SingularMapIsReported) {
  plt1blk.ISUBPLOT = 2;
  input("n\n\n");  // do not stop
  scm2us();
  EXPECT_NE(take_output().find("=> Cannot Invert B"), std::string::npos);
}

TEST_F(Subplots, SubplotOneServesUntilOneIsChosen) {
  plt1blk.US0TOCM[0][0] = 5;
  float x[] = {0}, y[] = {0};
  us2cm(x, y, x, y, 1);
  EXPECT_EQ(x[0], 5.0f);
  int n = 9;
  ssubplot(n, 3);
  EXPECT_EQ(n, 1);
}

TEST_F(Subplots, ChoosingASubplot) {
  int n = 7;
  ssubplot(n, 1);
  EXPECT_EQ(plt1blk.ISUBPLOT, 7);
  EXPECT_EQ(take_output(), "");
  for (int bad : {41, 0}) {
    n = bad;
    input("\n");
    ssubplot(n, bad == 0 ? 0 : 1);
    std::string text = take_output();
    EXPECT_NE(text.find(" trying to set subplot nb =" + Line().x().i(bad, 3).str() +
                        "\n max subpplot nb          =  40\n ===> NO ACTION\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(plt1blk.ISUBPLOT, 7);
  }
  n = 30;
  ssubplot(n, 3);
  EXPECT_EQ(n, 7);
  EXPECT_EQ(take_output(), "");

  pltcharblk.SUBPLOTITLE[6] = fit("Subplot_7", 20);
  n = 12;
  ssubplot(n, 0);
  const std::string dashes = " " + std::string(43, '-');
  Lines box = {dashes, "              CHANGING SUBPLOT", dashes, " Maximum nb of subplots :  40", dashes,
               " CURRENT SUBPLOT:", " Subplot nb     :   7", " Subplot name   : Subplot_7           ", dashes,
               " SWITCHING TO SUBPLOT:", " Subplot nb     :  12", " Subplot name   :                     "};
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), box.size() + 4);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.end() - 1), box);
  EXPECT_EQ(plt1blk.ISUBPLOT, 12);

  n = 25;
  ssubplot(n, 5);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  lines = take_lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], " INITIALISING SUBPLOT =   1");
}

}  // namespace
