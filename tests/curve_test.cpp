#include <gtest/gtest.h>

#include <string>

#include "curve_lib/curve.h"
#include "gral_lib/console.h"
#include "support/console_capture.h"

namespace {

class Curve : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    iocom.lpause = false;
    ptblock = Ptblock{};
  }
};

TEST_F(Curve, CountIsBoundedToTheBuffer) {
  const struct {
    int np, mode, stored;
    std::string report;  // empty: nothing is written
  } cases[] = {
      {7, 3, 1, " nb of points np =       0\n ===> UPSTREAM PROBLEM ?\n"},  // nothing stored yet
      {90, 1, 90, ""},
      {1, 1, 1, " nb of points =       1\n ===> WILL PLOT ONLY ONE POINT\n"},
      {1, 7, 1, ""},
      {-5, 1, 1, " nb of points np =      -5\n"},
      {1500, 1, 1000, " nb of points =    1500 > curve buffer size =    1000\n ===> reset nb of points =    1000\n"},
      {3, 5, 11, " INITIALIZING NUMBER OF POINTS TO:      11\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.np) + " in mode " + std::to_string(c.mode));
    int np = c.np;
    scptnp(np, c.mode);
    EXPECT_EQ(ptblock.NP, c.stored);
    EXPECT_EQ(np, c.stored);
    const std::string out = take_output();
    EXPECT_TRUE(c.report.empty() ? out.empty() : count_of(out, c.report) == 1) << out;
  }
}

TEST_F(Curve, MenuListIsShownWhateverTheOutputLevel) {
  iocom.LWITO[1] = false;
  int np = 5;
  input("10\n0\n1001\n40\n99\n");  // 0 and 1001 are refused by the prompt
  scptnp(np, 4);
  const std::string out = take_output();
  EXPECT_EQ(count_of(out, " RUNNING POINT PARAMETERS:                  \n -------------------------------------------\n"
                          " maximum nb of points =    1000\n nb of segments       =      10\n"
                          " nb of points ..........................10      11\n"),
            1);
  EXPECT_EQ(count_of(out, " nb of segments       =      39\n"), 1);
  EXPECT_EQ(np, 40);
  EXPECT_EQ(ptblock.NP, 40);
}

}  // namespace
