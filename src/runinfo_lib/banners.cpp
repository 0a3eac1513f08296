#include "runinfo_lib/banners.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/pictures.h"
#include "gral_lib/platform.h"
#include "gral_lib/sysinfo.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "runinfo_lib/runinfo.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

void edge() { out(Line().x().rep('@', 50)); }
// A framed line: the 48 inner columns between two at-signs.
void framed(std::string_view inner) { out(Line().x().a("@").a(inner).a("@")); }
void blank_frame() { framed(std::string(48, ' ')); }
void dash_frame() { framed(std::string(48, '-')); }

// A text centred in the 48 inner columns; an odd blank goes on the left.
void centred(std::string_view text) {
  std::size_t len = text.size() < 48 ? text.size() : 48;
  std::size_t right = (48 - len) / 2;
  framed(Line().x(static_cast<int>(48 - len - right)).a(text.substr(0, len)).x(static_cast<int>(right)));
}

// The credits of the start banner: who wrote the program and who hosts it.
constexpr std::string_view author = "The kelvorastrim developers";
constexpr std::string_view host_lines[] = {
    "The kelvorastrim project",
    "Structural geology of drill cores",
    "Open source, worldwide",
    "See README.md for notes and sources",
};

// A time with its unit: up to 120 in seconds, then in minutes, then (unless minutes are the
// largest unit) in hours.
void time_line(std::string_view label, float seconds, bool minutes_at_most) {
  float v = seconds;
  std::string_view unit = "seconds";
  if (v > 120.0f) {
    v = v / 60.0f;
    unit = "minutes";
    if (!minutes_at_most && v > 120.0f) {
      v = v / 60.0f;
      unit = "hours  ";
    }
  }
  framed(Line().x().a(label, 14).x().f(v, 9, 3).x().a(unit, 7).x(15));
}

std::string trim(std::string_view s) { return std::string(trimmed(s)); }

}  // namespace

void progheadzq2() {
  const RunInfo3Com& r = runinfo3com;
  edge();
  blank_frame();
  framed(Line().a("MAIN PROGRAM:", 23).x().a(r.ROUTNAME[0], 20).x(4));
  framed(Line().a("Version:", 23).x().a(fit(trim(r.ROUTVERS[0]), 4)).x(20));
  framed(Line().a("Date:", 23).x().a(r.ROUTDATE[0], 10).x(14));
  blank_frame();
  dash_frame();
  blank_frame();
  framed(Line().x(7).a("Starting on ").a(r.STARTDATE, 10).a(" at ").a(r.STARTTIME, 8).x(7));
  if (r.RUNINFOCODE == 0 || r.RUNINFOCODE == 1) {
    framed(Line().a("User:", 11).x().a(r.USER, 10).x(26));
    framed(Line().a("Host:", 11).x().a(r.HOST, 35).x());
  }
  framed(Line().a("System:", 11).x().a(r.OSVERS, 13).x(23));
  framed(Line().a("CPU:", 11).x().a(r.HARDW, 30).x(6));
  blank_frame();
  dash_frame();
  blank_frame();
  centred("Written by:");
  centred(author);
  blank_frame();
  centred("Hosted by:");
  for (std::string_view l : host_lines) centred(l);
  blank_frame();
  out(" @      Report of any problem is appreciated      @");
  blank_frame();
  dash_frame();
  out(" @             HIT RETURN TO CONTINUE             @");
  edge();
  std::string answer;
  if (!unit::read_line(iocom.iuin, answer)) stop_at_end_of_input();
}

void progtail2() {
  const RunInfo3Com& r = runinfo3com;
  platform::Services& p = platform::current();
  edge();
  framed(Line().x().a("MAIN PROGRAM").x().a(r.ROUTNAME[0], 20).a("Version: " + trim(r.ROUTVERS[0]), 13).x());
  framed(Line().x().a("STARTED    ON ").a(r.STARTDATE, 10).a(" AT ").a(r.STARTTIME, 8).x(11));
  std::string end_date(kDateLen, ' '), end_time(kTimeLen, ' ');
  date10_time8(end_date, end_time);
  framed(Line().x().a("TERMINATED ON ").a(end_date).a(" AT ").a(end_time).x(11));

  platform::ClockReading c = p.clock();
  if (c.rate == 0) {
    out(" @ Could not compute elapsed system clock time    @");
  } else {
    // The count starts again from 0 after its maximum: an end count not above the start
    // count has gone round once. Worked in 64 bits, so nothing overflows.
    std::int64_t count = c.count;
    if (count <= r.CLOCKSTART) count += c.max;
    std::int64_t elapsed = count - r.CLOCKSTART;
    time_line("ELAPSED TIME =", static_cast<float>(elapsed) / static_cast<float>(c.rate), false);
    time_line("        modulo", static_cast<float>(c.max) / static_cast<float>(c.rate), true);
  }
  time_line("CPU TIME     =", p.cpu_time() - r.CPUSTART, false);
  dash_frame();

  switch (end_time.back()) {
    case '0': happyface(); break;
    case '1': sator(); break;
    case '2': carmag33(); break;
    case '3': endfun1(); break;
    case '5': tetratemple1(); break;
    case '6': tetratemple2(); break;
    case '7': graben(); break;
    case '8': horst(); break;
    default: tetrakis(); break;
  }
  edge();
}
