// The checks and the conversion, through whole runs from a data file to a results file.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>

#include "gral_lib/console.h"
#include "support/run_harness.h"

namespace {

const std::string T = "\t";
const std::string late = "error: same dip direction [modulo 180], late detection";
const std::string early = "error: same dip direction [modulo 180], early detection";
const std::string turned = "output strike = input strike + 180";

class Conversion : public RunHarness {
 protected:
  // Runs a data file holding the one record; returns the console.
  std::string one(int idatfmt, const std::string& record) {
    set.IDATFMT = idatfmt;
    data(record + "\n");
    return run();
  }
  // The strike, dip and comment columns of the one results record.
  std::string tail() {
    std::string r = records().at(0);
    std::size_t at = r.size();
    for (int k = 0; k < 3; ++k) at = r.rfind('\t', at - 1);
    return r.substr(at + 1);
  }
};

// A record, the strike, dip and comment columns of its results record, and the warning and
// error frames it prints.
struct Worked {
  int fmt;
  const char* record;
  std::string columns;
  int warnings, errors;
};

const Worked worked[] = {
    {1, "16 'E'  50 'N'", " 283.5\t  50.8\t ", 0, 0},
    {1, "16 'W' 200 'A'", " 200.0\t  17.0\t ", 0, 0},
    {2, "16  90 50   0", " 283.5\t  50.8\t ", 0, 0},
    {2, "16 180  0 200", "  20.0\t  40.0\t" + turned, 1, 0},
    {1, "30 N 30 E", " 315.0\t  39.2\t ", 0, 0},
    {1, "20 E 40 N", " 293.4\t  42.4\t ", 0, 0},  // 293.45 and 42.45 to two decimals
    {1, "60 W 10 N", " 185.8\t  60.1\t ", 0, 0},
    {1, "30 N 0 E", " 270.0\t  30.0\t ", 0, 0},
    {2, "20 10 40 100", " 346.6\t  42.4\t ", 0, 0},  // 346.55 and 42.45
    {1, "30 E 0 A", "   0.0\t  30.0\t ", 0, 0},
    {2, "30 90 0 0", "   0.0\t  30.0\t ", 0, 0},
    {2, "30 0 0 315", " 315.0\t  39.2\t ", 0, 0},
    {1, "30 W 0 A", " 180.0\t  30.0\t" + turned, 1, 0},
    {1, "20 N 45 A", " 225.0\t  27.2\t" + turned, 1, 0},
    {1, "0 N 45 A", "   0.0\t   0.0\thorizontal plane", 1, 0},
    {1, "90 E 0 A", "   0.0\t  90.0\tvertical plane", 0, 0},
    {1, "90 W 0 A", " 180.0\t  90.0\tvertical plane", 1, 0},
    {1, "30 N 0 A", "      \t      \t" + late, 0, 1},
    {1, "30 W 90 A", "      \t      \t" + late, 1, 1},
    {1, "0 N 0 E", "   0.0\t   0.0\thorizontal plane", 1, 0},
    {1, "0 N 30 E", "      \t      \terror: 1st dip = 0 => should be in 2nd position", 0, 1},
    {1, "90 N 90 E", "      \t      \terror: vertical plane without strike", 0, 1},
    {1, "90 N 30 E", "      \t      \terror: inconsistent dips for vertical plane", 0, 1},
    {1, "30 N 90 E", "      \t      \terror: inconsistent dips for vertical plane", 0, 1},
    // Further edges: only exact zeros count in two-dip mode; strikes are reduced; swapped
    // data give the same plane.
    {1, "0.00005 E 30 A", "   0.0\t   0.0\thorizontal plane", 1, 0},
    {1, "0.00005 N 30 E", " 360.0\t  30.0\t ", 0, 0},
    {2, "30 90 0.00005 0", "   0.0\t  30.0\t ", 0, 0},
    {2, "30 90 0.0001 0", " 360.0\t  30.0\t ", 0, 0},
    {1, "30 E 360 A", "   0.0\t  30.0\t ", 0, 0},
    {1, "30 E -360 A", "   0.0\t  30.0\t ", 0, 0},
    {1, "30 E 725 A", "   5.0\t  30.1\t ", 0, 0},
    {1, "30 E 30 N", " 315.0\t  39.2\t ", 0, 0},
    {1, "40 N 20 E", " 293.4\t  42.4\t ", 0, 0},
    {1, "10 N 60 W", " 185.8\t  60.1\t ", 0, 0},
    {1, "0 E 30 N", "      \t      \terror: 1st dip = 0 => should be in 2nd position", 0, 1},
    // Exactly opposite the strike, either way round, is no plane.
    {1, "30 S 0 A", "      \t      \t" + late, 1, 1},
    {1, "30 N 180 A", "      \t      \t" + late, 0, 1},
    {1, "30 E 270 A", "      \t      \t" + late, 0, 1},
    // An extreme ratio of dips: the arc tangent rounds past pi/2; the dip is the plane's.
    {1, "0.001 N 89.99 E", "   0.0\t  90.0\t ", 0, 0},
    {1, "0.000001 N 60 E", "   0.0\t  60.0\t ", 0, 0},  // a tiny first dip: the plane's dip
    // A first dip whose tangent is 0 in single precision counts as 0.
    {1, "1e-45 N 0 E", "   0.0\t   0.0\thorizontal plane", 1, 0},
    {1, "1e-45 N 30 E", "      \t      \terror: 1st dip = 0 => should be in 2nd position", 0, 1},
    // Only a first dip of exactly 90 makes a strike's plane vertical.
    {1, "89.9999 E 0 A", "   0.0\t  90.0\t ", 0, 0},
};

TEST_F(Conversion, WorkedExamples) {
  for (const Worked& w : worked) {
    SCOPED_TRACE(w.record);
    std::string console = one(w.fmt, w.record);
    EXPECT_EQ(tail(), w.columns);
    EXPECT_EQ(rec.nconv, w.errors ? 0 : 1);
    EXPECT_EQ(count_of(console, "WARNING END"), w.warnings);
    EXPECT_EQ(count_of(console, "ERROR END"), w.errors);
    EXPECT_EQ(count_of(console, "===> NO CONVERSION"), w.errors);
  }
}

TEST_F(Conversion, WholeRecordsInFormats1And2) {
  data("16 'E'  50 'N'\n30 N 0 A\n");
  run();
  std::vector<std::string> want = {"  16.0" + T + "'E'" + T + "  50.0" + T + "'N'" + T + " 283.5" + T + "  50.8" + T + " ",
                                   "  30.0" + T + "'N'" + T + "   0.0" + T + "'A'" + T + "      " + T + "      " + T + late};
  EXPECT_EQ(records(), want);
  set.IDATFMT = 2;
  data("16 180  0 200\n16 90 50 270\n");
  run();
  // The turned strike shows in the direction column.
  want = {"  16.0" + T + " 180.0" + T + "   0.0" + T + "  20.0" + T + "  20.0" + T + "  40.0" + T + turned,
          "  16.0" + T + "  90.0" + T + "  50.0" + T + " 270.0" + T + "      " + T + "      " + T + early};
  EXPECT_EQ(records(), want);
}

TEST_F(Conversion, FrameLines) {
  iocom.lpause = true;
  data("30 W 90 A\n");
  std::string c = run_with("\n\n\n\n");  // two names, two pauses
  std::string w2 = " while reading data nb     1\n input  strike with dip to the LEFT\n"
                   " output strike with dip to the RIGHT\n strike =    90.0\n ==> strike reset to :   270.0\n"
                   " ===> HIT RETURN TO CONTINUE\n";
  std::string e1 = " while reading data nb     1\n The two data have same strike\n 1st dip dir =   270.0\n"
                   " 2nd dip dir =   270.0\n ===> NO CONVERSION\n ===> HIT RETURN TO CONTINUE\n";
  ASSERT_NE(c.find(w2), std::string::npos) << c;
  EXPECT_GT(c.find(e1), c.find(w2));
  EXPECT_NE(c.find(" ///          subroutine  kelvorastrim          ///\n"), std::string::npos);
  EXPECT_NE(c.find(" ***          subroutine  kelvorastrim          ***\n"), std::string::npos);
  iocom.lpause = false;
  for (auto [record, lines] : {std::pair{"0 N 0 E", " horizontal plane\n 1st dip =     0.0\n 2nd dip =     0.0\n"},
                               {"0 N 30 E", " 1st data should be in 2nd position\n 1st dip =     0.0\n ===> NO"},
                               {"90 N 90 E", " vertical plane without strike\n 1st dip =    90.0\n 2nd dip =    90.0\n"},
                               {"90 N 30 E", " inconsistent dips for vertical plane\n 1st dip =    90.0\n 2nd dip =    30.0"}}) {
    EXPECT_NE(one(1, record).find(std::string(" while reading data nb     1\n") + lines), std::string::npos) << record;
  }
}

TEST_F(Conversion, ExtremeValuesEndInANumberOrAnError) {
  // Strikes and azimuths far beyond a turn, dips at the edges of single precision: every
  // record ends, converted with a true dip in [0, 90], or reported.
  for (auto [fmt, r] : {std::pair{1, "30 W 1e30 A"}, {1, "30 N -3.4e38 A"}, {1, "1e-30 W 45 A"}, {1, "89.99999 W 45 A"},
                        {1, "0.0001 N 3e7 A"}, {1, "30 W 179.99999 A"}, {1, "30 N 180.00002 A"}, {1, "1e-38 N 89.99999 E"},
                        {2, "30 1e30 40 5"}, {2, "30 0 40 1e-30"}, {2, "1e-30 0 89.99999 90"},
                        {2, "30 16777216 40 16777306"}, {2, "0.0001 0 0 3.4e38"}, {2, "30 3.4e38 0 0"},
                        {2, "30 1.26362182e11 0 45"}}) {
    SCOPED_TRACE(r);
    one(fmt, r);
    ASSERT_EQ(rec.nread, 1);
    std::string line = records().at(0);
    EXPECT_EQ(line.find("NaN"), std::string::npos);
    EXPECT_EQ(line.find("Inf"), std::string::npos);
    if (rec.nconv == 1) {
      EXPECT_TRUE(rec.TRUEDIP >= 0.0f && rec.TRUEDIP <= 90.0f) << rec.TRUEDIP;
    }
  }
}

// The checks, in their order: the first failure is the only one reported.
struct Check {
  int fmt;
  const char* record;
  const char* comment;
  const char* lines;  // the check's own lines, after the record line
};

const Check checks[] = {
    {1, "30 X 40 N", "error: 1st direction should be E,W,N,S",
     " 1st dip direction = X\n => 1st dip direction should be E,W,N,S\n"},
    {1, "30 e 40 n", "error: 1st direction should be E,W,N,S", " 1st dip direction = e\n"},
    {1, "95 X 40 N", "error: 1st direction should be E,W,N,S", " 1st dip direction = X\n"},
    {1, "30 E 40 a", "error: 2nd direction should be E,W,N,S,A",
     " 2nd dip direction = a\n => 2nd dip direction should be E,W,N,S,A\n"},
    {1, "95 E 95 E", "error: same dip direction [modulo 180], early detection",
     " 1st dip direction = E\n 2nd dip direction = E\n => Same directions modulo 180 deg\n"},
    {1, "30 E 40 W", "error: same dip direction [modulo 180], early detection", " 2nd dip direction = W\n"},
    {1, "30 S 40 N", "error: same dip direction [modulo 180], early detection", " 2nd dip direction = N\n"},
    {1, "95 E 95 N", "error: 2nd app dip out of [0,90]", " 2nd dip out of [0,90]\n 2nd dip =    95.0\n"},
    {1, "95 E 40 N", "error: 1st app dip out of [0,90]", " 1st dip out of [0,90]\n 1st dip =    95.0\n"},
    {1, "-0.5 E 40 N", "error: 1st app dip out of [0,90]", " 1st dip =    -0.5\n"},
    {1, "30 E 90.5 N", "error: 2nd app dip out of [0,90]", " 2nd dip =    90.5\n"},
    {2, "30 90 -5 0", "error: 2nd app dip out of [0,90]", " 2nd dip out of [0,90]\n 2nd dip =    -5.0\n"},
    {2, "30 90 -5 90", "error: 2nd app dip out of [0,90]", " 2nd dip =    -5.0\n"},
    {2, "30 90 40 270", "error: same dip direction [modulo 180], early detection",
     " The two data have same strike\n 1st dip dir = dd1 =    90.0\n 2nd dip dir = dd2 =   270.0\n"
     " dd2 - dd1 =  0.000E+00 [modulo 180]\n"},
    {2, "30 90 40 -90", "error: same dip direction [modulo 180], early detection", " dd2 - dd1 =  0.000E+00"},
    {2, "30 90 0 90", "error: same dip direction [modulo 180], early detection", " 2nd dip dir = dd2 =    90.0\n"},
    {2, "30 90 40 89.99995", "error: same dip direction [modulo 180], early detection", " dd2 - dd1 ="},
    // Azimuths whose difference overflows cannot be told apart.
    {2, "30 3e38 40 -3e38", "error: same dip direction [modulo 180], early detection", " dd2 - dd1 =        NaN"},
    {2, "95 90 40 0", "error: 1st app dip out of [0,90]", " 1st dip =    95.0\n"},
};

TEST_F(Conversion, EveryCheckWithItsCommentAndFrame) {
  for (const Check& k : checks) {
    SCOPED_TRACE(k.record);
    std::string c = one(k.fmt, k.record);
    EXPECT_EQ(rec.nconv, 0);
    EXPECT_EQ(count_of(c, "ERROR END"), 1);
    EXPECT_EQ(tail(), "      \t      \t" + std::string(k.comment));
    std::size_t at = c.find(" while reading data nb     1\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(c.find(k.lines, at), c.find(" ===> NO CONVERSION\n")) << c;
  }
  // Dips of 0 and 90 are in range; a strike has no range.
  for (const char* r : {"0 E 90 N", "90 E 0 N", "30 E 400 A"}) EXPECT_EQ(one(1, r).find("out of [0,90]"), std::string::npos);
}

// The apparent dip in direction az of a plane of strike s and dip d, from the plane's normal
// vector in double precision, independently of the program's formulas.
double apparent_dip(double strike, double dip, double az) {
  const double r = M_PI / 180.0;
  double dd = (strike + 90.0) * r;
  double nx = std::sin(dip * r) * std::sin(dd), ny = std::sin(dip * r) * std::cos(dd), nz = std::cos(dip * r);
  double slope = (nx * std::sin(az * r) + ny * std::cos(az * r)) / nz;  // descent per unit length along az
  return std::atan(slope) / r;
}

double angle_gap(double a, double b) {
  double g = std::fmod(std::fabs(a - b), 360.0);
  return std::fmin(g, 360.0 - g);
}

// The strike and true dip of the plane holding the two apparent-dip lines, from their cross
// product in double precision.
std::pair<double, double> plane_through(double a1, double az1, double a2, double az2) {
  const double r = M_PI / 180.0;
  auto line = [r](double a, double az) {
    return std::array<double, 3>{std::sin(az * r) * std::cos(a * r), std::cos(az * r) * std::cos(a * r), -std::sin(a * r)};
  };
  std::array<double, 3> u = line(a1, az1), v = line(a2, az2);
  double nx = u[1] * v[2] - u[2] * v[1], ny = u[2] * v[0] - u[0] * v[2], nz = u[0] * v[1] - u[1] * v[0];
  if (nz < 0) nx = -nx, ny = -ny, nz = -nz;  // the upward normal leans towards the dip direction
  return {std::atan2(nx, ny) / r - 90.0, std::atan2(std::hypot(nx, ny), nz) / r};
}

TEST_F(Conversion, IllConditionedRecordsAgreeWithThePlane) {
  // First apparent dips of almost nothing, and directions all but opposite or parallel (a
  // turn apart, or 0.001 to 0.05 degrees), against second dips and directions over their range.
  set.IDATFMT = 2;
  for (float a1 : {1e-7f, 1e-6f, 3e-5f, 0.0003f, 0.002f, 0.01f, 0.1f, 30.0f})
    for (float a2 : {0.5f, 30.00017f, 60.0f, 85.0f, 89.99f})
      for (float az2 : {10.001f, 10.02f, 10.05f, 20.0f, 90.0f, 135.0f, 179.9f, 189.9996f, 250.0f, 369.9996f}) {
        char record[96];
        std::snprintf(record, sizeof record, "%.9g 10 %.9g %.9g\n", a1, a2, az2);
        SCOPED_TRACE(record);
        data(record);
        run();
        ASSERT_EQ(rec.nconv, 1);
        auto [strike, dip] = plane_through(a1, 10.0, a2, az2);
        EXPECT_NEAR(rec.TRUEDIP, dip, 0.05);
        EXPECT_LE(angle_gap(rec.STRIKE, strike), 0.05);
      }
}

TEST_F(Conversion, RecoversKnownPlanesToThePrintedPrecision) {
  std::mt19937 gen(20250417);
  std::uniform_real_distribution<double> strike_d(0.0, 360.0), dip_d(3.0, 87.0), off(-80.0, 80.0);
  std::string lines;
  std::vector<std::pair<double, double>> planes;
  char buf[160];
  while (planes.size() < 400) {
    double s = strike_d(gen), d = dip_d(gen), az1 = s + 90.0 + off(gen), az2 = s + 90.0 + off(gen);
    double a1 = apparent_dip(s, d, az1), a2 = apparent_dip(s, d, az2);
    // Directions at least 20 degrees apart and a first dip of a few degrees.
    if (angle_gap(az1, az2) < 20.0 || a1 < 2.0 || a2 < 0.0) continue;
    // The plane as two apparent dips, then as one apparent dip and its strike, given either
    // way round.
    double strike_given = (planes.size() / 2) % 2 ? s + 180.0 : s;
    std::snprintf(buf, sizeof buf, "%.6f %.6f %.6f %.6f\n%.6f %.6f 0 %.6f\n", a1, az1, a2, az2, a1, az1, strike_given);
    lines += buf;
    planes.insert(planes.end(), 2, {s, d});
  }
  set.IDATFMT = 2;
  data(lines);
  run();
  std::vector<std::string> r = records();
  ASSERT_EQ(r.size(), planes.size());
  for (std::size_t i = 0; i < r.size(); ++i) {
    float strike = 0, dip = 0;
    ASSERT_EQ(std::sscanf(r[i].c_str(), "%*f %*f %*f %*f %f %f", &strike, &dip), 2);
    EXPECT_LE(angle_gap(strike, planes[i].first), 0.06) << r[i];
    EXPECT_NEAR(dip, planes[i].second, 0.06) << r[i];
  }
}

}  // namespace
