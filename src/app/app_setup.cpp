#include "app/app_setup.h"

#include <initializer_list>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"

namespace {

constexpr RoutineId id_skvrplot{"skvrplot", "1.6 ", "2025-04-08"};

constexpr std::string_view dashes = "-------------------------------------------";
constexpr int nb_subplots = 15;
constexpr int last_fixed_scale = 6;  // sub-plots 1 to 6 have fixed scales, 7 to 15 fixed boxes

void out(std::string_view text) { unit::write_line(iocom.iuout, Line().x().a(text)); }
void lines(std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) out(t);
}

// Sets the map of the current sub-plot k with setter mode m: three centimetres per user unit
// around an origin for sub-plots 1 to 6; the unit square filling a paper box for 7 to 15.
// Columns and rows follow 3.5 cm margins, 6 cm boxes and 2 cm gaps.
void define_subplot(int k, int m) {
  constexpr float base = 3.5f, box = 6.0f, gap = 2.0f;
  if (k <= last_fixed_scale) {
    float c = static_cast<float>((k - 1) / 3), r = static_cast<float>((k - 1) % 3);
    float xcm0 = (base + 0.5f * box) + (box + gap) * c;
    float ycm0 = (base + 0.5f * box) + (box + gap) * r;
    float xx = 3.0f, xy = 0.0f, yx = 0.0f, yy = 3.0f;
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, m);
    return;
  }
  float xcm0, ycm0, xlcm = box, ylcm = box;
  if (k <= 12) {
    xcm0 = base + (box + gap) * static_cast<float>((k - 7) / 3);
    ycm0 = base + (box + gap) * static_cast<float>((k - 7) % 3);
  } else if (k <= 14) {  // the two core boxes of VCD template 1
    xcm0 = 4.5f + (8.0f + 0.5f) * static_cast<float>(k - 13);
    ycm0 = 2.0f;
    xlcm = 8.0f;
    ylcm = 22.5f;
  } else {  // the one core box of VCD template 2
    xcm0 = 10.0f;
    ycm0 = 5.5f;
    xlcm = 10.0f;
    ylcm = 18.0f;
  }
  float xumin = 0.0f, xumax = 1.0f, yumin = 0.0f, yumax = 1.0f;
  int ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, m);
}

// Shows the stored map of sub-plot n with its set-up dialogue.
void modify_subplot(int n) {
  ssubplot(n, 1);
  float v[8] = {};
  int ixy = 0;
  if (n <= last_fixed_scale)
    sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 2);
  else
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], ixy, 2);
}

// The sub-plot menu: one sub-plot, or every one after a number above the highest.
void subplot_menu() {
  int n = 99;
  for (;;) {
    lines({dashes, "SUBPLOTS LAYOUT", dashes});
    unit::write_line(iocom.iuout, Line().x().a("subplot nb mini =").x().i(1, 3));
    unit::write_line(iocom.iuout, Line().x().a("subplot nb maxi =").x().i(nb_subplots, 3));
    lines({"Enter a value larger than max to set all", dashes, "EXIT THIS MENU ........................99", dashes});
    int istat = 0;
    inintegdef(n, "subplot nb to modify", n, istat);
    if (n == 99) return;
    if (n > nb_subplots) {
      for (int k = 1; k <= nb_subplots; ++k) modify_subplot(k);
      n = nb_subplots + 1;
    } else if (n >= 1) {
      modify_subplot(n);
    }
  }
}

constexpr std::string_view frame_line = "+--------------------+";
constexpr std::string_view small_boxes[] = {
    frame_line,
    "|  -------  -------  |", "|  | (3) |  | (6) |  |", "|  |     |  |     |  |", "|  |  9  |  | 12  |  |",
    "|  -------  -------  |", "|  -------  -------  |", "|  | (2) |  | (5) |  |", "|  |     |  |     |  |",
    "|  |  8  |  | 11  |  |", "|  -------  -------  |", "|  -------  -------  |", "|  | (1) |  | (4) |  |",
    "|  |     |  |     |  |", "|  |  7  |  | 10  |  |", "|  -------  -------  |",
    frame_line,
};

// A picture of two tall core boxes; its middle line names them.
void core_boxes(std::string_view middle) {
  out(frame_line);
  out("|  ------    ------  |");
  for (int k = 3; k <= 15; ++k) out(k == 9 ? middle : "|  |    |    |    |  |");
  out("|  ------    ------  |");
  out(frame_line);
}

void layout_pictures() {
  submenuhead(id_skvrplot.name, id_skvrplot.version, id_skvrplot.date);
  lines({dashes, "  n  : fixed box size, origin at lower left", " (n) : fixed scale,    origin at center", dashes});
  for (std::string_view l : small_boxes) out(l);
  out(dashes);
  core_boxes("|  | 13 |    | 14 |  |");
  out(dashes);
  core_boxes("|  | 15 |    | 14 |  |");
  out(dashes);
  menutail();
}

}  // namespace

void skvrplot(int iopt) {
  if (iopt == 4 || iopt == 5) {
    int m = iopt % 2;
    for (int k = 1; k <= nb_subplots; ++k) {
      ssubplot(k, m);
      define_subplot(k, m);
    }
    return;
  }
  if (iopt % 2 != 0) return;
  for (;;) {
    int choice = 99;
    submenuhead(id_skvrplot.name, id_skvrplot.version, id_skvrplot.date);
    lines({dashes, "MULTIPLE PLOTS LAYOUT", dashes, "modify unit conversions ...............10",
           "subplot layout ........................50", dashes, "EXIT THIS SUBROUTINE ..................99"});
    menutail();
    int istat = 0;
    inintegdef(choice, "your choice", choice, istat);
    if (choice == 99) return;
    if (choice == 10) subplot_menu();
    if (choice == 50) layout_pictures();
  }
}
