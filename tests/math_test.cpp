#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "gral_lib/units.h"
#include "math_lib/angles.h"
#include "math_lib/matrix.h"
#include "support/console_capture.h"

namespace {

class Angles : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    trigoset();
    take_output();
  }
  static float mod(float x, float p = 360.0f) {
    float r;
    modulr(&r, &x, p, 1);
    return r;
  }
  static float cmod(float x, float p = 360.0f) {
    float r;
    moducr(&r, &x, p, 1);
    return r;
  }
};

TEST_F(Angles, ConstantsAndConversions) {
  trigoset();
  std::vector<std::string> l = take_lines();
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[1], " @ subroutine trigoset" + std::string(14, ' ') + "v8.0 2017-03-10");
  EXPECT_EQ(l[3], " Initializing /anglerad/ block");
  EXPECT_EQ(anglerad(5), 3.14159274f);
  EXPECT_EQ(anglerad(3), 1.57079637f);
  EXPECT_EQ(anglerad(7), 6.28318548f);
  EXPECT_EQ(anglerad(8), 0.0174532924f);
  EXPECT_EQ(anglerad(9), 57.2957764f);
  EXPECT_EQ(rad(180.0f), anglerad(5));
  EXPECT_EQ(rad(90.0f), anglerad(3));
  EXPECT_EQ(deg(anglerad(5)), 180.0f);
  float v[2] = {180.0f, 90.0f};
  deg2rad(v, v, 2);  // in place
  EXPECT_EQ(v[0], anglerad(5));
  EXPECT_EQ(v[1], anglerad(3));
}

TEST_F(Angles, ModuloReductions) {
  EXPECT_EQ(mod(360.0f), 0.0f);
  EXPECT_EQ(mod(-360.0f), 0.0f);
  EXPECT_EQ(mod(725.0f), 5.0f);
  EXPECT_EQ(mod(-725.0f), 355.0f);
  EXPECT_EQ(mod(359.99997f), 359.99997f);
  EXPECT_EQ(mod(-0.00001f), 360.0f);
  EXPECT_EQ(mod(-0.00002f), 359.99997f);
  EXPECT_TRUE(std::signbit(mod(-0.0f)));
  // absurd azimuths still come back within the period
  for (float huge : {1.26362182e11f, -1.26362182e11f, 3.0e38f, -3.0e38f, 188766352.0f, -188766352.0f}) {
    EXPECT_GE(mod(huge), 0.0f) << huge;
    EXPECT_LE(mod(huge), 360.0f) << huge;
    EXPECT_GT(cmod(huge), -180.0f) << huge;
    EXPECT_LE(cmod(huge), 180.0f) << huge;
  }
  // A quotient rounded up to a whole number left the steps a period below the range.
  EXPECT_EQ(mod(188766352.0f), 352.0f);
  EXPECT_EQ(mod(-188766352.0f), 8.0f);
  EXPECT_EQ(cmod(180.0f), 180.0f);
  EXPECT_EQ(cmod(-180.0f), 180.0f);
  EXPECT_EQ(cmod(190.0f), -170.0f);
  EXPECT_EQ(cmod(-190.0f), 170.0f);
  EXPECT_EQ(cmod(360.0f), 0.0f);
  EXPECT_EQ(cmod(540.0f), 180.0f);
  EXPECT_EQ(cmod(-540.0f), 180.0f);
  float keep = 7.0f, in = 5.0f;
  modulr(&keep, &in, 360.0f, 0);  // n below 1 leaves the output untouched
  EXPECT_EQ(keep, 7.0f);
}

TEST_F(Angles, PointAnglesAndCircles) {
  float x[6] = {1, 0, 0, -1, -1, 0}, y[6] = {1, 0, -1, 0, -1, -0.0f}, t[6];
  xy2t(t, x, y, 6);
  EXPECT_FLOAT_EQ(t[0], anglerad(1));
  EXPECT_EQ(t[1], anglerad(3));  // the origin
  EXPECT_EQ(t[2], -anglerad(3));
  EXPECT_FLOAT_EQ(t[3], anglerad(5));
  EXPECT_FLOAT_EQ(t[4], -anglerad(4));
  EXPECT_EQ(t[5], anglerad(3));  // a negative zero counts as zero

  float cx[5], cy[5];
  circle(cx, cy, 5, 0.0f, 0.0f, 1.0f);
  EXPECT_EQ(cx[0], 1.0f);
  EXPECT_EQ(cy[0], 0.0f);
  EXPECT_NEAR(cx[1], -4.4e-8f, 1e-9f);
  EXPECT_EQ(cy[1], 1.0f);
  EXPECT_EQ(cx[2], -1.0f);
  EXPECT_NEAR(cy[2], -8.7e-8f, 1e-9f);
  EXPECT_NEAR(cx[3], 1.2e-8f, 1e-9f);
  EXPECT_EQ(cy[3], -1.0f);
  EXPECT_EQ(cx[4], 1.0f);
  EXPECT_NEAR(cy[4], 1.7e-7f, 1e-8f);
  circle(cx, cy, 1, 2.0f, 3.0f, 1.0f);  // one point: no division by zero
  EXPECT_EQ(cx[0], 3.0f);
  EXPECT_EQ(cy[0], 3.0f);
  arcirclerad(cx, cy, 3, 0.0f, 0.0f, 2.0f, 0.0f, anglerad(5));
  EXPECT_EQ(cx[0], 2.0f);
  EXPECT_NEAR(cx[1], 0.0f, 1e-6f);
  EXPECT_FLOAT_EQ(cy[1], 2.0f);
  EXPECT_FLOAT_EQ(cx[2], -2.0f);
  arcirclerad(cx, cy, 1, 0.0f, 0.0f, 2.0f, anglerad(3), anglerad(5));
  EXPECT_NEAR(cx[0], 0.0f, 1e-6f);
  EXPECT_FLOAT_EQ(cy[0], 2.0f);
  float r[2] = {2, 3}, tt[2] = {0, anglerad(3)};
  rt2xy(tt, r, r, tt, 2);  // x over t, y over r
  EXPECT_EQ(tt[0], 2.0f);
  EXPECT_NEAR(tt[1], 0.0f, 1e-6f);
  EXPECT_EQ(r[0], 0.0f);
  EXPECT_EQ(r[1], 3.0f);
}

class Matrices : public ConsoleTest {};

TEST_F(Matrices, InverseDeterminantAndProducts) {
  float b[4] = {1, 3, 2, 4};  // b(1,1)=1 b(2,1)=3 b(1,2)=2 b(2,2)=4, by columns
  float det;
  m22determt(det, b);
  EXPECT_EQ(det, -2.0f);
  m22invert(b, b);  // in place
  EXPECT_EQ(b[0], -2.0f);
  EXPECT_EQ(b[2], 1.0f);
  EXPECT_EQ(b[1], 1.5f);
  EXPECT_EQ(b[3], -0.5f);

  float a[6] = {1, 2, 3, 4, 5, 6};  // 2 x 3 by columns: rows (1 3 5) (2 4 6)
  float v[3] = {1, 0, 2}, c[2];
  mnpxvp(c, a, v, 2, 3);
  EXPECT_EQ(c[0], 11.0f);
  EXPECT_EQ(c[1], 14.0f);
  float sq[4] = {1, 2, 3, 4}, w[2] = {1, 1};
  float separate[2];
  mnpxvp(separate, sq, w, 2, 2);
  mnpxvp(w, sq, w, 2, 2);  // in place gives the same
  EXPECT_EQ(w[0], separate[0]);
  EXPECT_EQ(w[1], separate[1]);
  float m[4] = {1, 2, 3, 4}, id[4] = {0, 1, 1, 0};
  mnpxmpq(m, m, id, 2, 2, 2);  // columns swapped, written over a
  EXPECT_EQ(m[0], 3.0f);
  EXPECT_EQ(m[1], 4.0f);
  EXPECT_EQ(m[2], 1.0f);
  EXPECT_EQ(m[3], 2.0f);
  float z[2] = {9, 9};
  mnpxvp(z, sq, w, 2, 0);  // p below 1: zero products
  EXPECT_EQ(z[0], 0.0f);
}

TEST_F(Matrices, SingularMatrixAsksWhetherToStop) {
  float b[4] = {1, 2, 2, 4}, out[4] = {7, 7, 7, 7};
  input("n\n\n");  // do not stop, then the pause
  m22invert(out, b);
  std::string text = take_output();
  EXPECT_NE(text.find(" det(B) =        0.00    \n b(1,1) =        1.00     b(1,2) =        2.00    \n"
                      " b(2,1) =        2.00     b(2,2) =        4.00    \n => Cannot Invert B\n"),
            std::string::npos);
  EXPECT_NE(text.find("UNRECOVERABLE ERROR ==> QUITTING ADVISED"), std::string::npos);
  EXPECT_EQ(out[0], 7.0f);  // left as it was
  input("\n\n");
  EXPECT_THROW(m22invert(out, b), ProgramStop);
}

}  // namespace
