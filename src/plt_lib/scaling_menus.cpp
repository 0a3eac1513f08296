#include "plt_lib/scaling_menus.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "plt_lib/attributes.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }
void text_line(std::string_view text) { out(Line().x().a(text)); }
void equals_line() { text_line(std::string(42, '=')); }
void dash_line() { text_line(std::string(42, '-')); }

// The title and the picture of the map's direction, from user units in the calls to cm
// on the plot (each menu draws it with arrows of its own length).
void direction_picture(std::initializer_list<std::string_view> picture) {
  equals_line();
  text_line("          CONVERSION SET UP               ");
  equals_line();
  for (std::string_view p : picture) text_line(p);
}

void current_set_up_title() {
  equals_line();
  text_line("            Current set up:");
  equals_line();
}

// The menu head, the lines (shown only with more output), and the question whether to
// alter the values; true when the user wants to.
template <class ShowLines>
bool show_conversion(const RoutineId& id, ShowLines show_lines) {
  submenuhead(id.name, id.version, id.date);
  if (more_output()) show_lines();
  bool alter = false;
  int istat;
  inlogicdef(alter, "Do you want to alter this", alter, istat);
  return alter;
}

// What a value of the menus places on the paper. A page is a few tens of centimetres: a
// position or a side beyond 1000 cm (the limit of line widths and text heights too) lies
// far off any page, and would fill the plot file with coordinates that its reader takes
// minutes for, or that the device clamps at every point drawn. A side shorter than
// 0.01 cm shows nothing, and the tiniest give scales with no inverse in single precision
// once a plot's user limits replace the menu's. A negative side mirrors its axis. Scales
// and user limits have no bound of their own: the setter refuses a map that cannot serve.
enum class Paper { none, position, side };
constexpr float max_paper_cm = 1000.0f;
constexpr float min_side_cm = 0.01f;

bool on_paper(Paper kind, float v) {
  const float a = std::fabs(v);
  if (kind == Paper::none) return true;
  return a <= max_paper_cm && (kind == Paper::position || a >= min_side_cm);
}

struct RealQuestion {
  std::string_view text;
  float& value;
  Paper kind = Paper::none;
};

// Asks each value in turn, the present value as its default. An answer that no page can
// take is refused in an error frame and the question asked again; the present value is
// always taken, so that RETURN leaves the question whatever a caller stored.
void ask_reals(const RoutineId& id, std::initializer_list<RealQuestion> questions) {
  int istat;
  for (const RealQuestion& q : questions) {
    for (;;) {
      float answer = q.value;
      inrealdef(answer, q.text, q.value, istat);
      if (answer == q.value || on_paper(q.kind, answer)) {
        q.value = answer;
        break;
      }
      errorhead(id.name, id.version, id.date);
      out(Line().x().a(q.text).a(" (cm) =").x().g(answer, 12, 6));
      if (q.kind == Paper::position)
        text_line(Line().a(q.text).a(" should be within [-1000,1000] ==> RETRYING"));
      else
        text_line(Line().a("|").a(q.text).a("| should be within [0.01,1000] ==> RETRYING"));
      errortail00();
    }
  }
}

}  // namespace

void value_pair_line(std::string_view name1, float v1, std::string_view name2, float v2) {
  text_line(Line().a(name1).f(v1, 9, 3).x().a(name2).f(v2, 9, 3));
}

void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy) {
  static constexpr RoutineId id{"mus2cm1", "6.7 ", "2024-10-22"};
  auto row = [](std::string_view side, float a, float b, std::string_view user, float origin) {
    text_line(Line().a(side).x(3).a("|").f(a, 7, 3).x().f(b, 7, 3).a("|").x(3).a(user).x(3).a("|").f(origin, 7, 3).a("|"));
  };
  bool alter = show_conversion(id, [&] {
    direction_picture({"|  cm  |                   |user units|", "|  on  | <---------------- |   used   |",
                       "| plot |                   | in calls |", " ", " |xcm|                         |xu|",
                       " |   | <---------------------- |  |", " |ycm|                         |yu|"});
    text_line(" ");
    text_line(" |xcm|     |xx   xy|   |xu|   |xcm0|");
    text_line(" |   |  =  |       | * |  | + |    |");
    text_line(" |ycm|     |yx   yy|   |yu|   |ycm0|");
    current_set_up_title();
    row("|xcm|", xx, xy, "|xu|", xcm0);
    text_line(Line().a("|   |").a(" = ").a("|").x(15).a("|").a(" * ").a("|  |").a(" + ").a("|").x(7).a("|"));
    row("|ycm|", yx, yy, "|yu|", ycm0);
    equals_line();
  });
  if (!alter) return;
  ask_reals(id, {{"xcm0", xcm0, Paper::position},
                 {"ycm0", ycm0, Paper::position},
                 {"xx", xx},
                 {"xy", xy},
                 {"yx", yx},
                 {"yy", yy}});
}

void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, int& ixy) {
  static constexpr RoutineId id{"mus2cm3", "4.6 ", "2024-10-22"};
  bool alter = show_conversion(id, [&] {
    direction_picture({"|  cm  |                     |user units|", "|  on  | <------------------ |   used   |",
                       "| plot |                     | in calls |", " ", " |xcm|                           |xu|",
                       " |   | <------------------------ |  |", " |ycm|                           |yu|"});
    current_set_up_title();
    dash_line();
    text_line("     1 - USER UNITS IN USER SPACE         ");
    dash_line();
    text_line(Line().a("   _|_________________|_  yumax = ").f(yumax, 9, 3));
    text_line("    |                 |");
    text_line("    |                 |");
    text_line(Line().a("   _|_________________|_  yumin = ").f(yumin, 9, 3));
    text_line("    |                 |");
    text_line("  xumin             xumax");
    out(Line().x(2).f(xumin, 9, 3).x(9).f(xumax, 9, 3));
    text_line("");
    text_line(" user limits:          xu,yu in user units");
    value_pair_line(" xumin = ", xumin, " yumin = ", yumin);
    value_pair_line(" xumax = ", xumax, " yumax = ", yumax);
    dash_line();
    text_line("     2 - CM UNITS ON PLOT                 ");
    dash_line();
    text_line("   _|_________________|_  ");
    text_line("    |                 |  |");
    text_line(Line().a("    |                 |  | ylcm = ").f(ylcm, 9, 3));
    text_line(Line().a("   _|_________________|_ | _ ycm0 = ").f(ycm0, 9, 3));
    text_line("    |                 |");
    text_line("    <---- xlcm -------> ");
    text_line(Line().a("    |   ").f(xlcm, 9, 3));
    text_line(Line().a("  xcm0 = ").f(xcm0, 9, 3));
    text_line("");
    text_line(" paper limits:               xcm,ycm in cm");
    value_pair_line(" xlcm  = ", xlcm, " ylcm  = ", ylcm);
    value_pair_line(" xcm0  = ", xcm0, " ycm0  = ", ycm0);
    dash_line();
    if (ixy == 1) {
      text_line("X & Y scale imposed equal");
    } else if (ixy == 0) {
      text_line("X & Y scale will adjust xlcm & ylcm");
    } else {
      text_line(Line().a("WARNING: ixy = ").x().i(ixy, 8).x().a(" neither 0 nor 1"));
      text_line("      will have same effect as ixy = 0");
    }
    dash_line();
  });
  if (!alter) return;
  ask_reals(id, {{"xumin", xumin},
                 {"xumax", xumax},
                 {"yumin", yumin},
                 {"yumax", yumax},
                 {"xcm0", xcm0, Paper::position},
                 {"ycm0", ycm0, Paper::position},
                 {"xlcm", xlcm, Paper::side},
                 {"ylcm", ylcm, Paper::side}});
  int istat;
  inintegvindef(ixy, "Whether X scale = Y scale (0/1) ?", ixy, 0, 1, istat);
}
