// The checks and the conversion, through whole runs from a data file to a results file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <random>
#include <vector>

#include "gral_lib/console.h"
#include "support/run_harness.h"

namespace {

const std::string T = "\t";

class Conversion : public RunHarness {
 protected:
  // Runs a data file holding the one record; returns the console.
  std::string one(int idatfmt, const std::string& record) {
    set.IDATFMT = idatfmt;
    data(record + "\n");
    return run();
  }
};

// Strike and true dip to two decimals as geologists check them, the comment, and the
// frames each record prints.
struct Worked {
  int fmt;
  const char* record;
  bool converted;
  float strike, dip;
  const char* comment;
  int warnings, errors;
};

const Worked worked[] = {
    {1, "16 'E'  50 'N'", true, 283.53f, 50.79f, "", 0, 0},
    {1, "16 'W' 200 'A'", true, 200.0f, 16.97f, "", 0, 0},
    {2, "16  90 50   0", true, 283.53f, 50.79f, "", 0, 0},
    {2, "16 180  0 200", true, 20.0f, 39.98f, "output strike = input strike + 180", 1, 0},
    {1, "30 N 30 E", true, 315.0f, 39.23f, "", 0, 0},
    {1, "20 E 40 N", true, 293.45f, 42.45f, "", 0, 0},
    {1, "60 W 10 N", true, 185.81f, 60.13f, "", 0, 0},
    {1, "30 N 0 E", true, 270.0f, 30.0f, "", 0, 0},
    {2, "20 10 40 100", true, 346.55f, 42.45f, "", 0, 0},
    {1, "30 E 0 A", true, 0.0f, 30.0f, "", 0, 0},
    {2, "30 90 0 0", true, 0.0f, 30.0f, "", 0, 0},
    {2, "30 0 0 315", true, 315.0f, 39.23f, "", 0, 0},
    {1, "30 W 0 A", true, 180.0f, 30.0f, "output strike = input strike + 180", 1, 0},
    {1, "20 N 45 A", true, 225.0f, 27.24f, "output strike = input strike + 180", 1, 0},
    {1, "0 N 45 A", true, 0.0f, 0.0f, "horizontal plane", 1, 0},
    {1, "90 E 0 A", true, 0.0f, 90.0f, "vertical plane", 0, 0},
    {1, "90 W 0 A", true, 180.0f, 90.0f, "vertical plane", 1, 0},
    {1, "30 N 0 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 0, 1},
    {1, "30 W 90 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 1, 1},
    {1, "0 N 0 E", true, 0.0f, 0.0f, "horizontal plane", 1, 0},
    {1, "0 N 30 E", false, 0, 0, "error: 1st dip = 0 => should be in 2nd position", 0, 1},
    {1, "90 N 90 E", false, 0, 0, "error: vertical plane without strike", 0, 1},
    {1, "90 N 30 E", false, 0, 0, "error: inconsistent dips for vertical plane", 0, 1},
    {1, "30 N 90 E", false, 0, 0, "error: inconsistent dips for vertical plane", 0, 1},
    // Further edges: strikes out of [0, 360) are reduced; swapped data give the same plane.
    {1, "0.00005 E 30 A", true, 0.0f, 0.0f, "horizontal plane", 1, 0},
    {1, "30 E 360 A", true, 0.0f, 30.0f, "", 0, 0},
    {1, "30 E -360 A", true, 0.0f, 30.0f, "", 0, 0},
    {1, "30 E 725 A", true, 5.0f, 30.09f, "", 0, 0},
    {1, "30 E 30 N", true, 315.0f, 39.23f, "", 0, 0},
    {1, "40 N 20 E", true, 293.45f, 42.45f, "", 0, 0},
    {1, "10 N 60 W", true, 185.81f, 60.13f, "", 0, 0},
    {1, "0 E 30 N", false, 0, 0, "error: 1st dip = 0 => should be in 2nd position", 0, 1},
    // Exactly opposite the strike, either way round: no plane.
    {1, "30 W 90 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 1, 1},
    {1, "30 S 0 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 1, 1},
    {1, "30 N 180 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 0, 1},
    {1, "30 E 270 A", false, 0, 0, "error: same dip direction [modulo 180], late detection", 0, 1},
    // An extreme ratio of dips: the arc tangent rounds past pi/2, the dip stays positive.
    {1, "0.001 N 89.99 E", true, 0.0f, 89.86f, "", 0, 0},
};

TEST_F(Conversion, WorkedExamplesOneByOne) {
  for (const Worked& w : worked) {
    SCOPED_TRACE(w.record);
    std::string console = one(w.fmt, w.record);
    EXPECT_EQ(rec.nread, 1);
    EXPECT_EQ(rec.nconv, w.converted ? 1 : 0);
    EXPECT_EQ(count_of(console, "WARNING END"), w.warnings);
    EXPECT_EQ(count_of(console, "ERROR END"), w.errors);
    EXPECT_EQ(count_of(console, "===> NO CONVERSION"), w.errors);
    std::string comment(w.comment);
    comment.resize(55, ' ');
    EXPECT_EQ(rec.comment, comment);
    std::vector<std::string> r = records();
    ASSERT_EQ(r.size(), 1u);
    std::string tail = w.comment[0] ? w.comment : " ";
    EXPECT_EQ(r[0].substr(r[0].size() - tail.size()), tail);
    if (!w.converted) continue;
    float ds = std::fabs(rec.STRIKE - w.strike);
    EXPECT_LT(std::fmin(ds, 360.0f - ds), 0.006f);
    EXPECT_NEAR(rec.TRUEDIP, w.dip, 0.006f);
    EXPECT_GE(rec.TRUEDIP, 0.0f);
    EXPECT_LE(rec.TRUEDIP, 90.0f);
  }
}

TEST_F(Conversion, WorkedExamplesFormat1ResultsRecords) {
  data("16 'E'  50 'N'\n16 'W' 200 'A'\n30 N 30 E\n20 E 40 N\n60 W 10 N\n30 N 0 E\n30 E 0 A\n30 W 0 A\n"
       "20 N 45 A\n0 N 45 A\n90 E 0 A\n90 W 0 A\n30 N 0 A\n30 W 90 A\n0 N 0 E\n0 N 30 E\n90 N 90 E\n"
       "90 N 30 E\n30 N 90 E\n");
  std::string console = run();
  const std::string late = "error: same dip direction [modulo 180], late detection";
  const std::string reset = "output strike = input strike + 180";
  std::vector<std::string> want = {
      "  16.0" + T + "'E'" + T + "  50.0" + T + "'N'" + T + " 283.5" + T + "  50.8" + T + " ",
      "  16.0" + T + "'W'" + T + " 200.0" + T + "'A'" + T + " 200.0" + T + "  17.0" + T + " ",
      "  30.0" + T + "'N'" + T + "  30.0" + T + "'E'" + T + " 315.0" + T + "  39.2" + T + " ",
      "  20.0" + T + "'E'" + T + "  40.0" + T + "'N'" + T + " 293.4" + T + "  42.4" + T + " ",
      "  60.0" + T + "'W'" + T + "  10.0" + T + "'N'" + T + " 185.8" + T + "  60.1" + T + " ",
      "  30.0" + T + "'N'" + T + "   0.0" + T + "'E'" + T + " 270.0" + T + "  30.0" + T + " ",
      "  30.0" + T + "'E'" + T + "   0.0" + T + "'A'" + T + "   0.0" + T + "  30.0" + T + " ",
      "  30.0" + T + "'W'" + T + "   0.0" + T + "'A'" + T + " 180.0" + T + "  30.0" + T + reset,
      "  20.0" + T + "'N'" + T + "  45.0" + T + "'A'" + T + " 225.0" + T + "  27.2" + T + reset,
      "   0.0" + T + "'N'" + T + "  45.0" + T + "'A'" + T + "   0.0" + T + "   0.0" + T + "horizontal plane",
      "  90.0" + T + "'E'" + T + "   0.0" + T + "'A'" + T + "   0.0" + T + "  90.0" + T + "vertical plane",
      "  90.0" + T + "'W'" + T + "   0.0" + T + "'A'" + T + " 180.0" + T + "  90.0" + T + "vertical plane",
      "  30.0" + T + "'N'" + T + "   0.0" + T + "'A'" + T + "      " + T + "      " + T + late,
      "  30.0" + T + "'W'" + T + "  90.0" + T + "'A'" + T + "      " + T + "      " + T + late,
      "   0.0" + T + "'N'" + T + "   0.0" + T + "'E'" + T + "   0.0" + T + "   0.0" + T + "horizontal plane",
      "   0.0" + T + "'N'" + T + "  30.0" + T + "'E'" + T + "      " + T + "      " + T +
          "error: 1st dip = 0 => should be in 2nd position",
      "  90.0" + T + "'N'" + T + "  90.0" + T + "'E'" + T + "      " + T + "      " + T +
          "error: vertical plane without strike",
      "  90.0" + T + "'N'" + T + "  30.0" + T + "'E'" + T + "      " + T + "      " + T +
          "error: inconsistent dips for vertical plane",
      "  30.0" + T + "'N'" + T + "  90.0" + T + "'E'" + T + "      " + T + "      " + T +
          "error: inconsistent dips for vertical plane",
  };
  EXPECT_EQ(records(), want);
  EXPECT_NE(console.find(" Read         19 DATA\n Converted    13 DATA\n Number of problematic data =     6\n"),
            std::string::npos);
}

TEST_F(Conversion, WorkedExamplesFormat2ResultsRecords) {
  set.IDATFMT = 2;
  data("16  90 50   0\n16 180  0 200\n20 10 40 100\n30 90 0 0\n30 0 0 315\n16 90 50 270\n");
  run();
  std::vector<std::string> want = {
      "  16.0" + T + "  90.0" + T + "  50.0" + T + "   0.0" + T + " 283.5" + T + "  50.8" + T + " ",
      // The turned strike shows in the direction column.
      "  16.0" + T + " 180.0" + T + "   0.0" + T + "  20.0" + T + "  20.0" + T + "  40.0" + T +
          "output strike = input strike + 180",
      "  20.0" + T + "  10.0" + T + "  40.0" + T + " 100.0" + T + " 346.6" + T + "  42.4" + T + " ",
      "  30.0" + T + "  90.0" + T + "   0.0" + T + "   0.0" + T + "   0.0" + T + "  30.0" + T + " ",
      "  30.0" + T + "   0.0" + T + "   0.0" + T + " 315.0" + T + " 315.0" + T + "  39.2" + T + " ",
      "  16.0" + T + "  90.0" + T + "  50.0" + T + " 270.0" + T + "      " + T + "      " + T +
          "error: same dip direction [modulo 180], early detection",
  };
  EXPECT_EQ(records(), want);
}

TEST_F(Conversion, StrikeResetAndLateDetectionFrames) {
  iocom.lpause = true;
  data("30 W 90 A\n");
  std::string console = run_with("\n\n\n\n");
  std::string w2 = " while reading data nb     1\n input  strike with dip to the LEFT\n"
                   " output strike with dip to the RIGHT\n strike =    90.0\n ==> strike reset to :   270.0\n"
                   " ===> HIT RETURN TO CONTINUE\n";
  std::string e1 = "***\n while reading data nb     1\n The two data have same strike\n 1st dip dir =   270.0\n"
                   " 2nd dip dir =   270.0\n ===> NO CONVERSION\n ===> HIT RETURN TO CONTINUE\n";
  EXPECT_NE(console.find(w2), std::string::npos) << console;
  EXPECT_NE(console.find(e1), std::string::npos) << console;
  EXPECT_LT(console.find(w2), console.find(e1));
  EXPECT_NE(console.find("///          subroutine  kelvorastrim          ///"), std::string::npos);
  EXPECT_NE(console.find("***          subroutine  kelvorastrim          ***"), std::string::npos);
}

TEST_F(Conversion, WarningAndErrorFrameLines) {
  std::string c = one(1, "0 N 0 E");
  EXPECT_NE(c.find(" while reading data nb     1\n horizontal plane\n 1st dip =     0.0\n 2nd dip =     0.0\n"),
            std::string::npos);
  c = one(1, "0 N 30 E");
  EXPECT_NE(c.find(" 1st data should be in 2nd position\n 1st dip =     0.0\n ===> NO CONVERSION\n"),
            std::string::npos);
  c = one(1, "90 N 90 E");
  EXPECT_NE(c.find(" vertical plane without strike\n 1st dip =    90.0\n 2nd dip =    90.0\n ===> NO CONVERSION\n"),
            std::string::npos);
  c = one(1, "90 N 30 E");
  EXPECT_NE(c.find(" inconsistent dips for vertical plane\n 1st dip =    90.0\n 2nd dip =    30.0\n"),
            std::string::npos);
}

TEST_F(Conversion, StrikeModeByTheSecondDipInNumericalFormats) {
  // Below 1e-4 the second value is a strike; from 1e-4 on it is a dip.
  one(2, "30 90 0.00005 0");
  EXPECT_EQ(rec.nconv, 1);
  EXPECT_NEAR(rec.STRIKE, 0.0f, 1e-4f);
  EXPECT_NEAR(rec.TRUEDIP, 30.0f, 0.006f);
  one(2, "30 90 0.0001 0");
  EXPECT_NEAR(rec.STRIKE, 360.0f, 0.01f);  // two dips, the second one almost 0
  EXPECT_NEAR(rec.TRUEDIP, 30.0f, 0.006f);
  // A first dip below 1e-4 is a horizontal plane in strike mode only.
  std::string c = one(1, "0.00005 N 30 E");
  EXPECT_EQ(rec.comment.substr(0, 1), " ");
  EXPECT_EQ(count_of(c, "WARNING END"), 0);
  EXPECT_EQ(rec.nconv, 1);
}

TEST_F(Conversion, ResultsAreFiniteForTinyFirstDips) {
  // A first dip whose tangent is 0 in single precision counts as 0.
  one(1, "1e-45 N 0 E");
  EXPECT_EQ(rec.comment.substr(0, 16), "horizontal plane");
  one(1, "1e-45 N 30 E");
  EXPECT_EQ(rec.comment.substr(0, 12), "error: 1st d");
  one(1, "1e-40 N 89.999 E");
  EXPECT_TRUE(std::isfinite(rec.TRUEDIP) && std::isfinite(rec.STRIKE));
  EXPECT_GE(rec.TRUEDIP, 0.0f);
  EXPECT_EQ(records()[0].find("NaN"), std::string::npos);
}

TEST_F(Conversion, ExtremeValuesEndInANumberOrAnError) {
  // Strikes and azimuths far beyond a turn, dips at the edges of single precision: every
  // record ends, converted with a true dip in [0, 90] or reported.
  const char* letters[] = {"30 W 1e30 A",       "30 W -1e30 A",      "30 E 3.4e38 A",    "30 N -3.4e38 A",
                           "1e-30 W 45 A",      "89.99999 W 45 A",   "0.0001 N 3e7 A",   "30 W 179.99999 A",
                           "30 W 180.00002 A",  "30 N 180.00002 A",  "30 N 179.99998 A", "1e-38 N 89.99999 E",
                           "89.99999 N 1e-38 E"};
  const char* azimuths[] = {"30 1e30 40 5",      "30 3.4e38 40 -3.4e38", "30 0 40 1e-30",   "1e-30 0 89.99999 90",
                            "89.99999 0 89.99999 90.0001", "30 16777216 40 16777306", "0.0001 0 0 3.4e38",
                            "30 3.4e38 0 0"};
  for (int fmt : {1, 2}) {
    for (const char* r : fmt == 1 ? std::vector<const char*>(std::begin(letters), std::end(letters))
                                  : std::vector<const char*>(std::begin(azimuths), std::end(azimuths))) {
      SCOPED_TRACE(r);
      one(fmt, r);
      ASSERT_EQ(rec.nread, 1);
      std::string line = records().at(0);
      EXPECT_EQ(line.find("NaN"), std::string::npos);
      EXPECT_EQ(line.find("Inf"), std::string::npos);
      if (rec.nconv == 1) {
        EXPECT_TRUE(rec.TRUEDIP >= 0.0f && rec.TRUEDIP <= 90.0f) << rec.TRUEDIP;
        EXPECT_TRUE(std::isfinite(rec.STRIKE)) << rec.STRIKE;
      }
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
    {1, "30 e 40 n", "error: 1st direction should be E,W,N,S",
     " 1st dip direction = e\n => 1st dip direction should be E,W,N,S\n"},
    {1, "95 X 40 N", "error: 1st direction should be E,W,N,S", " 1st dip direction = X\n"},
    {1, "30 E 40 a", "error: 2nd direction should be E,W,N,S,A",
     " 2nd dip direction = a\n => 2nd dip direction should be E,W,N,S,A\n"},
    {1, "95 E 95 E", "error: same dip direction [modulo 180], early detection",
     " 1st dip direction = E\n 2nd dip direction = E\n => Same directions modulo 180 deg\n"},
    {1, "30 E 40 W", "error: same dip direction [modulo 180], early detection",
     " 1st dip direction = E\n 2nd dip direction = W\n => Same directions modulo 180 deg\n"},
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
    {2, "95 90 40 0", "error: 1st app dip out of [0,90]", " 1st dip =    95.0\n"},
    {2, "30 3e38 40 -3e38", "error: same dip direction [modulo 180], early detection", " dd2 - dd1 =        NaN"},
};

TEST_F(Conversion, EveryCheckWithItsCommentAndFrame) {
  for (const Check& k : checks) {
    SCOPED_TRACE(k.record);
    std::string c = one(k.fmt, k.record);
    EXPECT_EQ(rec.nconv, 0);
    EXPECT_EQ(count_of(c, "ERROR END"), 1);
    std::string comment(k.comment);
    EXPECT_EQ(records().at(0).substr(records()[0].size() - comment.size()), comment);
    std::size_t at = c.find(" while reading data nb     1\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(c.find(k.lines, at), std::string::npos) << c;
    EXPECT_LT(c.find(k.lines, at), c.find(" ===> NO CONVERSION\n"));
  }
}

TEST_F(Conversion, DipBoundsAndStrikesPassTheChecks) {
  for (const char* r : {"0 E 90 N", "90 E 0 N", "16 W 200 A", "30 E 400 A"}) {
    SCOPED_TRACE(r);
    std::string c = one(1, r);
    EXPECT_EQ(count_of(c, "while reading data nb"), count_of(c, "WARNING END") + count_of(c, "ERROR END"));
    EXPECT_EQ(c.find("[0,90]"), std::string::npos);
    EXPECT_EQ(c.find("early detection"), std::string::npos);
  }
  one(2, "16 180  0 200");
  EXPECT_EQ(rec.nconv, 1);
}

// A plane of strike s and dip d, seen in direction az, shows the apparent dip
// atan(tan d cos(az - (s + 90))): computed here from the plane's normal vector in double
// precision, independently of the program's formulas.
double apparent_dip(double strike, double dip, double az) {
  const double r = M_PI / 180.0;
  double dd = (strike + 90.0) * r;
  // Downward unit normal rotated up: the plane holds the horizontal strike vector and the
  // dip vector; the apparent dip is the slope of the plane's line above direction az.
  double nx = std::sin(dip * r) * std::sin(dd), ny = std::sin(dip * r) * std::cos(dd), nz = std::cos(dip * r);
  double ex = std::sin(az * r), ey = std::cos(az * r);  // east, north components
  double slope = (nx * ex + ny * ey) / nz;               // descent per unit horizontal length
  return std::atan(slope) / r;
}

double angle_gap(double a, double b) {
  double g = std::fmod(std::fabs(a - b), 360.0);
  return std::fmin(g, 360.0 - g);
}

TEST_F(Conversion, RecoversKnownPlanesToThePrintedPrecision) {
  std::mt19937 gen(20250417);
  std::uniform_real_distribution<double> strike_d(0.0, 360.0), dip_d(3.0, 87.0), off(-80.0, 80.0);
  std::string lines;
  struct Plane {
    double strike, dip;
  };
  std::vector<Plane> planes;
  char buf[160];
  while (planes.size() < 400) {
    double s = strike_d(gen), d = dip_d(gen);
    double dd = s + 90.0;
    double az1 = dd + off(gen), az2 = dd + off(gen);
    double a1 = apparent_dip(s, d, az1), a2 = apparent_dip(s, d, az2);
    // Directions at least 20 degrees apart and a first dip of a few degrees.
    if (angle_gap(az1, az2) < 20.0 || a1 < 2.0 || a2 < 0.0) continue;
    std::snprintf(buf, sizeof buf, "%.6f %.6f %.6f %.6f\n", a1, az1, a2, az2);
    lines += buf;
    planes.push_back({s, d});
    // The same plane as one apparent dip and its strike, given either way round.
    double strike_given = (planes.size() / 2) % 2 ? s + 180.0 : s;
    std::snprintf(buf, sizeof buf, "%.6f %.6f 0 %.6f\n", a1, az1, strike_given);
    lines += buf;
    planes.push_back({s, d});
  }
  set.IDATFMT = 2;
  data(lines);
  run();
  std::vector<std::string> r = records();
  ASSERT_EQ(r.size(), planes.size());
  for (std::size_t i = 0; i < r.size(); ++i) {
    SCOPED_TRACE(r[i]);
    float strike = 0, dip = 0;
    ASSERT_EQ(std::sscanf(r[i].c_str(), "%*f %*f %*f %*f %f %f", &strike, &dip), 2);
    EXPECT_LE(angle_gap(strike, planes[i].strike), 0.05 + 0.01);
    EXPECT_NEAR(dip, planes[i].dip, 0.05 + 0.01);
  }
  EXPECT_EQ(rec.nconv, static_cast<int>(planes.size()));
}

}  // namespace
