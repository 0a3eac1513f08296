#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "axis_lib/box.h"
#include "curve_lib/curve.h"
#include "gral_lib/frames.h"
#include "histo_lib/drawing.h"
#include "histo_lib/rose.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/store.h"
#include "math_lib/angles.h"
#include "plt_lib/draw.h"
#include "plt_lib/subplots.h"
#include "plt_lib/textattributes.h"

namespace {

constexpr RoutineId id_hstfrmplt{"hstfrmplt  ", " 7.2", "2019-07-31"};

// Rings drawn inside the outer ring of a rose at most: a y range far narrower than the
// outer radius would otherwise ask for rings without end.
constexpr int max_inner_rings = 100;

// Y tic spacing: tic step in counts, tics per annotation, subtic intervals per tic.
struct YTics {
  int step, per_label, subtics;
};

// The first row whose bound the y range count does not exceed gives the spacing.
constexpr struct {
  float bound;
  YTics tics;
} y_tic_rows[] = {
    {5, {1, 1, 1}},           {10, {1, 2, 1}},         {25, {5, 1, 5}},          {50, {5, 2, 5}},
    {100, {10, 2, 2}},        {250, {50, 1, 5}},       {500, {50, 2, 5}},        {1000, {100, 2, 2}},
    {2500, {500, 1, 5}},      {5000, {500, 2, 5}},     {10000, {1000, 2, 2}},    {25000, {5000, 1, 5}},
    {50000, {5000, 2, 5}},    {100000, {10000, 2, 2}}, {250000, {50000, 1, 5}},  {500000, {50000, 2, 5}},
};
constexpr YTics y_tics_beyond{100000, 2, 2};

// The count is compared as a real, truncated: a range that is not a number takes the first
// row, like an empty one, and one beyond the integers the last.
YTics choose_y_tics(float ymin, float ymax) {
  const float count = std::trunc(ymax - ymin + 0.0001f);
  for (const auto& row : y_tic_rows)
    if (!(count > row.bound)) return row.tics;
  return y_tics_beyond;
}

// The direction of angle a (degrees) for the rose's flags, as (c, s) before any exchange.
void rose_direction(float a, const RoseFlags& f, float& c, float& s) {
  c = std::cos(rad(a));
  s = std::sin(rad(a));
  if (f.mirror) c = -c;
  if (f.negate) s = -s;
}

// The box of annotated axes, its top side plain, and the title above it.
void xy_frame(int nb, int ix, float x1, float x2, const YTics& tics) {
  const int i = nb - 1;
  const int x = ix - 1;
  float height;
  stextsize(height, 3);
  const float ymin = blkhst8.YMINHST0[i], ymax = blkhst8.YMAXHST0[i];
  const float x_step = (hst_edge(2, ix) - hst_edge(1, ix)) * static_cast<float>(blkhst8.NXTICHST0[x]);
  usbax6(x1, x2, ymin, ymax, x1, x2, x_step, hst_label(5, nb), 1, height, blkhst8.NXTICHST0[x],
         blkhst8.NXLABHST0[x], ymin, ymax, static_cast<float>(blkhst8.NYTICHST0[i]), hst_label(8, nb), 0, height,
         tics.subtics, blkhst8.NYLABHST0[i], 0, 0, 1, 1, 1);

  // The title: 0.1 cm above the middle of the top side, only when slot 6 is to be drawn.
  float xu = 0.5f * (x1 + x2), yu = ymax;
  float xcm, ycm;
  us2cm(&xcm, &ycm, &xu, &yu, 1);
  ycm += 0.1f;
  if (blkhst8.ONLABELHST0[nb - 1][5] != 0) {
    int centred = -2;
    stextalign(centred, 1);
    cmtext2(xcm, ycm, hst_label(6, nb));
  }
}

// One ring of radius r: a full circle, or the sector's arc closed through the centre.
void ring(float r, bool full, float t1, float t2, bool swap) {
  float* xp = cc2dbuff.XP;
  float* yp = cc2dbuff.YP;
  const int n = ptblock.NP;
  if (full) {
    circle(xp, yp, n, 0.0f, 0.0f, r);
    draw_curve(n, false);
    return;
  }
  arcirclerad(xp, yp, n - 2, 0.0f, 0.0f, r, t1, t2);
  xp[n - 2] = 0.0f;
  yp[n - 2] = 0.0f;
  xp[n - 1] = xp[0];
  yp[n - 1] = yp[0];
  draw_curve(n, swap);
}

void rose_rings(int nb, int type, float x1, float x2, const RoseFlags& f) {
  int np = 90;
  scptnp(np, 1);
  const float outer = blkhst8.YMAXHST0[nb - 1];
  const bool full = std::fabs(x2 - x1) >= 359.9f;
  const float t1 = rad(rose_turned(x1, type));
  const float t2 = rad(rose_turned(x2, type));
  const float last_inner = std::trunc(outer + 0.0001f) - 1.0f;
  const float step = static_cast<float>(blkhst8.NYTICHST0[nb - 1]);
  for (int i = 1; step * static_cast<float>(i) <= last_inner; ++i) {
    if (i > max_inner_rings) {
      hst_warning_head(id_hstfrmplt);
      hst_say({"outer radius =", outer});
      hst_say({"ring step    =", HstItem(blkhst8.NYTICHST0[nb - 1], 6)});  // steps reach 100000
      hst_say({"maximum nb of inner rings =", max_inner_rings});
      hst_say({"==> FURTHER INNER RINGS NOT DRAWN"});
      warningtail00();
      break;
    }
    ring(step * static_cast<float>(i), full, t1, t2, f.swap);
  }
  ring(outer, full, t1, t2, f.swap);
}

void rose_ticks(int nb, int ix, const RoseFlags& f) {
  int np = 2;
  scptnp(np, 1);
  const float outer = blkhst8.YMAXHST0[nb - 1];
  const float r1 = 1.02f * outer, r_long = 1.08f * outer, r_short = 1.05f * outer;
  float* xp = cc2dbuff.XP;
  float* yp = cc2dbuff.YP;
  auto tick = [&](int k, float r2) {
    float c, s;
    rose_direction(hst_edge(k, ix), f, c, s);
    xp[0] = r1 * c;
    yp[0] = r1 * s;
    xp[1] = r2 * c;
    yp[1] = r2 * s;
    draw_curve(2, f.swap);
  };
  const int nbin = hst_nbin(ix);
  const int per_tic = std::max(1, blkhst8.NXTICHST0[ix - 1]);
  for (int k = 1; k <= nbin; k += per_tic) {
    tick(k, r_long);
    for (int j = k + 1; j <= k + per_tic - 1 && j <= nbin + 1; ++j) tick(j, r_short);
  }
  tick(nbin + 1, r_long);
}

// Places of the eight rose labels, in multiples of the outer radius, their justification
// and the characters drawn.
constexpr struct {
  float fx, fy;
  int justification;
  std::size_t length;
} label_places[label_slots] = {
    {1.1f, 0.0f, -5, 25},  {0.0f, 1.1f, -2, 25},  {-1.1f, 0.0f, -7, 25}, {0.0f, -1.1f, -10, 25},
    {0.5f, -1.0f, -5, 10}, {0.5f, 1.0f, -5, 10},  {-0.5f, 1.0f, -7, 10}, {-0.5f, -1.0f, -7, 10},
};

// The characters of a rose label drawn: its slot's, but a number is never cut (a count
// "N = 1234567" in a slot of 10 would read as another count): the cut moves to its end.
std::size_t drawn_length(const std::string& label, std::size_t length) {
  const auto digit = [&label](std::size_t k) { return k < label.size() && label[k] >= '0' && label[k] <= '9'; };
  if (length == 0 || !digit(length - 1)) return length;
  while (digit(length)) ++length;
  return length;
}

void rose_labels(int nb) {
  int np = label_slots;
  scptnp(np, 1);
  const float outer = blkhst8.YMAXHST0[nb - 1];
  for (int k = 0; k < label_slots; ++k) {
    cc2dbuff.XP[k] = label_places[k].fx * outer;
    cc2dbuff.YP[k] = label_places[k].fy * outer;
  }
  for (int k = 0; k < label_slots; ++k) {
    if (blkhst8.ONLABELHST0[nb - 1][k] == 0) continue;
    int justification = label_places[k].justification;
    stextalign(justification, 1);
    const std::string& label = hst_label(k + 1, nb);
    ustext2(cc2dbuff.XP[k], cc2dbuff.YP[k], label.substr(0, drawn_length(label, label_places[k].length)));
  }
}

}  // namespace

void hstfrmplt(int& nb) {
  if (!hst_reset_nb(id_hstfrmplt, nb, NbOrder::nb_first)) return;
  const int i = nb - 1;
  float angle;
  int justification;
  stextangle(angle, 3);
  stextalign(justification, 3);
  float zero = 0.0f;
  stextangle(zero, 1);

  const int ix = hst_xaxis(nb);
  const float x1 = hst_edge(1, ix);
  const float x2 = hst_edge(hst_nbin(ix) + 1, ix);

  const YTics tics = choose_y_tics(blkhst8.YMINHST0[i], blkhst8.YMAXHST0[i]);
  blkhst8.NYTICHST0[i] = tics.step;
  blkhst8.NYLABHST0[i] = tics.per_label;

  const int type = blkhst8.IPLTYPEHST0[i];
  if (type == 1) {
    xy_frame(nb, ix, x1, x2, tics);
  } else if (type >= 2 && type <= 9) {
    const RoseFlags f = rose_flags(type);
    rose_rings(nb, type, x1, x2, f);
    rose_ticks(nb, ix, f);
    rose_labels(nb);
  } else {
    hst_warning_head(id_hstfrmplt);
    hst_say({"plot type =", type});
    hst_say({"is outside [", 1, ",", 9, "]"});
    hst_say({"==> NO ACTION"});
    warningtail00();
  }

  stextangle(angle, 1);
  stextalign(justification, 1);
}
