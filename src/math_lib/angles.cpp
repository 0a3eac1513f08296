#include "math_lib/angles.h"

#include <cmath>

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"

AngleRad anglerad;

namespace {

// x - w p with w the quotient x / p truncated towards zero; the product is rounded first.
// A quotient of 2^23 or more is already whole, but w p then rounds far from x and the
// difference is no remainder at all; the exact remainder keeps the result within the period.
float reduce_step(float x, float p) {
  float q = x / p;
  if (std::fabs(q) >= 8388608.0f) return std::fmod(x, p);
  float w = std::trunc(q);
  float wp = w * p;
  return x - wp;
}

// The reduction by steps: a quotient rounded up to a whole number leaves x - w p one
// period outside the range (modulr(188766352, 360) would give -16).
float modulr_steps(float x, float p) {
  if (x >= p) return reduce_step(x, p);
  if (x >= 0.0f) return x;
  float r = reduce_step(x, p);
  if (r != 0.0f) r = r + p;
  return r;
}

// A usable period: positive and finite. Any other leaves the steps' result as it is.
bool usable_period(float p) { return p > 0.0f && std::isfinite(p); }

float modulr1(float x, float p) {
  float r = modulr_steps(x, p);
  if ((r >= 0.0f && r <= p) || !usable_period(p) || !std::isfinite(x)) return r;
  // The exact remainder, brought into [0, p].
  r = std::fmod(x, p);
  if (r < 0.0f) r = r + p;
  return r;
}

float moducr1(float x, float p, float h) {
  if (-h < x && x <= h) return x;
  float r;
  if (x > p) {
    r = reduce_step(x, p);
  } else if (x >= 0.0f) {
    r = x;
  } else {
    r = reduce_step(x, p);
    if (r != 0.0f) r = r + p;
  }
  if (r > h) r = r - p;
  if ((-h < r && r <= h) || !usable_period(p) || !std::isfinite(x)) return r;
  // The exact remainder, brought into (-h, h]; both shifts by p are exact.
  r = std::fmod(x, p);
  if (r > h) {
    r = r - p;
  } else if (r <= -h) {
    r = r + p;
  }
  return r;
}

}  // namespace

void trigoset() {
  submenuhead("trigoset", " 8.0", "2017-03-10");
  unit::write_line(iocom.iuout, " Initializing /anglerad/ block");
  auto& a = anglerad.v;
  a[2] = 1.5707964f;
  a[4] = 2.0f * a[2];
  a[1] = a[4] / 3.0f;
  a[0] = 0.25f * a[4];
  a[3] = 0.25f * (3.0f * a[4]);
  a[5] = 0.5f * (3.0f * a[4]);
  a[6] = 2.0f * a[4];
  a[7] = a[4] / 180.0f;
  a[8] = 180.0f / a[4];
}

float rad(float x) { return x * anglerad(8); }

float deg(float x) { return x * anglerad(9); }

void deg2rad(float out[], const float in[], int n) {
  for (int i = 0; i < n; ++i) out[i] = anglerad(8) * in[i];
}

void modulr(float out[], const float in[], float p, int n) {
  for (int i = 0; i < n; ++i) out[i] = modulr1(in[i], p);
}

void moducr(float out[], const float in[], float p, int n) {
  float h = 0.5f * p;
  for (int i = 0; i < n; ++i) out[i] = moducr1(in[i], p, h);
}

void rt2xy(float x[], float y[], const float r[], const float t[], int n) {
  for (int i = 0; i < n; ++i) {
    float ri = r[i], ti = t[i];
    x[i] = std::cos(ti) * ri;
    y[i] = std::sin(ti) * ri;
  }
}

void xy2t(float t[], const float x[], const float y[], int n) {
  for (int i = 0; i < n; ++i) {
    float xi = x[i], yi = y[i];
    if (xi > 0.0f)
      t[i] = std::atan(yi / xi);
    else if (xi == 0.0f)
      t[i] = yi >= 0.0f ? anglerad(3) : -anglerad(3);
    else if (yi >= 0.0f)
      t[i] = std::atan(yi / xi) + anglerad(5);
    else
      t[i] = std::atan(yi / xi) - anglerad(5);
  }
}

void circle(float x[], float y[], int n, float xc, float yc, float r) {
  // A single point gets a step of 0 rather than a division by zero.
  float dt = n > 1 ? anglerad(7) / static_cast<float>(n - 1) : 0.0f;
  for (int i = 0; i < n; ++i) {
    float angle = dt * static_cast<float>(i);
    x[i] = std::cos(angle) * r + xc;
    y[i] = std::sin(angle) * r + yc;
  }
}

void arcirclerad(float x[], float y[], int n, float xc, float yc, float r, float t1, float t2) {
  float dt = n > 1 ? (t2 - t1) / static_cast<float>(n - 1) : 0.0f;
  for (int i = 0; i < n; ++i) {
    float angle = dt * static_cast<float>(i) + t1;
    x[i] = std::cos(angle) * r + xc;
    y[i] = std::sin(angle) * r + yc;
  }
}
