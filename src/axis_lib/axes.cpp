#include "axis_lib/axes.h"

#include <cmath>
#include <string_view>

#include "axis_lib/axis_lines.h"
#include "axis_lib/axisdraw.h"
#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"

AxisBlk7a axisblk7a;
AxisBlk7b axisblk7b;

namespace {

constexpr RoutineId s1axis1_id{"s1axis1    ", " 3.1", "2012-05-09"};
constexpr RoutineId s1axis_id{"s1axis     ", " 3.1", "2012-05-09"};
constexpr RoutineId s1axuswdtyp_id{"s1axuswdtyp", " 1.1", "2012-05-09"};
constexpr RoutineId snaxis_id{"snaxis     ", " 2.1", "2012-05-09"};
constexpr RoutineId g1axbd_id{"g1axbd     ", " 1.3", "2012-05-04"};

constexpr std::string_view generic_title = "Generic 0-10 axis";

bool valid_axis(int IAX) { return IAX >= 1 && IAX <= max_axes; }
std::size_t slot(int IAX) { return static_cast<std::size_t>(IAX - 1); }
bool fetch_mode(int mode) { return mode == 2 || mode == 3 || mode == 10; }
bool reset_mode(int mode) { return mode == 4 || mode == 5; }
bool dialogue_mode(int mode) { return mode % 2 == 0; }

void no_action_for_axis(const RoutineId& id, int IAX) {
  bad_axis_number_head(id, "trying to set axis nb =", IAX);
  axis_text("===> NO ACTION");
  errortail00();
}

int ask_choice() {
  int choice = 99;
  int istat;
  inintegdef(choice, "your choice", choice, istat);
  return choice;
}

// A link scale that cannot serve becomes 1.0, with a warning.
void reset_scale(const RoutineId& id, float& WAOUS) {
  warninghead(id.name, id.version, id.date);
  axis_text(Line().a("trying to set wd/us scaling =").x().g(WAOUS, 13, 6));
  WAOUS = 1.0f;
  axis_text(Line().a("==> RESET SCALING =").x().g(WAOUS, 13, 6));
  warningtail00();
}

// A link scale of 0 would divide the annotations by zero.
void reset_zero_scale(const RoutineId& id, float& WAOUS) {
  if (WAOUS == 0.0f) reset_scale(id, WAOUS);
}

// ---- one axis (s1axis1 and s1axis) ----

// The caller's arguments; NLABINTK is null for s1axis.
struct AxisArgs {
  float &USA1, &USA2, &WAU1, &WAU2, &WAUD, &WALAS;
  std::string& WALAB;
  int &NAWDIG, &NASUBINT;
  int* NLABINTK;
};

bool increment_fails(float WAU1, float WAU2, float WAUD) {
  return WAUD == 0.0f || (WAUD > 0.0f && WAU1 > WAU2) || (WAUD < 0.0f && WAU2 > WAU1);
}

// Half the span from a to b; the bounds are halved first when the span itself is beyond
// single precision.
float half_span(float a, float b) {
  const float h = 0.5f * (b - a);
  return std::isfinite(h) ? h : 0.5f * b - 0.5f * a;
}

// Replaces an increment that fails the check, with a warning. A zero increment becomes half
// the span, another its negative; when half the span fails too (equal bounds, or a span
// too small to halve) the increment becomes 1.0 for equal bounds and the span otherwise,
// so the value given back always passes the check and is finite.
void replace_increment(const RoutineId& id, float WAU1, float WAU2, float& WAUD) {
  warninghead(id.name, id.version, id.date);
  annotation_lines("Inconsistent annotation increment:", WAU1, WAU2, WAUD);
  WAUD = WAUD == 0.0f ? half_span(WAU1, WAU2) : -WAUD;
  if (increment_fails(WAU1, WAU2, WAUD)) WAUD = WAU1 == WAU2 ? 1.0f : WAU2 - WAU1;
  axis_value("=> RESET increment =", WAUD);
  warningtail00();
}

// ---- answers refused where they are typed ----
//
// An answer that no drawing could use is refused with a warning, the value of the menu is
// kept, and the menu is shown again, so that nothing of it reaches a run.

// User and annotation bounds: positions along a core section in cm, or the values written
// at them; within it every whole value is exact in single precision, and a page's map
// of any two of them stays well within single precision.
constexpr float max_axis_value = 9999999.0f;
// The axis size is the title height, the annotations are 0.8 times as high: both within the
// heights that the text-size setter takes (above 0.02, at most 1000 cm) from 0.025 to 1000.
constexpr float min_axis_size = 0.025f;
constexpr float max_axis_size = 1000.0f;
// An annotation has 20 characters: a sign, one digit, the point and 17 decimals at most.
constexpr int max_decimals = 17;
// No more subtic intervals between two major tics than the subtics an axis draws.
constexpr int max_subtic_intervals = max_tics_per_axis;

void refusal_head(const RoutineId& id, std::string_view heading) {
  warninghead(id.name, id.version, id.date);
  axis_text(heading);
}

void refusal_tail() {
  axis_text("===> NO ACTION");
  warningtail00();
}

void given_value(float answer) { axis_text(Line().a("value given        =").x().g(answer, 13, 6)); }
void given_value(int answer) { axis_text(Line().a("value given        =").x().i(answer, 13)); }

bool real_within(float answer, float vmin, float vmax, const RoutineId& id) {
  if (answer >= vmin && answer <= vmax) return true;
  refusal_head(id, "Value out of range:");
  given_value(answer);
  axis_text(Line().a("min                =").x().f(vmin, 13, 3));
  axis_text(Line().a("max                =").x().f(vmax, 13, 3));
  refusal_tail();
  return false;
}

bool integer_within(int answer, int vmin, int vmax, const RoutineId& id) {
  if (answer >= vmin && answer <= vmax) return true;
  refusal_head(id, "Value out of range:");
  given_value(answer);
  axis_text(Line().a("min                =").x().i(vmin, 13));
  axis_text(Line().a("max                =").x().i(vmax, 13));
  refusal_tail();
  return false;
}

// Two bounds of a pair: a span beyond single precision could not be scaled, and neither
// could none at all (user bounds; equal annotation bounds are found with the tics).
bool pair_usable(float answer, float other, bool equal_refused, const RoutineId& id) {
  const bool apart = std::isfinite(answer - other);
  if (apart && !(equal_refused && answer == other)) return true;
  refusal_head(id, apart ? "Identical user bounds:" : "Bounds too far apart:");
  given_value(answer);
  axis_text(Line().a("other bound        =").x().g(other, 13, 6));
  refusal_tail();
  return false;
}

// The annotation bounds, increment and subtic intervals that an answer would give the
// axis: refused when the axis would be drawn without its tics or its subtics.
bool tics_drawn(float WAU1, float WAU2, float WAUD, int NASUBINT, const RoutineId& id) {
  const TicFault fault = axis_tic_fault(WAU1, WAU2, WAUD, NASUBINT);
  if (fault == TicFault::none) return true;
  refusal_head(id, fault == TicFault::identical_bounds ? "Identical annotation bounds:"
                   : fault == TicFault::too_many_tics  ? "Too many annotation tics:"
                                                       : "Too many subtics:");
  axis_text(Line().a("initial value      =").x().g(WAU1, 13, 6));
  axis_text(Line().a("final   value      =").x().g(WAU2, 13, 6));
  axis_text(Line().a("increment          =").x().g(WAUD, 13, 6));
  if (fault == TicFault::too_many_subtics) axis_text(Line().a("subtic intervals   =").x().i(NASUBINT, 13));
  if (fault != TicFault::identical_bounds) axis_text(Line().a("max per axis       =").x().i(max_tics_per_axis, 13));
  refusal_tail();
  return false;
}

float ask_real(float value, std::string_view question) {
  float answer = value;
  int istat;
  inrealdef(answer, question, value, istat);
  return answer;
}

int ask_integer(int value, std::string_view question) {
  int answer = value;
  int istat;
  inintegdef(answer, question, value, istat);
  return answer;
}

// The answers of the menu "SETTING UP AXIS #" that a drawing could not use.
void ask_user_bound(const RoutineId& id, float& bound, float other, std::string_view question) {
  const float answer = ask_real(bound, question);
  if (real_within(answer, -max_axis_value, max_axis_value, id) && pair_usable(answer, other, true, id))
    bound = answer;
}

void ask_annotation_bound(const RoutineId& id, AxisArgs& a, bool initial) {
  float& bound = initial ? a.WAU1 : a.WAU2;
  const float other = initial ? a.WAU2 : a.WAU1;
  const float answer = ask_real(bound, initial ? "annotation initial value" : "annotation final value");
  if (!real_within(answer, -max_axis_value, max_axis_value, id) || !pair_usable(answer, other, false, id)) return;
  if (tics_drawn(initial ? answer : other, initial ? other : answer, a.WAUD, a.NASUBINT, id)) bound = answer;
}

void ask_increment(const RoutineId& id, AxisArgs& a) {
  const float answer = ask_real(a.WAUD, "annotation increment");
  if (tics_drawn(a.WAU1, a.WAU2, answer, a.NASUBINT, id)) a.WAUD = answer;
}

void ask_size(const RoutineId& id, AxisArgs& a) {
  const float answer = ask_real(a.WALAS, "annotation size in cm");
  if (real_within(answer, min_axis_size, max_axis_size, id)) a.WALAS = answer;
}

void ask_decimals(const RoutineId& id, AxisArgs& a) {
  const int answer = ask_integer(a.NAWDIG, "nb of digits after dec. point");
  if (integer_within(answer, 0, max_decimals, id)) a.NAWDIG = answer;
}

void ask_subtic_intervals(const RoutineId& id, AxisArgs& a) {
  const int answer = ask_integer(a.NASUBINT, "nb of intervals between tics");
  if (integer_within(answer, 0, max_subtic_intervals, id) && tics_drawn(a.WAU1, a.WAU2, a.WAUD, answer, id))
    a.NASUBINT = answer;
}

// The values of the menu, each shown whole: its column widens for a value that does not fit.
void menu_value(std::string_view item, float value) { axis_text(Line().a(item).x().f_whole(value, 9, 3)); }
void menu_number(std::string_view item, int value) { axis_text(Line().a(item).x().i_whole(value, 4)); }

void axis_menu_lines(const AxisArgs& a, int IAX, int link) {
  axis_text("Sizes:");
  axis_number("max nb of axis    =", max_axes);
  axis_number("axis label length =", axis_label_length);
  axis_dashes(43);
  axis_number("SETTING UP AXIS #", IAX);
  axis_dashes(13);
  if (link == 1) {
    axis_text("user space = annotation");
  } else {
    axis_text("user space:");
    menu_value("initial value ....................1", a.USA1);
    menu_value("final   value ....................2", a.USA2);
    axis_dashes(13);
    axis_text("annotation:");
  }
  menu_value("initial value ...................20", a.WAU1);
  menu_value("final   value ...................21", a.WAU2);
  menu_value("increment .......................22", a.WAUD);
  menu_value("size in cm ......................23", a.WALAS);
  menu_number("nb of digits after dec. point ...24", a.NAWDIG);
  menu_number("nb of subtics intervals..........25", a.NASUBINT);
  axis_text(Line().a("axis label ......................26").x().a(a.WALAB));
  if (a.NLABINTK) menu_number("nb of tics intervals for label ..27", *a.NLABINTK);
  axis_dashes(43);
  axis_text("EXIT.............................99");
}

// Menu "SETTING UP AXIS #": passes until the choice 99, each changing one argument.
void axis_menu(const RoutineId& id, AxisArgs& a, int IAX) {
  const int link = axisblk7a.IUSWDTYP[slot(IAX)];
  for (;;) {
    submenuhead(id.name, id.version, id.date);
    if (more_output()) {
      axis_menu_lines(a, IAX, link);
      menutail();
    }
    int choice = ask_choice();
    int istat;
    switch (choice) {
      case 1:
        if (link != 1) ask_user_bound(id, a.USA1, a.USA2, "user initial value");
        break;
      case 2:
        if (link != 1) ask_user_bound(id, a.USA2, a.USA1, "user final value");
        break;
      case 20: ask_annotation_bound(id, a, true); break;
      case 21: ask_annotation_bound(id, a, false); break;
      case 22: ask_increment(id, a); break;
      case 23: ask_size(id, a); break;
      case 24: ask_decimals(id, a); break;
      case 25: ask_subtic_intervals(id, a); break;
      case 26: inchardef(a.WALAB, "axis label", a.WALAB, istat); break;
      case 27:
        if (a.NLABINTK) inintegdef(*a.NLABINTK, "nb of tics intervals for label", *a.NLABINTK, istat);
        break;
      case 99: return;
      default: break;
    }
  }
}

// The steps of s1axis1 and s1axis; link type 2 is known only to s1axis1 (full).
void set_up_axis(const RoutineId& id, AxisArgs a, int IAX, int mode, bool full) {
  if (!valid_axis(IAX)) {
    no_action_for_axis(id, IAX);
    return;
  }
  const std::size_t k = slot(IAX);
  if (fetch_mode(mode)) {
    a.USA1 = axisblk7a.USA1[k];
    a.USA2 = axisblk7a.USA2[k];
    a.WAU1 = axisblk7a.WAU1[k];
    a.WAU2 = axisblk7a.WAU2[k];
    a.WAUD = axisblk7a.WAUD[k];
    a.WALAS = axisblk7a.WALAS[k];
    a.WALAB = fit(axisblk7b.WALAB[k], a.WALAB.size());
    a.NAWDIG = axisblk7a.NAWDIG[k];
    a.NASUBINT = axisblk7a.NASUBINT[k];
    if (a.NLABINTK) *a.NLABINTK = axisblk7a.NLABINTK[k];
  } else if (reset_mode(mode)) {
    submenuhead(id.name, id.version, id.date);
    axis_number("INITIALIZING AXIS NB", IAX);
    a.USA1 = 0.0f;
    a.USA2 = 10.0f;
    a.WAU1 = 0.0f;
    a.WAU2 = 10.0f;
    a.WAUD = 5.0f;
    a.WALAS = 0.5f;
    a.WALAB = fit(generic_title, a.WALAB.size());
    a.NAWDIG = 0;
    a.NASUBINT = 5;
    if (a.NLABINTK) *a.NLABINTK = 1;
  }
  for (;;) {
    if (dialogue_mode(mode)) axis_menu(id, a, IAX);
    if (!increment_fails(a.WAU1, a.WAU2, a.WAUD)) break;
    replace_increment(id, a.WAU1, a.WAU2, a.WAUD);
    if (!dialogue_mode(mode)) break;  // the replacement always passes
  }
  float usa1 = a.USA1, usa2 = a.USA2;
  const int link = axisblk7a.IUSWDTYP[k];
  if (link == 1) {
    usa1 = a.WAU1;
    usa2 = a.WAU2;
  } else if (link == 2 && full) {
    float& scale = axisblk7a.WAOUS[k];
    reset_zero_scale(id, scale);
    usa1 = a.WAU1 / scale;
    usa2 = a.WAU2 / scale;
    if (!std::isfinite(usa2 - usa1)) {  // a scale so small that the user values overflow
      reset_scale(id, scale);
      usa1 = a.WAU1 / scale;
      usa2 = a.WAU2 / scale;
    }
  }
  axisblk7a.USA1[k] = usa1;
  axisblk7a.USA2[k] = usa2;
  axisblk7a.WAU1[k] = a.WAU1;
  axisblk7a.WAU2[k] = a.WAU2;
  axisblk7a.WAUD[k] = a.WAUD;
  axisblk7a.WALAS[k] = a.WALAS;
  axisblk7b.WALAB[k] = fit(a.WALAB, axis_label_length);
  axisblk7a.NAWDIG[k] = a.NAWDIG;
  axisblk7a.NASUBINT[k] = a.NASUBINT;
  if (a.NLABINTK) axisblk7a.NLABINTK[k] = *a.NLABINTK;
}

// ---- link set-up ----

void link_menu(int& IUSWDTYP, float& WAOUS, int IAX) {
  for (;;) {
    reset_zero_scale(s1axuswdtyp_id, WAOUS);
    submenuhead(s1axuswdtyp_id.name, s1axuswdtyp_id.version, s1axuswdtyp_id.date);
    if (more_output()) {
      axis_number("SETTING UP AXIS #", IAX);
      axis_number("max nb of axis  =", max_axes);
      axis_dashes(43);
      axis_text(IUSWDTYP == 1 ? "user space = annotation" : "user space and annotations independent");
      axis_number("user space versus annotations ...10", IUSWDTYP);
      axis_text(Line().a("annotations/user scaling  .......20").x().g(WAOUS, 13, 6));
      axis_dashes(43);
      axis_text("EXIT.............................99");
      menutail();
    }
    int choice = ask_choice();
    int istat;
    if (choice == 10) {
      axis_text("link between user units and annotations:");
      axis_text("annotation & user independent ....0");
      axis_text("annotation = user ................1");
      axis_text("annotation = user * scale ........2");
      inintegvindef(IUSWDTYP, "your choice (0-2)", IUSWDTYP, 0, 2, istat);
    } else if (choice == 20) {
      inrealdef(WAOUS, "annotation/user scaling", WAOUS, istat);
    } else if (choice == 99) {
      return;
    }
  }
}

void generic_axis(int IAX) {
  float usa1 = 0.0f, usa2 = 10.0f, wau1 = 0.0f, wau2 = 10.0f, waud = 5.0f, walas = 0.5f;
  std::string title = fit(generic_title, 35);
  int nawdig = 0, nasubint = 5, nlabintk = 1;
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, title, nawdig, nasubint, nlabintk, IAX, 1);
}

// The set-up dialogues of one axis from the menu "AXIS SET UP".
void axis_dialogues(int IAX, int mode) {
  if (mode >= 10) {
    int link = 0;
    float scale = 1.0f;
    s1axuswdtyp(link, scale, IAX, 2);
  }
  float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
  std::string title(35, ' ');
  int nawdig = 0, nasubint = 0, nlabintk = 0;
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, title, nawdig, nasubint, nlabintk, IAX, 2);
}

}  // namespace

void s1axis1(float& USA1, float& USA2, float& WAU1, float& WAU2, float& WAUD, float& WALAS, std::string& WALAB,
             int& NAWDIG, int& NASUBINT, int& NLABINTK, int IAX, int mode) {
  set_up_axis(s1axis1_id, {USA1, USA2, WAU1, WAU2, WAUD, WALAS, WALAB, NAWDIG, NASUBINT, &NLABINTK}, IAX, mode,
              true);
}

void s1axis(float& USA1, float& USA2, float& WAU1, float& WAU2, float& WAUD, float& WALAS, std::string& WALAB,
            int& NAWDIG, int& NASUBINT, int IAX, int mode) {
  set_up_axis(s1axis_id, {USA1, USA2, WAU1, WAU2, WAUD, WALAS, WALAB, NAWDIG, NASUBINT, nullptr}, IAX, mode, false);
}

void s1axuswdtyp(int& IUSWDTYP, float& WAOUS, int IAX, int mode) {
  const RoutineId& id = s1axuswdtyp_id;
  if (!valid_axis(IAX)) {
    no_action_for_axis(id, IAX);
    return;
  }
  const std::size_t k = slot(IAX);
  if (fetch_mode(mode)) {
    IUSWDTYP = axisblk7a.IUSWDTYP[k];
    WAOUS = axisblk7a.WAOUS[k];
  } else if (reset_mode(mode)) {
    submenuhead(id.name, id.version, id.date);
    axis_number("INITIALIZING US-WD FOR AXIS NB", IAX);
    IUSWDTYP = 0;
    WAOUS = 1.0f;
  } else if (IUSWDTYP < 0 || IUSWDTYP > 2) {
    warninghead(id.name, id.version, id.date);
    axis_number("trying to set us/wd type =", IUSWDTYP);
    axis_text("UNKNOWN TYPE");
    IUSWDTYP = 0;
    axis_number("==> RESET TYPE =", IUSWDTYP);
    warningtail00();
  }
  if (dialogue_mode(mode)) link_menu(IUSWDTYP, WAOUS, IAX);
  reset_zero_scale(id, WAOUS);  // a scale given without the dialogue too
  axisblk7a.IUSWDTYP[k] = IUSWDTYP;
  axisblk7a.WAOUS[k] = WAOUS;
}

void snaxis(int mode) {
  const RoutineId& id = snaxis_id;
  if (reset_mode(mode)) {
    submenuhead(id.name, id.version, id.date);
    axis_text("INITIALIZING AXES");
    for (int iax = 1; iax <= max_axes; ++iax) {
      int link = 0;
      float scale = 1.0f;
      s1axuswdtyp(link, scale, iax, 1);
    }
    for (int iax = 1; iax <= max_axes; ++iax) generic_axis(iax);
  }
  if (!dialogue_mode(mode)) return;
  for (;;) {
    submenuhead(id.name, id.version, id.date);
    if (more_output()) {
      axis_text("AXIS SET UP");
      axis_dashes(43);
      axis_text(Line().a("axis label").x(18).a("axis nb"));
      axis_dashes(35);
      for (int iax = 1; iax <= max_axes; ++iax)
        axis_text(Line().a(fit(axisblk7b.WALAB[slot(iax)], 20)).x().a(std::string(12, '.')).i(iax, 2));
      axis_dashes(43);
      axis_text("Go through all axes.............100");
      axis_text("EXIT.............................99");
      menutail();
    }
    int choice = ask_choice();
    if (valid_axis(choice)) {
      axis_dialogues(choice, mode);
    } else if (choice == 100) {
      for (int iax = 1; iax <= max_axes; ++iax) axis_dialogues(iax, mode);
    } else if (choice == 99) {
      return;
    }
  }
}

void g1axbd(float& U1, float& U2, int IAX) {
  if (!valid_axis(IAX)) {
    bad_axis_number_head(g1axbd_id, "trying to get bounds of axis nb =", IAX);
    axis_text("===> RETURNING [0, 10]");
    errortail00();
    U1 = 0.0f;
    U2 = 10.0f;
    return;
  }
  U1 = axisblk7a.USA1[slot(IAX)];
  U2 = axisblk7a.USA2[slot(IAX)];
}
