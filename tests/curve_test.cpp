#include <gtest/gtest.h>

#include <string>

#include "curve_lib/curve.h"
#include "gral_lib/console.h"
#include "support/console_capture.h"

namespace {

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Curve : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    iocom.lpause = false;
    ptblock = Ptblock{};
  }
};

// A count, a mode, what is stored and what is reported.
struct CountCase {
  int np, mode;
  int stored;
  const char* line;  // nullptr: nothing is written
};

TEST_F(Curve, CountIsBoundedToTheBuffer) {
  const CountCase cases[] = {
      {7, 3, 1, " nb of points np =       0\n ===> UPSTREAM PROBLEM ?\n"},  // nothing stored yet
      {90, 1, 90, nullptr},
      {1, 1, 1, " nb of points =       1\n ===> WILL PLOT ONLY ONE POINT\n"},
      {1, 7, 1, nullptr},
      {0, 1, 1, " ===> RESETTING np =       1\n"},
      {-5, 1, 1, " nb of points np =      -5\n"},
      {1500, 1, 1000,
       " nb of points =    1500 > curve buffer size =    1000\n ===> reset nb of points =    1000\n"
       " ===> WILL NOT PLOT ALL THE DATA\n"},
      {3, 5, 11, " INITIALIZING NUMBER OF POINTS TO:      11\n"},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.np) + " in mode " + std::to_string(c.mode));
    int np = c.np;
    scptnp(np, c.mode);
    EXPECT_EQ(ptblock.NP, c.stored);
    EXPECT_EQ(np, c.stored);
    const std::string out = take_output();
    if (c.line) {
      EXPECT_TRUE(has(out, c.line)) << out;
    } else {
      EXPECT_EQ(out, "");
    }
  }
}

TEST_F(Curve, MenuListIsAlwaysShown) {
  iocom.LWITO[1] = false;
  int np = 5;
  input("10\n0\n1001\n40\n99\n");
  scptnp(np, 4);
  const std::string out = take_output();
  EXPECT_TRUE(has(out, " -------------------------------------------\n"
                       " RUNNING POINT PARAMETERS:                  \n"
                       " -------------------------------------------\n"
                       " maximum nb of points =    1000\n"
                       " nb of segments       =      10\n"
                       " nb of points ..........................10      11\n"));
  EXPECT_TRUE(has(out, " nb of segments       =      39\n"));
  EXPECT_TRUE(has(out, " EXIT SUBROUTINE .......................99\n"));
  EXPECT_EQ(np, 40);
  EXPECT_EQ(ptblock.NP, 40);
}

}  // namespace
