#include "axis_lib/axisdraw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "axis_lib/axis_lines.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "math_lib/angles.h"
#include "plt_lib/draw.h"
#include "plt_lib/textattributes.h"

namespace {

constexpr RoutineId cmaxis11_id{"cmaxis11", " 3.2", "2017-12-26"};
constexpr RoutineId cmtic2_id{"cmtic2", " 4.1", "2012-05-09"};

float reduced(float a, float period) {
  float r = a;
  moducr(&r, &a, period, 1);
  return r;
}

// A computed value truncated toward zero; NaN gives 0 and a value beyond the integer range
// the nearest bound, decided in float before anything is converted.
int truncated(float v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0f) return INT_MAX;
  if (v <= -2147483648.0f) return INT_MIN;
  return static_cast<int>(v);
}

// The increment in use and the number of tic intervals from WAU1 to WAU2, before a sign
// that leads away from WAU2 is turned: an increment of 0 asks for one interval, and equal
// bounds with no increment leave the count undefined (NaN).
float tic_intervals(float WAU1, float WAU2, float WAUD, float& d) {
  d = WAUD == 0.0f ? WAU2 - WAU1 : WAUD;
  return d != 0.0f ? (WAU2 - WAU1) / d : std::numeric_limits<float>::quiet_NaN();
}

bool too_many_tics(float n) { return n + 0.0001f >= static_cast<float>(max_tics_per_axis); }

// The major tics for n intervals, and the subtics after the last one.
void tic_counts(float n, int NASUBINT, int& NTICS, int& NSUBLAST) {
  const int ntic = static_cast<int>(n + 0.0001f);
  NTICS = ntic + 1;
  NSUBLAST = truncated(0.0001f + (n - static_cast<float>(ntic)) * static_cast<float>(NASUBINT));
}

// Subtics between two major tics: none for an interval count of 1 or less (taken from the
// count before subtracting, so the most negative integer cannot overflow).
int subtics_between(int NSUBINT) { return std::max(NSUBINT, 1) - 1; }

// The subtics along NTICS major tics, in 64 bits: at most max_tics_per_axis times the
// largest interval count.
long long subtic_count(int NTICS, int NSUBINT, int NSUBLAST) {
  return static_cast<long long>(NTICS - 1) * subtics_between(NSUBINT) + std::max(NSUBLAST, 0);
}

// An annotation: the value truncated to an integer when NAWDIG is 0, else with NAWDIG
// decimals, in at most 20 characters.
std::string annotation(float value, int NAWDIG) {
  static std::string s;  // kept from one annotated tic to the next: no allocation for each
  s.assign(20, ' ');
  int n = 0;
  if (NAWDIG == 0)
    intg2char(s, n, 20, truncated(value));
  else
    real2charf1(s, n, NAWDIG, 20, value);
  return s.substr(0, static_cast<std::size_t>(std::clamp(n, 0, 20)));
}

// Estimated width, in characters, of the widest annotation.
float annotation_width(float WAU1, float WAU2, int NAWDIG) {
  float c = static_cast<float>(
      std::max(annotation(std::fabs(WAU1), NAWDIG).size(), annotation(std::fabs(WAU2), NAWDIG).size()));
  if (NAWDIG != 0) c = c - 0.5f;
  if (WAU1 < 0.0f || WAU2 < 0.0f) c = c - 0.5f;
  return c;
}

// A text along the axis: the axis direction turned to read upright; centred above its
// point when the tics point to the text's upper side, hanging below it otherwise.
void along_axis(float AXANG, float ticang, float& angle, int& code) {
  angle = reduced(AXANG, 360.0f);
  bool upright = angle > -90.0f && angle <= 90.0f;
  if (!upright) angle = reduced(angle, 180.0f);
  code = (ticang >= 0.0f) == upright ? -2 : -10;
}

// A text along the tics, wholly beyond its point on the far side from the axis.
void along_tics(float AXANG, float ticang, float& angle, int& code) {
  angle = reduced(AXANG + ticang, 360.0f);
  code = -5;
  if (!(angle > -90.0f && angle <= 90.0f)) {
    angle = reduced(angle, 180.0f);
    code = -7;
  }
}

void set_text(float& size, float angle, int code) {
  stextsize(size, 1);
  stextangle(angle, 1);
  stextalign(code, 1);
}

void skipping_tics(std::string_view heading, float WAU1, float WAU2, float WAUD) {
  warninghead(cmaxis11_id.name, cmaxis11_id.version, cmaxis11_id.date);
  annotation_lines(heading, WAU1, WAU2, WAUD);
  axis_text("=> SKIPPING TICS");
  warningtail00();
}

void line2(float x1, float y1, float x2, float y2) {
  const float x[2] = {x1, x2}, y[2] = {y1, y2};
  cmline(x, y, 2);
}

}  // namespace

void cmaxis11(float X1, float Y1, float X2, float Y2, float TICANG, int NASUBINT, int NLABINTK, float WAU1,
              float WAU2, float WAUD, int NAWDIG, float& WALAS, int IXY, std::string_view LABEL) {
  float size0 = 0.0f, angle0 = 0.0f;
  int justif0 = 0;
  stextsize(size0, 3);
  stextangle(angle0, 3);
  stextalign(justif0, 3);

  // The sizes derive from a title height that the text-size setter takes: one it refuses
  // is corrected here, before tics are made from it, and not only when the title is drawn.
  stextsize(WALAS, 1);
  float ts = 0.8f * WALAS;
  const float T = 0.5f * ts;
  const float subratio = 0.5f;
  const float V[2] = {X2 - X1, Y2 - Y1};
  float t = 0.0f;
  xy2t(&t, &V[0], &V[1], 1);
  const float AXANG = deg(t);
  line2(X1, Y1, X2, Y2);

  // Tic intervals from WAU1 to WAU2; equal bounds with no increment leave their count
  // undefined, and then no tic is drawn. A span beyond single precision places no tic
  // either: the increment it would ask for is not a number that can be shown.
  float d = 0.0f;
  float n = tic_intervals(WAU1, WAU2, WAUD, d);
  bool tics = true;
  if (!std::isfinite(WAU2 - WAU1)) {
    skipping_tics("Bounds too far apart:", WAU1, WAU2, WAUD);
    tics = false;
  } else if (WAUD == 0.0f || n < 0.0f) {
    if (n < 0.0f) {
      d = -d;
      n = -n;
    }
    warninghead(cmaxis11_id.name, cmaxis11_id.version, cmaxis11_id.date);
    annotation_lines("Inconsistent annotation increment:", WAU1, WAU2, WAUD);
    axis_value("=> RESET increment =", d);
    warningtail00();
  } else if (n == 0.0f) {
    skipping_tics("Identical annotation bounds:", WAU1, WAU2, WAUD);
    tics = false;
  }
  int NTICS = 0, NSUBLAST = 0;
  float DAXTIC[2] = {0.0f, 0.0f};
  if (tics && !std::isnan(n)) {
    if (too_many_tics(n)) {
      skipping_tics("Too many annotation tics:", WAU1, WAU2, d);
      tics = false;
    } else {
      tic_counts(n, NASUBINT, NTICS, NSUBLAST);
      DAXTIC[0] = V[0] / n;
      DAXTIC[1] = V[1] / n;
    }
  }

  const float ticang = reduced(TICANG, 360.0f);
  const float a = rad(AXANG + ticang);
  const float VTIC0[2] = {std::cos(a), std::sin(a)};
  if (tics) {
    const float ORIG[2] = {X1, Y1};
    const float VTIC[2] = {T * VTIC0[0], T * VTIC0[1]};
    cmtic2(ORIG, DAXTIC, VTIC, subratio, NTICS, NASUBINT, NSUBLAST);
  }
  const float W = 0.6f * ts * annotation_width(WAU1, WAU2, NAWDIG);

  if (tics) {
    float angle = 0.0f;
    int code = 0;
    if (IXY == 2)
      along_axis(AXANG, ticang, angle, code);
    else
      along_tics(AXANG, ticang, angle, code);
    set_text(ts, angle, code);
    const float bx = X1 + 1.5f * T * VTIC0[0], by = Y1 + 1.5f * T * VTIC0[1];
    // An interval of 0 cannot step from one annotated tic to the next: every tic is annotated.
    const long long step = NLABINTK == 0 ? 1 : NLABINTK;
    const long long count = (NTICS + step - 1) / step;
    for (long long i = 0; i < count; ++i) {
      const float k1 = static_cast<float>(i * step);  // k - 1 of the k-th tic
      // The first stands at the base point itself: with a single tic the step between
      // tics may have overflowed, and 0 times it would place the text nowhere.
      const float x = i == 0 ? bx : bx + k1 * DAXTIC[0], y = i == 0 ? by : by + k1 * DAXTIC[1];
      cmtext2(x, y, annotation(WAU1 + k1 * d, NAWDIG));
    }
  }

  float angle = 0.0f;
  int code = 0;
  along_axis(AXANG, ticang, angle, code);
  const float offset = IXY == 2 ? 2.0f * T + ts : 2.0f * T + W;
  const float px = X1 + 0.5f * V[0] + offset * VTIC0[0];
  const float py = Y1 + 0.5f * V[1] + offset * VTIC0[1];
  set_text(WALAS, angle, code);
  cmtext2(px, py, trimmed(LABEL));

  stextsize(size0, 1);
  stextangle(angle0, 1);
  stextalign(justif0, 1);
}

TicFault axis_tic_fault(float WAU1, float WAU2, float WAUD, int NASUBINT) {
  float d = 0.0f;
  const float n = std::fabs(tic_intervals(WAU1, WAU2, WAUD, d));
  if (std::isnan(n) || n == 0.0f) return TicFault::identical_bounds;
  if (too_many_tics(n)) return TicFault::too_many_tics;
  int NTICS = 0, NSUBLAST = 0;
  tic_counts(n, NASUBINT, NTICS, NSUBLAST);
  return subtic_count(NTICS, NASUBINT, NSUBLAST) > max_tics_per_axis ? TicFault::too_many_subtics : TicFault::none;
}

void cmtic2(const float ORIG[2], const float DTIC[2], const float VTIC[2], float SUBRATIO, int NTICS, int NSUBINT,
            int NSUBLAST) {
  const RoutineId& id = cmtic2_id;
  if (NTICS < 1 || NTICS > max_tics_per_axis) {
    warninghead(id.name, id.version, id.date);
    if (NTICS < 1)
      axis_text(Line().a("ntics =").x().i(NTICS, 6).x().a("< 1 ==> NO TICKMARKS"));
    else
      axis_text(Line().a("ntics =").x().i(NTICS, 6).x().a(">").x().i(max_tics_per_axis, 5).a(" ==> NO TICKMARKS"));
    warningtail00();
    return;
  }
  const int between = subtics_between(NSUBINT);
  const long long subtics = subtic_count(NTICS, NSUBINT, NSUBLAST);
  const bool with_subtics = subtics <= max_tics_per_axis;
  if (!with_subtics) {
    warninghead(id.name, id.version, id.date);
    // At most max_tics_per_axis times the largest interval count: 14 digits.
    axis_text(Line().a("nsubtics =").x().i(subtics, 14).x().a(">").x().i(max_tics_per_axis, 5)
                  .a(" ==> NO SUBTICKMARKS"));
    warningtail00();
  }
  float DSUBTIC[2] = {0.0f, 0.0f};
  if (NSUBINT != 0) {
    DSUBTIC[0] = DTIC[0] / static_cast<float>(NSUBINT);
    DSUBTIC[1] = DTIC[1] / static_cast<float>(NSUBINT);
  }
  const float sub[2] = {SUBRATIO * VTIC[0], SUBRATIO * VTIC[1]};
  float CMAXTIC[2][2] = {{ORIG[0], ORIG[1]}, {0.0f, 0.0f}};  // base and end point of the major tic
  for (int k = 1; k <= NTICS; ++k) {
    if (k > 1) {
      CMAXTIC[0][0] = CMAXTIC[0][0] + DTIC[0];
      CMAXTIC[0][1] = CMAXTIC[0][1] + DTIC[1];
    }
    CMAXTIC[1][0] = CMAXTIC[0][0] + VTIC[0];
    CMAXTIC[1][1] = CMAXTIC[0][1] + VTIC[1];
    line2(CMAXTIC[0][0], CMAXTIC[0][1], CMAXTIC[1][0], CMAXTIC[1][1]);
    const int m = !with_subtics ? 0 : k == NTICS ? NSUBLAST : between;
    float px = CMAXTIC[0][0], py = CMAXTIC[0][1];
    for (int j = 1; j <= m; ++j) {
      px = px + DSUBTIC[0];
      py = py + DSUBTIC[1];
      line2(px, py, px + sub[0], py + sub[1]);
    }
  }
}
