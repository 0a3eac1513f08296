// The scratch curve of the histogram drawings: a point count, a running point index and
// one buffer of 1000 points, and the setter of the point count.
#pragma once

#include <cstdint>

constexpr int curve_capacity = 1000;  // points the buffer holds

// Point count and running point index of the curve being built.
struct Ptblock {
  std::int32_t NP = 0;  // points of the curve, 1..1000 once scptnp has run
  std::int32_t IP = 0;  // running point index (from 1) of the routine filling the buffer
};
extern Ptblock ptblock;

// The point buffer: point k of the curve is (XP[k - 1], YP[k - 1]).
struct Cc2dbuff {
  float XP[curve_capacity] = {};
  float YP[curve_capacity] = {};
};
extern Cc2dbuff cc2dbuff;

// Number of points per curve, NP. Modes 4 and 5 take 11 (with an initialising line), 2 and
// 3 the stored count, any other the given one; an even mode shows the count's menu, which
// loops until 99. A count above 1000 becomes 1000 (warning), below 1 becomes 1 (error); a
// count of 1 is warned about except in modes 6 and 7. np returns what is stored.
void scptnp(int& np, int mode);
