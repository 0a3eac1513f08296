#include <cmath>

#include "curve_lib/curve.h"
#include "gral_lib/frames.h"
#include "histo_lib/drawing.h"
#include "histo_lib/rose.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"
#include "int_ps_lib/psdraw.h"
#include "math_lib/angles.h"
#include "plt_lib/draw.h"
#include "plt_lib/linefill.h"

namespace {

constexpr RoutineId id_hstvalplt{"hstvalplt  ", " 5.0", "06-10-2009"};

// The longest curve, the outline going to zero over the most bins, fits the buffer.
static_assert(3 * max_bins + 1 <= curve_capacity);

// Starts a curve of np points; put() then appends points, never past the buffer's end.
void begin_curve(int np) {
  scptnp(np, 1);
  ptblock.IP = 1;
}

void put(float x, float y) {
  if (ptblock.IP >= 1 && ptblock.IP <= curve_capacity) {
    cc2dbuff.XP[ptblock.IP - 1] = x;
    cc2dbuff.YP[ptblock.IP - 1] = y;
  }
  ++ptblock.IP;
}

// Angles (degrees) and radii of a rose curve become x and y in place, then are mirrored
// and negated by the rose's type.
void rose_to_xy(const RoseFlags& f) {
  if (!f.rose) return;
  float* xp = cc2dbuff.XP;
  float* yp = cc2dbuff.YP;
  const int n = ptblock.NP;
  deg2rad(xp, xp, n);
  rt2xy(xp, yp, yp, xp, n);
  for (ptblock.IP = 1; ptblock.IP <= n; ++ptblock.IP) {
    if (f.mirror) xp[ptblock.IP - 1] = -xp[ptblock.IP - 1];
    if (f.negate) yp[ptblock.IP - 1] = -yp[ptblock.IP - 1];
  }
}

// Checks the stored plot type and style; a bad one is reported and reset by its setter.
void check_type(int nb) {
  const int type = blkhst8.IPLTYPEHST0[nb - 1];
  if (type >= 1 && type <= 9) return;
  hst_warning_head(id_hstvalplt);
  hst_say({"Plot type =", type});
  hst_say({"is outside [", 1, ",", 9, "]"});
  int value = type;
  shstplotype(value, nb, 5);
  hst_say({"==> RESET plot type =", blkhst8.IPLTYPEHST0[nb - 1]});
  warningtail00();
}

void check_style(int nb) {
  const int style = blkhst8.IPLSTYLEHST0[nb - 1];
  if (style == 0 || style == 1 || (style >= 10 && style <= 12)) return;
  hst_warning_head(id_hstvalplt);
  hst_say({"Plot style =", style});
  hst_say({"is outside [", 0, ",", 1, "]U[", 10, ",", 12, "]"});
  int value = style;
  shstplotstyle(value, nb, 5);
  hst_say({"==> RESET plot style =", blkhst8.IPLSTYLEHST0[nb - 1]});
  warningtail00();
}

// Styles 0 and 10: the top line over all bins from the base at the first edge to the base
// at the last; style 10 closes it back to its start.
void draw_outline(const float* x, const float* n, int nbin, const RoseFlags& f, bool polygon) {
  begin_curve(2 * nbin + 3);
  put(x[0], 0.0f);
  for (int i = 0; i < nbin; ++i) {
    put(x[i], n[i]);
    put(x[i + 1], n[i]);
  }
  put(x[nbin], 0.0f);
  put(x[0], 0.0f);
  rose_to_xy(f);
  draw_curve(polygon ? ptblock.NP : ptblock.NP - 1, f.swap, polygon);
}

// Style 1: the outline going down to the base at every edge.
void draw_outline_to_zero(const float* x, const float* n, int nbin, const RoseFlags& f) {
  begin_curve(3 * nbin + 1);
  for (int i = 0; i < nbin; ++i) {
    put(x[i], 0.0f);
    put(x[i], n[i]);
    put(x[i + 1], n[i]);
  }
  put(x[nbin], 0.0f);
  rose_to_xy(f);
  draw_curve(ptblock.NP, f.swap);
}

// Style 11: one cell from the base to the count for every bin, empty ones included.
void draw_bin_cells(const float* x, const float* n, int nbin, const RoseFlags& f) {
  begin_curve(5);
  for (int i = 0; i < nbin; ++i) {
    ptblock.IP = 1;
    put(x[i], 0.0f);
    put(x[i], n[i]);
    put(x[i + 1], n[i]);
    put(x[i + 1], 0.0f);
    put(x[i], 0.0f);
    rose_to_xy(f);
    draw_curve(ptblock.NP, f.swap, true);
  }
}

// The corners of a stack of cells at count 0 and their steps per count.
struct CellStack {
  float x[4], y[4], dx[4], dy[4];
};

// Style 12: one unit cell per datum, stacked from the base: cell k of a bin runs from
// count k - 1 to k, and a bin's cells are drawn as one stack. On a rose the corners lie at
// those radii along the bin's two edges, whose angles are turned once per bin, which places
// them as rose_to_xy would.
CellStack bin_stack(const float* x, int i, int type, const RoseFlags& f) {
  if (!f.rose) return {{x[i], x[i], x[i + 1], x[i + 1]}, {}, {}, {1.0f, 1.0f, 1.0f, 1.0f}};
  const float t1 = rad(rose_turned(x[i], type)), t2 = rad(rose_turned(x[i + 1], type));
  const float c1 = std::cos(t1), s1 = std::sin(t1), c2 = std::cos(t2), s2 = std::sin(t2);
  return {{}, {}, {c1, c1, c2, c2}, {s1, s1, s2, s2}};
}

void draw_data_cells(int nb, const float* x, int nbin, int type, const RoseFlags& f) {
  begin_curve(5);
  for (int i = 0; i < nbin; ++i) {
    const int count = blkhst8.NYCTHST0[nb - 1][i];
    if (count < 1) continue;
    const CellStack s = bin_stack(x, i, type, f);
    if (f.swap)
      uscellstack(s.y, s.x, s.dy, s.dx, count);
    else
      uscellstack(s.x, s.y, s.dx, s.dy, count);
    ptblock.IP = 6;  // as after the five points of a cell
  }
}

}  // namespace

void hstvalplt(int& nb) {
  if (!hst_reset_nb(id_hstvalplt, nb, NbOrder::nb_first)) return;
  const int ix = hst_xaxis(nb);
  check_type(nb);
  const int type = blkhst8.IPLTYPEHST0[nb - 1];
  const RoseFlags f = rose_flags(type);
  check_style(nb);
  const int style = blkhst8.IPLSTYLEHST0[nb - 1];

  const bool filled = style >= 10;
  int saved = 0;
  if (filled) {
    sfillcolor(saved, 3);
    sfillcolor(blkhst8.IPLFLCOLHST0[nb - 1], 1);
  }

  // The values are one drawing: a y range far from the counts (a minimum far above them,
  // a range much narrower than them) may put every bin off the page, and that is told
  // once, not once for each bin.
  psclampgroup(true);
  const int nbin = hst_nbin(ix);
  const float* x = blkhst8.XBNDHST0[ix - 1];
  float n[max_bins];
  for (int i = 0; i < nbin; ++i) n[i] = static_cast<float>(blkhst8.NYCTHST0[nb - 1][i]);
  switch (style) {
    case 0: draw_outline(x, n, nbin, f, false); break;
    case 10: draw_outline(x, n, nbin, f, true); break;
    case 1: draw_outline_to_zero(x, n, nbin, f); break;
    case 11: draw_bin_cells(x, n, nbin, f); break;
    default: draw_data_cells(nb, x, nbin, type, f); break;
  }
  psclampgroup(false);

  if (filled) sfillcolor(saved, 1);
}
