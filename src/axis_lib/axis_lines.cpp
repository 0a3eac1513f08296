#include "axis_lib/axis_lines.h"

#include <string>

#include "axis_lib/axes.h"
#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"

namespace {
void out(std::string_view line) { unit::write_line(iocom.iuout, line); }
}  // namespace

void axis_text(std::string_view text) { out(Line().x().a(text)); }

void axis_number(std::string_view text, int value) { out(Line().x().a(text).x().i(value, 4)); }

void axis_value(std::string_view text, float value) { out(Line().x().a(text).x().f(value, 9, 3)); }

void axis_dashes(int n) { axis_text(std::string(static_cast<std::size_t>(n), '-')); }

void annotation_lines(std::string_view heading, float WAU1, float WAU2, float WAUD) {
  axis_text(heading);
  axis_value("initial value      =", WAU1);
  axis_value("final   value      =", WAU2);
  axis_value("increment          =", WAUD);
}

void bad_axis_number_head(const RoutineId& id, std::string_view text, int IAX) {
  errorhead(id.name, id.version, id.date);
  axis_number(text, IAX);
  axis_number("max axis nb =", max_axes);
}
