// Angle constants and angle arithmetic, single precision. Arrays hold n elements; an
// output array may be its input array. A length below 1 leaves the outputs untouched.
#pragma once

#include <array>

// Angle constants, filled by trigoset: pi/4, pi/3, pi/2, 3pi/4, pi, 3pi/2, 2pi,
// degrees to radians, radians to degrees (anglerad[0] .. anglerad[8]).
struct AngleRad {
  std::array<float, 9> v{};
  float operator()(int slot) const { return v[static_cast<std::size_t>(slot - 1)]; }  // slot 1..9
};
extern AngleRad anglerad;

// Announces itself and fills anglerad.
void trigoset();
// Degrees to radians and radians to degrees.
float rad(float x);
float deg(float x);
void deg2rad(float out[], const float in[], int n);
// Reduces into [0, p) (p itself only through rounding of a value just below 0).
void modulr(float out[], const float in[], float p, int n);
// Reduces into (-p/2, p/2].
void moducr(float out[], const float in[], float p, int n);
// Polar to cartesian: x = cos(t) r, y = sin(t) r (t in radians).
void rt2xy(float x[], float y[], const float r[], const float t[], int n);
// Angle of each point (x, y) in (-pi, pi]; the origin gives pi/2.
void xy2t(float t[], const float x[], const float y[], int n);
// n points of a closed circle; the last point repeats the first.
void circle(float x[], float y[], int n, float xc, float yc, float r);
// n points of the arc from t1 to t2 (radians), both ends included.
void arcirclerad(float x[], float y[], int n, float xc, float yc, float r, float t1, float t2);
