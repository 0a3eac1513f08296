#include "plt_lib/attributes.h"

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"

Plt2Blk plt2blk;

const std::array<ColorEntry, max_color_number + 1> default_color_table = {{
    {"White-bkg", 100, 100, 100},
    {"Black", 0, 0, 0},
    {"Red", 100, 0, 0},
    {"Green", 0, 100, 0},
    {"Blue", 0, 0, 100},
    {"Cyan", 0, 100, 100},
    {"Magenta", 100, 0, 100},
    {"Yellow", 100, 100, 0},
    {"Grey20", 80, 80, 80},
    {"Grey30", 70, 70, 70},
    {"Grey40", 60, 60, 60},
    {"Grey50", 50, 50, 50},
    {"Grey70", 30, 30, 30},
    {"Orange", 100, 50, 0},
    {"Chartreuse green", 50, 100, 0},
    {"Spring Green", 0, 100, 50},
    {"Azure", 0, 50, 100},
    {"Violet", 50, 0, 100},
    {"Rose", 100, 0, 50},
}};

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

}  // namespace

void setter_text(std::string_view text) { out(Line().x().a(text)); }

void setter_integer(std::string_view text, int value) { out(Line().x().a(text).x().i(value, 6)); }

void setter_real(std::string_view text, float value) { out(Line().x().a(text).x().f(value, 8, 3)); }

void setter_dashes() { out(Line().x().rep('-', 43)); }

void setter_dialogue_head(const RoutineId& id, std::string_view heading) {
  submenuhead(id.name, id.version, id.date);
  setter_dashes();
  setter_text(heading);
  setter_dashes();
}

std::string setter_question(std::string_view text) { return fit(text, 35); }

void setter_bad_mode(const RoutineId& id, int inter, int width, std::string_view range_line) {
  warninghead(id.name, id.version, id.date);
  out(Line().x().a("inter =").x().i(inter, width));
  if (!range_line.empty()) setter_text(range_line);
  setter_text("===> NO ACTION");
  warningtail00();
}

void setter_propagation_warning(const RoutineId& id) {
  warninghead(id.name, id.version, id.date);
  setter_text("TRYING TO PROPAGATE PLOT ATTRIBUTE");
  setter_text(" WITH CLOSED PLOT FILE");
  setter_text("===> NO ACTION");
  warningtail00();
}

template <class T>
void run_attribute_setter(const AttributeMember<T>& member, T& value, int inter) {
  if (inter < 0 || inter > 7) {
    setter_bad_mode(member.id, inter, 6, "Accepted range = [0,7]");
    return;
  }
  T& stored = plt2blk.*member.field;

  if (inter <= 1) {
    if (member.check_given) member.check_given(value);
  } else if (inter <= 3) {
    value = stored;
  } else if (inter <= 5) {
    value = member.default_value;
    if (inter == 5) {
      submenuhead(member.id.name, member.id.version, member.id.date);
      if (member.initialising) member.initialising(value);
    }
  }

  if (member.check_always) member.check_always(value);

  bool dialogue_mode = inter == 0 || inter == 2 || inter == 4 || (inter == 6 && member.dialogue_in_mode6);
  bool dialogue = member.dialogue && dialogue_mode;
  if (dialogue) member.dialogue(value);
  // A reset value passes the check; with a dialogue the user sees it suggested once more.
  while (member.recheck && inter <= 5 && member.recheck(value))
    if (dialogue) member.dialogue(value);

  if (inter != 3 && inter <= 5) stored = value;

  if (iocom.lplotopen) {
    if (member.send && inter != 3) member.send();
  } else if (inter >= 6) {
    setter_propagation_warning(member.id);
  }
}

template void run_attribute_setter<float>(const AttributeMember<float>&, float&, int);
template void run_attribute_setter<std::int32_t>(const AttributeMember<std::int32_t>&, std::int32_t&, int);
