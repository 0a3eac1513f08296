#include "plt_lib/scaling.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "plt_lib/attributes.h"
#include "plt_lib/scaling_menus.h"
#include "plt_lib/subplots.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }
void text_line(std::string_view text) { out(Line().x().a(text)); }

std::size_t slot(int s) { return static_cast<std::size_t>(s - 1); }

// Brings the maps derived from sub-plot s's user-to-cm map up to date: the cm-to-user map
// always, the user-to-device map while the plot file is open (else at the next opening).
void derive_maps(int s) {
  int entry = plt1blk.ISUBPLOT;
  plt1blk.ISUBPLOT = s;
  scm2us();
  if (iocom.lplotopen) sus2de();
  plt1blk.ISUBPLOT = entry;
}

// The setter-mode steps shared by the two scale setters. For each sub-plot s concerned
// (all 40 in modes 6 and 7, else the current one): fetch(s) the stored values into the
// arguments (modes 2, 3; mode 3 returns there) or set the defaults (modes 4 to 7), show
// the menu in even modes, then store(s) the arguments; a stored map is derived.
template <class Fetch, class Defaults, class Menu, class Store>
void run_scale_setter(int inter, Fetch fetch, Defaults defaults, Menu menu, Store store) {
  bool all = inter == 6 || inter == 7;
  int first = all ? 1 : current_subplot();
  int last = all ? max_subplots : first;
  for (int s = first; s <= last; ++s) {
    if (inter == 2 || inter == 3) {
      fetch(s);
      if (inter == 3) return;
    } else if (inter >= 4 && inter <= 7) {
      defaults();
    }
    if (inter % 2 == 0) menu();
    if (store(s)) derive_maps(s);
  }
}

// The scale that puts the user extent umin..umax on length cm; false for an extent of 0
// or beyond single precision, which no map can take.
bool scale_of(float& a, float length, float umin, float umax) {
  float extent = umax - umin;
  if (!std::isfinite(extent) || extent == 0.0f) return false;
  a = length / extent;
  return true;
}

// A map that the sub-plot cannot take is reported; the sub-plot keeps its map and the
// values it came from.
void refused_map_head(std::string_view routine, std::string_view heading, int s) {
  warninghead(routine, "1.0 ", "2024-10-22");
  text_line(heading);
  out(Line().x().a("subplot nb =").x().i(s, 3));
}

void unscalable_window(int s, bool extents, float xlcm, float ylcm, float xumin, float xumax, float yumin,
                       float yumax) {
  refused_map_head("sus2cm3", extents ? "SINGULAR OR NON-FINITE MAP" : "ZERO OR NON-FINITE USER WINDOW EXTENT", s);
  value_pair_line(" xumin = ", xumin, " yumin = ", yumin);
  value_pair_line(" xumax = ", xumax, " yumax = ", yumax);
  if (extents) value_pair_line(" xlcm  = ", xlcm, " ylcm  = ", ylcm);
  text_line("===> NO ACTION");
  warningtail00();
}

}  // namespace

void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, int inter) {
  run_scale_setter(
      inter,
      [&](int s) {
        const float* o = plt1blk.US0TOCM[slot(s)];
        const float* m = plt1blk.USTOCM[slot(s)];
        xcm0 = o[0];
        ycm0 = o[1];
        xx = m[0];
        xy = m[2];
        yx = m[1];
        yy = m[3];
      },
      [&] {
        xcm0 = 10.0f;
        ycm0 = 10.0f;
        xx = 1.0f;
        xy = 0.0f;
        yx = 0.0f;
        yy = 1.0f;
      },
      [&] { mus2cm1(xcm0, ycm0, xx, xy, yx, yy); },
      [&](int s) {
        const float o[2] = {xcm0, ycm0}, m[4] = {xx, yx, xy, yy};
        if (!map_drawable(o, m)) {
          refused_map_head("sus2cm1", "SINGULAR OR NON-FINITE MAP", s);
          text_line("===> NO ACTION");
          warningtail00();
          return false;
        }
        std::copy(o, o + 2, plt1blk.US0TOCM[slot(s)]);
        std::copy(m, m + 4, plt1blk.USTOCM[slot(s)]);
        return true;
      });
}

void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, int& ixy, int inter) {
  run_scale_setter(
      inter,
      [&](int s) {
        const float* e = plt1blk.USEXTR[slot(s)];
        xumin = e[0];
        xumax = e[1];
        yumin = e[2];
        yumax = e[3];
        xlcm = plt1blk.CMAXLENGTH[slot(s)][0];
        ylcm = plt1blk.CMAXLENGTH[slot(s)][1];
        xcm0 = plt1blk.USMINTOCM[slot(s)][0];
        ycm0 = plt1blk.USMINTOCM[slot(s)][1];
        ixy = plt1blk.ISOXY[slot(s)];
      },
      [&] {
        xumin = -10.0f;
        xumax = 10.0f;
        yumin = -10.0f;
        yumax = 10.0f;
        xlcm = 15.0f;
        ylcm = 15.0f;
        xcm0 = 2.0f;
        ycm0 = 2.0f;
        ixy = 1;
      },
      [&] { mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy); },
      [&](int s) {
        float a11 = 0.0f, a22 = 0.0f;
        const bool extents = scale_of(a11, xlcm, xumin, xumax) && scale_of(a22, ylcm, yumin, yumax);
        if (extents && ixy == 1) {
          // Both axes take the smaller scale, each keeping its sign: the corner stays put
          // and the other side comes out shorter than asked.
          if (std::fabs(a11) > std::fabs(a22))
            a11 = a11 >= 0.0f ? std::fabs(a22) : -std::fabs(a22);
          else
            a22 = a22 >= 0.0f ? std::fabs(a11) : -std::fabs(a11);
        }
        const float a12 = 0.0f, a21 = 0.0f;
        float ox = (xcm0 - a11 * xumin) - a12 * yumin;
        float oy = (ycm0 - a21 * xumin) - a22 * yumin;
        const float o[2] = {ox, oy}, m[4] = {a11, a21, a12, a22};
        if (!extents || !map_drawable(o, m)) {
          unscalable_window(s, extents, xlcm, ylcm, xumin, xumax, yumin, yumax);
          return false;
        }
        std::size_t k = slot(s);
        plt1blk.USEXTR[k][0] = xumin;
        plt1blk.USEXTR[k][1] = xumax;
        plt1blk.USEXTR[k][2] = yumin;
        plt1blk.USEXTR[k][3] = yumax;
        plt1blk.CMAXLENGTH[k][0] = xlcm;
        plt1blk.CMAXLENGTH[k][1] = ylcm;
        plt1blk.USMINTOCM[k][0] = xcm0;
        plt1blk.USMINTOCM[k][1] = ycm0;
        plt1blk.ISOXY[k] = ixy;
        plt1blk.USTOCM[k][0] = a11;
        plt1blk.USTOCM[k][1] = a21;
        plt1blk.USTOCM[k][2] = a12;
        plt1blk.USTOCM[k][3] = a22;
        plt1blk.US0TOCM[k][0] = ox;
        plt1blk.US0TOCM[k][1] = oy;
        return true;
      });
}

void splotscaling(int inter) {
  static constexpr RoutineId id{"splotscaling", "1.3 ", "2024-10-22"};
  if (inter != 4 && inter != 5 && inter != 7) {
    warninghead(id.name, id.version, id.date);
    out(Line().x().a("inter =").x().i(inter, 3));
    text_line("Accepted values = 4,5,7");
    text_line("===> NO ACTION");
    warningtail00();
    return;
  }
  if (inter == 7 && !iocom.lplotopen) {
    errorhead(id.name, id.version, id.date);
    text_line("TRYING TO UPDATE PLOT SCALING");
    text_line("WITH CLOSED PLOT FILE");
    text_line("===> NO ACTION");
    errortail00();
    return;
  }
  submenuhead(id.name, id.version, id.date);
  text_line(inter == 7 ? "UPDATING SUBPLOT SCALING" : "INITIALIZING SUBPLOT SCALING");
  if (iocom.lplotopen) {
    text_line(" 1: CM <-> DE updating (plot file open)");
    scm2de();
  } else {
    text_line(" 1: CM <-> DE untouched (plot file closed)");
  }
  int nsub = 1;
  if (inter == 7) {
    text_line(" 2: US <-> CM untouched (set before)");
    text_line(" 3: US <-> DE updating (plot file open)");
    for (int i = 1; i <= max_subplots; ++i) {
      ssubplot(i, 1);
      sus2de();
    }
    ssubplot(nsub, 5);
    return;
  }
  text_line(" 2: US <-> CM initializing");
  text_line(iocom.lplotopen ? " 3: US <-> DE updating (plot file open)" : " 3: US <-> DE: untouched (plot file closed)");
  ssubplot(nsub, 5);
  float xcm0 = 0, ycm0 = 0, xx = 0, xy = 0, yx = 0, yy = 0;
  sus2cm1(xcm0, ycm0, xx, xy, yx, yy, inter == 4 ? 6 : 7);
  for (int i = 1; i <= max_subplots; ++i) {
    std::string number(2, ' ');
    int nchar;
    intg2char(number, nchar, 2, i);
    pltcharblk.SUBPLOTITLE[slot(i)] = fit("Subplot_" + number.substr(0, static_cast<std::size_t>(nchar)), 20);
  }
}
