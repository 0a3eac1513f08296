#include "histo_lib/rose.h"

#include "curve_lib/curve.h"
#include "plt_lib/draw.h"

RoseFlags rose_flags(int type) {
  RoseFlags f;
  f.rose = type >= 2 && type <= 9;
  f.mirror = type >= 6 && type <= 9;
  f.negate = type == 3 || type == 4 || type == 6 || type == 9;
  f.swap = f.rose && (type == 4 || type == 5 || type == 8 || type == 9);
  return f;
}

float rose_turned(float a, int type) {
  switch (type) {
    case 3:
    case 4: return -a;
    case 7:
    case 8: return 180.0f - a;
    case 6:
    case 9: return 180.0f + a;
    default: return a;
  }
}

void draw_curve(int n, bool swap, bool polygon) {
  const float* x = swap ? cc2dbuff.YP : cc2dbuff.XP;
  const float* y = swap ? cc2dbuff.XP : cc2dbuff.YP;
  if (polygon)
    uspolygon(x, y, n);
  else
    usline(x, y, n);
}
