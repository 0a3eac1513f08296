// Conversion of a checked measurement into the plane's true dip and right-hand strike
// (the plane dips towards the strike plus 90 degrees), in single precision.
#include <cmath>
#include <string_view>

#include "app/run_stages.h"
#include "gral_lib/frames.h"
#include "math_lib/angles.h"

namespace {

constexpr float tolerance = 1.0e-4f;  // degrees
// Where the formula keeps the plane to about a hundredth of a degree: up to this |q| (beyond
// it the rounding of atan(q) dominates its cosine), and from this sine of the angle between
// the two directions (below it, the rounding of that angle in radians dominates the sine).
constexpr float ill_conditioned_q = 1000.0f;
constexpr float ill_conditioned_sine = 1.0e-3f;
// The sine of 1e-4 degrees: a strike closer than that to the dip direction, or to its
// opposite, cannot define a plane. The single-precision sine of 180 degrees is not 0, so
// an exact test would let an opposite strike through as an impossible vertical plane.
constexpr float sine_tolerance = 1.7453293e-6f;

float azimuth(char letter) {
  switch (letter) {
    case 'E': return 90.0f;
    case 'S': return 180.0f;
    case 'W': return 270.0f;
    default: return 0.0f;  // N
  }
}

void reduce360(float& x) { modulr(&x, &x, 360.0f, 1); }

// The true dip and strike of a two-dip record where the formula is ill-conditioned. With a
// large q, b lies close to a right angle and its cosine, about 1/|q|, keeps only the few
// digits that the rounding of b leaves (0.000001 N 60 E gave 21.8 for a 60-degree plane);
// with directions all but parallel or opposite, the small sine of their difference keeps
// only what the rounding of that angle in radians leaves. Here t1 q = (c t1 - t2) / s gives
// tan(dip) = t1 / cos(b) = hypot(t1, t1 q) and b = atan2(t1 q, t1) without a cosine of b,
// worked in double precision, where the difference of the two azimuths is exact.
void ill_conditioned_plane(KvrRecord& rec) {
  const double to_rad = 3.14159265358979323846 / 180.0;
  double a = (static_cast<double>(rec.DIPDA[0]) - static_cast<double>(rec.DIPDA[1])) * to_rad;
  double s = std::sin(a), c = std::cos(a);
  double t1 = std::tan(static_cast<double>(rec.DIP[0]) * to_rad);
  double t2 = std::tan(static_cast<double>(rec.DIP[1]) * to_rad);
  double t1q = (c * t1 - t2) / s;
  rec.TRUEDIP = static_cast<float>(std::atan(std::hypot(t1, t1q)) / to_rad);
  rec.STRIKE = (static_cast<float>(std::atan2(t1q, t1) / to_rad) + rec.DIPDA[0]) + (-90.0f);
}

void horizontal_plane(KvrRecord& rec) {
  record_warning_head(rec.nread);
  say("horizontal plane");
  say_value("1st dip =", rec.DIP[0]);
  say_value("2nd dip =", rec.DIP[1]);
  warningtail00();
  rec.STRIKE = 0.0f;
  rec.TRUEDIP = 0.0f;
  set_comment(rec, "horizontal plane");
}

// Late detection: the two directions turn out to be parallel.
void same_direction(KvrRecord& rec) {
  record_error_head(rec.nread);
  say("The two data have same strike");
  say_value("1st dip dir =", rec.DIPDA[0]);
  say_value("2nd dip dir =", rec.DIPDA[1]);
  set_comment(rec, "error: same dip direction [modulo 180], late detection");
}

// The strike had the dip on its left: it is turned by 180 degrees.
void reset_strike(KvrRecord& rec) {
  set_comment(rec, "output strike = input strike + 180");
  record_warning_head(rec.nread);
  say("input  strike with dip to the LEFT");
  say("output strike with dip to the RIGHT");
  say_value("strike =", rec.DIPDA[1]);
  float turned = rec.DIPDA[1] + 180.0f;
  reduce360(turned);
  rec.DIPDA[1] = turned;
  say_value("==> strike reset to :", rec.DIPDA[1]);
  warningtail00();
}

// One apparent dip with its direction, and the strike.
bool convert_with_strike(int idatfmt, KvrRecord& rec) {
  if (letter_format(idatfmt)) {
    rec.DIPDA[0] = azimuth(rec.DDIR[0]);
    rec.DIPDA[1] = rec.DIP[1];
  }
  bool turned = false;
  for (;;) {
    float d = rec.DIPDA[0] - rec.DIPDA[1];
    float a = rad(d);
    float s = std::sin(a);
    if (std::fabs(rec.DIP[0]) < tolerance) {
      horizontal_plane(rec);
      return true;
    }
    if (s < 0.0f && !turned) {
      reset_strike(rec);
      turned = true;
      continue;
    }
    // A strike still on the wrong side once turned is parallel to the dip direction, or
    // given by azimuths too large for a turn of 180 degrees to show in single precision:
    // turning it again would only bring it back, for ever.
    if (s < sine_tolerance) {
      same_direction(rec);
      return false;
    }
    rec.STRIKE = rec.DIPDA[1];
    reduce360(rec.STRIKE);
    if (rec.DIP[0] == 90.0f) {
      rec.TRUEDIP = 90.0f;
      set_comment(rec, "vertical plane");
    } else {
      rec.TRUEDIP = deg(std::atan(std::tan(rad(rec.DIP[0])) / s));
    }
    return true;
  }
}

// Two apparent dips in two directions.
bool convert_two_dips(int idatfmt, KvrRecord& rec) {
  if (letter_format(idatfmt)) {
    rec.DIPDA[0] = azimuth(rec.DDIR[0]);
    rec.DIPDA[1] = azimuth(rec.DDIR[1]);
  }
  float a = rad(rec.DIPDA[0] - rec.DIPDA[1]);
  float s = std::sin(a);
  float c = std::cos(a);
  if (s == 0.0f) {
    same_direction(rec);
    return false;
  }
  float t1 = std::tan(rad(rec.DIP[0]));
  // A first dip too small for its tangent to be told from 0 counts as 0.
  bool first_zero = rec.DIP[0] == 0.0f || t1 == 0.0f;
  if (first_zero && rec.DIP[1] == 0.0f) {
    horizontal_plane(rec);
    return true;
  }
  if (first_zero) {
    set_comment(rec, "error: 1st dip = 0 => should be in 2nd position");
    record_error_head(rec.nread);
    say("1st data should be in 2nd position");
    say_value("1st dip =", rec.DIP[0]);
    return false;
  }
  if (rec.DIP[0] == 90.0f || rec.DIP[1] == 90.0f) {
    bool both = rec.DIP[0] == 90.0f && rec.DIP[1] == 90.0f;
    set_comment(rec, both ? "error: vertical plane without strike" : "error: inconsistent dips for vertical plane");
    record_error_head(rec.nread);
    say(both ? "vertical plane without strike" : "inconsistent dips for vertical plane");
    say_value("1st dip =", rec.DIP[0]);
    say_value("2nd dip =", rec.DIP[1]);
    return false;
  }
  float t2 = std::tan(rad(rec.DIP[1]));
  float r = t2 / t1;
  float q = (c - r) / s;
  if (std::fabs(q) <= ill_conditioned_q && std::fabs(s) >= ill_conditioned_sine) {
    float b = std::atan(q);  // from the first direction, clockwise, to the true dip direction
    rec.TRUEDIP = deg(std::atan(t1 / std::cos(b)));
    rec.STRIKE = (deg(b) + rec.DIPDA[0]) + (-90.0f);
  } else {
    ill_conditioned_plane(rec);
  }
  reduce360(rec.STRIKE);
  return true;
}

}  // namespace

bool convert_measurement(int idatfmt, KvrRecord& rec) {
  bool strike_mode = letter_format(idatfmt) ? rec.DDIR[1] == 'A' : std::fabs(rec.DIP[1]) < tolerance;
  bool ok = strike_mode ? convert_with_strike(idatfmt, rec) : convert_two_dips(idatfmt, rec);
  if (!ok) no_conversion_tail();
  return ok;
}
