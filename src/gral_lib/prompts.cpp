#include "gral_lib/prompts.h"

#include <cmath>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/freeformat.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {


constexpr RoutineId id_ininteg1{"ininteg1   ", " 1.2", "2024-02-05"};
constexpr RoutineId id_inintegdef{"inintegdef ", " 1.4", "2024-02-05"};
constexpr RoutineId id_inintegvin1{"inintegvin1", " 1.2", "2024-02-05"};
constexpr RoutineId id_inintegvindef{"inintegvindef", " 1.4", "2024-02-05"};
constexpr RoutineId id_inrealdef{"inrealdef  ", " 1.3", "2024-02-05"};
constexpr RoutineId id_inrealvindef{"inrealvindef", " 1.6", "2024-02-05"};
constexpr RoutineId id_inlogicdef{"inlogicdef ", " 1.4", "2024-02-05"};
constexpr RoutineId id_inlogicdef2{"inlogicdef2", " 1.0", "08-03-2000"};

constexpr std::string_view dots = " ..........................................";
constexpr std::size_t number_field = 20;
constexpr std::size_t text_field = 80;

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

// Reads one answer line from the standard input unit; an end of input ends the program.
std::string answer_line() {
  std::string line;
  if (!unit::read_line(iocom.iuin, line)) stop_at_end_of_input();
  return line;
}

// The answer field: the first n characters of the line, blank-padded to n.
std::string answer_field(const std::string& line, std::size_t n) { return fit(line, n); }

bool is_empty_answer(const std::string& field) {
  if (field.empty()) return true;
  char c = field[0];
  return c == '\n' || c == '\r' || c == ' ';
}

void question(std::string_view prompt) { out(Line().x().a("Enter").x().a(prompt)); }

void could_not_read(const RoutineId& id, std::string_view prompt) {
  errorhead(id.name, id.version, id.date);
  out(Line().x().a("could not read").x().a(prompt));
  out(" ==> RETRYING");
  errortail00();
}

// Integer range line: the bounds in the widths integlen gives them.
std::string int_range_line(std::string_view lead, int vmin, int vmax) {
  int lmin, lmax;
  integlen(lmin, vmin);
  integlen(lmax, vmax);
  return Line().x().a(lead, 9).i(vmin, lmin).a(",").i(vmax, lmax).a("]").str();
}

// Real range line: one field for both bounds, chosen by the larger magnitude.
struct RealField {
  enum Kind { fixed, general } kind;
  int w, d;
};

RealField range_field(float vmin, float vmax) {
  float m = std::fmax(std::fabs(vmin), std::fabs(vmax));
  if (std::isnan(vmin) || std::isnan(vmax)) return {RealField::general, 20, 1};
  if (m < 10.0f) return {RealField::fixed, 6, 3};
  if (m < 100.0f) return {RealField::fixed, 7, 3};
  if (m < 1000.0f) return {RealField::fixed, 7, 2};
  if (m < 1.0e6f) return {RealField::fixed, 9, 1};
  if (m < 1.0e10f) return {RealField::fixed, 13, 1};
  return {RealField::general, 20, 1};
}

void put_real(Line& l, float v, const RealField& f) {
  if (f.kind == RealField::fixed)
    l.f(v, f.w, f.d);
  else
    l.g(v, f.w, f.d);
}

std::string real_range_line(std::string_view lead, float vmin, float vmax, const RealField& f) {
  Line l;
  l.x().a(lead, 9);
  put_real(l, vmin, f);
  l.a(",", 1);
  put_real(l, vmax, f);
  l.a("]", 1);
  return l.str();
}

RealField default_field(float m) {
  if (m < 10.0f) return {RealField::fixed, 6, 3};
  if (m < 100.0f) return {RealField::fixed, 7, 3};
  if (m < 1000.0f) return {RealField::fixed, 7, 2};
  return {RealField::general, 20, 1};
}

// Reads an integer in free format straight from the console, passing over empty lines.
bool read_integer_line(int& iv) {
  std::string line = answer_line();
  LineSupplier more = [](std::string& next) {
    if (!unit::read_line(iocom.iuin, next)) stop_at_end_of_input();
    return true;
  };
  int v = 0;
  if (read_list(line, more, {&v}) != ListStatus::ok) return false;
  iv = v;
  return true;
}

bool read_integer_field(const std::string& field, int& iv) {
  int v = 0;
  if (read_list(field, {&v}) != ListStatus::ok) return false;
  iv = v;
  return true;
}

bool read_real_field(const std::string& field, float& rv) {
  float v = 0.0f;
  if (read_list(field, {&v}) != ListStatus::ok) return false;
  rv = v;
  return true;
}

void echo_int(int v) { out(Line().x().a("New value = ").x().i(v, 12)); }
void echo_real(float v) { out(Line().x().a("New value = ").x().g(v, 12, 6)); }
void echo_text(const std::string& v) { out(Line().x().a("New value =").x().a(v)); }

const char* yes_no(bool v) { return v ? "Yes" : "No "; }

// The shared road of the integer prompts; range and default are optional.
void ask_integer(const RoutineId& id, int& iv, std::string_view ctext, const int* idef, const int* range, int& istat) {
  unit::before_question();
  istat = 0;
  std::string_view prompt = trimmed(ctext);
  for (;;) {
    if (more_output()) out(dots);
    question(prompt);
    if (range) out(int_range_line("inside  [", range[0], range[1]));
    if (idef && more_output()) {
      out(" or return for default value");
      out(Line().x().a("Default =").x().i(*idef, 12));
    }
    if (idef) {
      std::string field = answer_field(answer_line(), number_field);
      if (is_empty_answer(field)) {
        iv = *idef;
      } else if (!read_integer_field(field, iv)) {
        could_not_read(id, prompt);
        continue;
      }
    } else if (!read_integer_line(iv)) {
      could_not_read(id, prompt);
      continue;
    }
    if (range && (range[0] > iv || iv > range[1])) {
      errorhead(id.name, id.version, id.date);
      out(Line().x().a(std::string(prompt) + " =").x().i(iv, 12));
      out(int_range_line("outside [", range[0], range[1]));
      errortail00();
      continue;
    }
    echo_int(iv);
    if (more_output()) out(dots);
    return;
  }
}

void ask_real(const RoutineId& id, float& rv, std::string_view ctext, const float& rdef, const float* range, int& istat) {
  unit::before_question();
  istat = 0;
  std::string_view prompt = trimmed(ctext);
  RealField rfield{}, dfield{};
  if (range) {
    rfield = range_field(range[0], range[1]);
    float m = std::fmax(std::fmax(std::fabs(range[0]), std::fabs(range[1])), std::fmax(std::fabs(rv), std::fabs(rdef)));
    bool nan = std::isnan(range[0]) || std::isnan(range[1]) || std::isnan(rv) || std::isnan(rdef);
    dfield = nan ? RealField{RealField::general, 20, 1} : default_field(m);
  }
  for (;;) {
    if (more_output()) out(dots);
    question(prompt);
    if (range) out(real_range_line("inside  [", range[0], range[1], rfield));
    if (more_output()) {
      out(" or return for default value");
      if (range) {
        Line l;
        l.x().a("Default =", 9).x();
        put_real(l, rdef, dfield);
        out(l);
      } else {
        out(Line().x().a("Default =").x().g(rdef, 12, 6));
      }
    }
    std::string field = answer_field(answer_line(), number_field);
    if (is_empty_answer(field)) {
      rv = rdef;
    } else if (!read_real_field(field, rv)) {
      could_not_read(id, prompt);
      continue;
    }
    if (range && (range[0] > rv || rv > range[1])) {
      errorhead(id.name, id.version, id.date);
      out(Line().x().a(std::string(prompt) + " =").x().g(rv, 12, 6));
      out(real_range_line("outside [", range[0], range[1], rfield));
      errortail00();
      continue;
    }
    echo_real(rv);
    if (more_output()) out(dots);
    return;
  }
}

void help_frame(const RoutineId& id, int iuout) {
  static constexpr std::string_view help[] = {
      "   To         type           ", "-----------------------------", "get help      h or H         ",
      "answer Yes    y or Y or 1    ", "answer No     n or N or 0    ", "use default   Carriage Return",
  };
  submenuhead(id.name, id.version, id.date);
  for (std::string_view h : help) unit::write_line(iuout, Line().x().a(h));
  menutail();
}

enum class YesNo { yes, no, empty, help, other };

YesNo judge(char c) {
  switch (c) {
    case 'y': case 'Y': case '1': return YesNo::yes;
    case 'n': case 'N': case '0': return YesNo::no;
    case '\n': case '\r': case ' ': return YesNo::empty;
    case 'h': case 'H': return YesNo::help;
    default: return YesNo::other;
  }
}

// The shared road of the two yes/no prompts. always_all: inlogicdef2's way of writing
// every line whatever the output level, on the caller's units.
void ask_yes_no(const RoutineId& id, bool& lv, std::string_view ctext, const bool& ldef, int iuin, int iuout,
                bool always_all, std::string_view again) {
  unit::before_question();
  auto put = [iuout](std::string_view t) { unit::write_line(iuout, t); };
  std::string_view prompt = trimmed(ctext);
  bool show = always_all || more_output();
  if (always_all) put(dots);
  for (;;) {
    if (!always_all && show) put(dots);
    put(Line().x().a(prompt).x().a("?"));
    if (show) {
      if (always_all)
        put(Line().x().a("Enter").x().a("(0/1)(n/y)(N/Y)"));
      else
        put(" Enter (0/1)(n/y)(N/Y) to answer");
      put(" or return for default value or h for help");
      put(Line().x().a("Default =").x().a(yes_no(ldef)));
    }
    std::string line;
    if (!unit::read_line(iuin, line)) stop_at_end_of_input();
    char c = line.empty() ? ' ' : line[0];
    YesNo k = judge(c);
    if (k == YesNo::help) {
      help_frame(id, iuout);
      continue;
    }
    if (k == YesNo::other) {
      errorhead(id.name, id.version, id.date);
      put(Line().x().a("incorrect answer:").x().a(std::string(1, c)));
      put(Line().x().a(again));
      errortail00();
      help_frame(id, iuout);
      continue;
    }
    lv = (k == YesNo::yes) ? true : (k == YesNo::no) ? false : ldef;
    put(Line().x().a("New value = ").x().a(yes_no(lv)));
    if (show) put(dots);
    return;
  }
}

}  // namespace

void inchar1(std::string& cv, std::string_view ctext, int& istat) {
  unit::before_question();
  istat = 0;
  std::string_view prompt = trimmed(ctext);
  if (more_output()) out(dots);
  question(prompt);
  cv = fit(answer_line(), cv.size());
  echo_text(cv);
  if (more_output()) out(dots);
}

void inchardef(std::string& cv, std::string_view ctext, const std::string& cdef, int& istat) {
  unit::before_question();
  istat = 0;
  std::string_view prompt = trimmed(ctext);
  if (more_output()) out(dots);
  question(prompt);
  if (more_output()) {
    out(" or return for default value");
    out(Line().x().a("Default =").x().a(trimmed(cdef)));
  }
  std::string field = answer_field(answer_line(), text_field);
  if (is_empty_answer(field)) {
    out(Line().x().a("ichar =").x().i(static_cast<unsigned char>(field[0]), 3).x().a("=> use default value"));
    cv = fit(cdef, cv.size());
  } else {
    cv = fit(field, cv.size());
  }
  echo_text(cv);
  if (more_output()) out(dots);
}

void ininteg1(int& iv, std::string_view ctext, int& istat) {
  ask_integer(id_ininteg1, iv, ctext, nullptr, nullptr, istat);
}

void inintegdef(int& iv, std::string_view ctext, const int& idef, int& istat) {
  ask_integer(id_inintegdef, iv, ctext, &idef, nullptr, istat);
}

void inintegvin1(int& iv, std::string_view ctext, int ivmin, int ivmax, int& istat) {
  const int range[2] = {ivmin, ivmax};
  ask_integer(id_inintegvin1, iv, ctext, nullptr, range, istat);
}

void inintegvindef(int& iv, std::string_view ctext, const int& idef, int ivmin, int ivmax, int& istat) {
  const int range[2] = {ivmin, ivmax};
  ask_integer(id_inintegvindef, iv, ctext, &idef, range, istat);
}

void inrealdef(float& rv, std::string_view ctext, const float& rdef, int& istat) {
  ask_real(id_inrealdef, rv, ctext, rdef, nullptr, istat);
}

void inrealvindef(float& rv, std::string_view ctext, const float& rdef, float rvmin, float rvmax, int& istat) {
  const float range[2] = {rvmin, rvmax};
  ask_real(id_inrealvindef, rv, ctext, rdef, range, istat);
}

void inlogicdef(bool& lv, std::string_view ctext, const bool& ldef, int& istat) {
  istat = 0;
  ask_yes_no(id_inlogicdef, lv, ctext, ldef, iocom.iuin, iocom.iuout, false, "==> ASKING AGAIN");
}

void inlogicdef2(bool& lv, std::string_view ctext, const bool& ldef, int iuin, int iuout, int& istat) {
  istat = 0;
  ask_yes_no(id_inlogicdef2, lv, ctext, ldef, iuin, iuout, true, "==> WILL ASK QUESTION AGAIN");
}
