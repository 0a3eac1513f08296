#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "gral_lib/console.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "support/console_capture.h"

namespace {

TEST(TextLen, Positions) {
  int a, b;
  textlen(a, b, "  abc  ");
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 5);
  textlen(a, b, "    ");
  EXPECT_EQ(a, 4);
  EXPECT_EQ(b, 4);
  textlen(a, b, "");
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1);
  textlen(a, b, "x");
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1);
  textlen(a, b, "\tx ");  // a tab is not blank
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(trimmed("   "), " ");
  EXPECT_EQ(trimmed(" a b "), "a b");
}

TEST(IntegLen, Widths) {
  int n;
  std::vector<std::pair<int, int>> cases = {{0, 1},     {9, 1},     {10, 2},       {-1, 2},        {-10, 3},
                                            {99999, 5}, {999999, 7}, {100, 3},     {1000, 4},      {-2147483647 - 1, 11},
                                            {2147483647, 10}};
  for (auto [v, want] : cases) {
    integlen(n, v);
    EXPECT_EQ(n, want) << v;
  }
}

TEST(PathToBaseName, LastComponent) {
  int n;
  std::string b(12, ' ');
  path2basename(n, b, "dir/data.txt");
  EXPECT_EQ(b, "data.txt    ");
  EXPECT_EQ(n, 8);
  path2basename(n, b, "  data.txt");
  EXPECT_EQ(b, "data.txt    ");
  EXPECT_EQ(n, 8);
  path2basename(n, b, "dir/sub/");
  EXPECT_EQ(b, "sub/        ");
  EXPECT_EQ(n, 4);
  path2basename(n, b, "/");
  EXPECT_EQ(b, "/           ");
  EXPECT_EQ(n, 1);
  std::string shortb(3, ' ');
  path2basename(n, shortb, "/a/longname");
  EXPECT_EQ(shortb, "lon");
  EXPECT_EQ(n, 8);
}

class Conversion : public ConsoleTest {};

TEST_F(Conversion, IntegerToShortestText) {
  std::string s(55, '#');
  int n;
  intg2char(s, n, 55, 0);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(s.substr(0, 2), "0 ");
  intg2char(s, n, 55, -7);
  EXPECT_EQ(s.substr(0, n), "-7");
  intg2char(s, n, 55, 12345);
  EXPECT_EQ(s.substr(0, n), "12345");
  EXPECT_EQ(s, "12345" + std::string(50, ' '));
  intg2char(s, n, 55, -2147483647 - 1);
  EXPECT_EQ(n, 11);
  EXPECT_EQ(s.substr(0, n), "-2147483648");
  intg2char(s, n, 55, 999999);
  EXPECT_EQ(s.substr(0, n), " 999999");
  EXPECT_EQ(take_output(), "");

  std::string t = "abcd";
  input("\n");
  intg2char(t, n, 2, 123);
  EXPECT_EQ(t, "99cd");
  EXPECT_EQ(n, 2);
  std::vector<std::string> l = take_lines();
  EXPECT_EQ(l[8], " integer =                  123");
  EXPECT_EQ(l[9], " nchar   =                    3");
  EXPECT_EQ(l[10], " mchar   =                    2");
  EXPECT_EQ(l[11], " CANNOT WRITE INTEGER IN CHARACTER STRING");
  EXPECT_EQ(l[12], " ==> NEED LONGER CHARACTER STRING");
  EXPECT_EQ(l[13], " ==> fill with 9 and set nchar =                    2");
}

TEST_F(Conversion, RealInLeastWidth) {
  std::string s(10, '#');
  int m;
  real2charf1(s, m, 2, 10, 3.14159f);
  EXPECT_EQ(m, 5);
  EXPECT_EQ(s, " 3.14     ");
  std::string s6(6, '#');
  real2charf1(s6, m, 3, 6, 123.456f);
  EXPECT_EQ(m, 6);
  EXPECT_EQ(s6, " 123.5");
  real2charf1(s, m, 1, 10, 9.96f);
  EXPECT_EQ(m, 5);
  EXPECT_EQ(s.substr(0, 5), " 10.0");
  real2charf1(s, m, 2147483647, 10, 2.5f);  // as many decimals as the room takes
  EXPECT_EQ(s, " 2.5000000");
  // Worked out at once, not one step per decimal asked for: an axis asks at every label.
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < 10; ++k) real2charf1(s, m, 2147483647 - k, 10, 25.5f);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(s, " 25.500000");
  EXPECT_EQ(take_output(), "");

  std::string s5(5, '#');
  input("\n");
  real2charf1(s5, m, 2, 5, 12345.0f);
  EXPECT_EQ(m, 5);
  EXPECT_EQ(s5, "*****");
  std::string text = take_output();
  EXPECT_NE(text.find(" PROBLEM WRITING REAL NUMBER WITH fm.n\n"), std::string::npos);
  EXPECT_NE(text.find(" required m > available character length\n => NEED LONGER CHARACTER STRING\n"),
            std::string::npos);
  EXPECT_NE(text.find("   nb = int(log10(rabsmax)) + 1\n"), std::string::npos);
  EXPECT_NE(text.find(" nb = number of digits before .  =           5\n"), std::string::npos);

  iocom.LWITO[1] = false;  // the result codes are reported only at the more-output level
  real2charf1(s5, m, 2, 5, 12345.0f);
  EXPECT_EQ(take_output(), "");
  iocom.LWITO[1] = true;

  input("\n");
  real2charf1(s, m, -3, 10, 2.0f);  // always reported, one decimal used
  EXPECT_EQ(s.substr(0, m), " 2.0");
  text = take_output();
  EXPECT_NE(text.find(" with  n =          -3 < 0\n ==> n SHOULD NOT BE < 0\n ==> reset n =           1\n"),
            std::string::npos);

  input("\n");
  real2charf1(s, m, 2, 10, std::numeric_limits<float>::infinity());
  EXPECT_LE(m, 5);
  text = take_output();
  EXPECT_NE(text.find(" |r| = INF\n"), std::string::npos);
  EXPECT_NE(text.find(" max single precision real       =                  0.3402823E+39\n"), std::string::npos);
}

TEST_F(Conversion, RangeCheckByGravity) {
  float v = 50.0f;
  int st = -1;
  crevin3(v, 0.0f, 100.0f, "color", "scolorrgb", 10, st);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(take_output(), "");

  v = 120.0f;
  input("\n");
  crevin3(v, 0.0f, 100.0f, " red ", " scolorrgb ", 10, st);
  EXPECT_EQ(st, 2);
  EXPECT_FLOAT_EQ(v, 100.0f);
  std::vector<std::string> l = take_lines();
  std::vector<std::string> body(l.begin() + 4, l.begin() + 9);
  std::vector<std::string> want = {
      " Problem in subroutine: scolorrgb",
      " Gravity level [0-4]U[10,14] =  10",
      " red =      120.0     outside [      0.000     ,      100.0     ]",
      " red =      120.0     >      100.0    ",
      " ==> RESET red =      100.0    ",
  };
  EXPECT_EQ(body, want);
  EXPECT_EQ(l[0], " " + std::string(50, '/'));  // a warning frame

  v = -5.0f;
  input("\n");
  crevin3(v, 0.0f, 100.0f, "x", "r", 1, st);
  EXPECT_EQ(st, 1);
  EXPECT_FLOAT_EQ(v, -5.0f);
  std::string text = take_output();
  EXPECT_NE(text.find("ERROR END"), std::string::npos);
  EXPECT_NE(text.find(" x =     -5.000     <      0.000    \n ==> UNALTERED x =     -5.000    \n"),
            std::string::npos);

  v = std::numeric_limits<float>::quiet_NaN();
  crevin3(v, 0.0f, 100.0f, "x", "r", 1, st);
  EXPECT_EQ(st, 0);

  // an invalid gravity is reported first, then treated as 3: stop unless told otherwise
  v = 500.0f;
  input("\nn\n\n");
  crevin3(v, 0.0f, 100.0f, "x", "r", 7, st);
  text = take_output();
  EXPECT_NE(text.find(" gravity =   7 not in [0,4]U[10,14]\n ==> Do as if gravity = 3\n"), std::string::npos);
  EXPECT_NE(text.find("THE TWILIGHT ZONE"), std::string::npos);
  EXPECT_FLOAT_EQ(v, 500.0f);

  v = 500.0f;
  input("\n\n");
  EXPECT_THROW(crevin3(v, 0.0f, 100.0f, "x", "r", 4, st), ProgramStop);
}

}  // namespace
