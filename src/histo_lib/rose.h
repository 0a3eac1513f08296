// How the eight rose-diagram types place an angle on the page, shared by the frame and
// the value drawing. A point at angle a (degrees) and radius r lies at (r cos a, r sin a),
// x negated when mirrored, y negated when negated, and x and y exchanged when swapped.
#pragma once

struct RoseFlags {
  bool rose = false;    // plot types 2..9
  bool mirror = false;  // 6..9: angle 0 on the negative axis
  bool negate = false;  // 3, 4, 6, 9
  bool swap = false;    // 4, 5, 8, 9: angle 0 on the y axis
};
RoseFlags rose_flags(int type);
// The same placing as an angle counter-clockwise from +x (degrees), before the exchange.
float rose_turned(float a, int type);
// Hands points 1..n of the curve buffer to usline (or uspolygon), as (YP, XP) when swapped.
void draw_curve(int n, bool swap, bool polygon = false);
