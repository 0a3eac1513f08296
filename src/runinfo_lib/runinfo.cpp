#include "runinfo_lib/runinfo.h"

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/platform.h"
#include "gral_lib/prompts.h"
#include "gral_lib/sysinfo.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "runinfo_lib/chain.h"

RunInfo3Com runinfo3com;

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

constexpr std::string_view dashes = "-------------------------------------------";

// Code menu lines, in code order.
constexpr std::string_view code_lines[] = {
    "date+user+host+os+hardw+main+subr+cmnd...0",
    "date+user+host+os+hardw+main+subr     ...1",
    "date          +os+hardw+main+subr+cmnd...2",
    "date          +os+hardw+main+subr     ...3",
};

std::string trim(std::string_view s) { return std::string(trimmed(s)); }

}  // namespace

void smaininfo2(std::string_view NAME, std::string_view VERS, std::string_view DATE) {
  RunInfo3Com& r = runinfo3com;
  r = RunInfo3Com{};
  r.ROUTLEVEL = 1;
  r.ROUTNAME[0] = fit(NAME, kRoutNameLen);
  r.ROUTVERS[0] = fit(VERS, kRoutVersLen);
  r.ROUTDATE[0] = fit(DATE, kRoutDateLen);
  r.CMND = 0;
  int code = 0;
  swpinfo(code, 5);
  username(r.USER);
  hostname(r.HOST);
  osversion(r.OSVERS);
  hardinfo(r.HARDW);
  date10_time8(r.STARTDATE, r.STARTTIME);
  platform::Services& p = platform::current();
  r.CPUSTART = p.cpu_time();
  r.CLOCKSTART = p.clock().count;
}

void scmndinfo(int ICMND) { runinfo3com.CMND = ICMND; }

void swpinfo(int& ICODE, int inter) {
  static constexpr std::string_view name = "swpinfo    ", version = " 1.1", date = "2021-02-27";
  if (inter < 0 || inter > 5) {
    warninghead(name, version, date);
    out(Line().x().a("inter =").x().i(inter, 5));
    out(" ===> NO ACTION");
    warningtail00();
    return;
  }
  if (inter <= 1 && (ICODE < 0 || ICODE > 3)) {
    warninghead(name, version, date);
    out(" RUN INFO CODE OUT OF RANGE:");
    out(Line().x().a(" run info code =").x().i(ICODE, 5));
    out(Line().x().a(" min =").x().i(0, 5));
    out(Line().x().a(" max =").x().i(3, 5));
    ICODE = 0;
    out(Line().x().a("==> RESET run info code =").x().i(ICODE, 5));
    warningtail00();
  }
  if (inter == 2 || inter == 3) ICODE = runinfo3com.RUNINFOCODE;
  if (inter >= 4) {
    ICODE = 0;
    if (inter == 5) {
      submenuhead(name, version, date);
      out(" INITIALISING RUN INFO");
    }
  }
  if (inter % 2 == 0) {
    submenuhead(name, version, date);
    out(Line().x().a(dashes));
    out("    RUN INFORMATION TO WRITE AND PLOT");
    out(Line().x().a(dashes));
    out(Line().x().a("run info code current value =").x().i(ICODE, 5));
    for (std::string_view l : code_lines) out(Line().x().a(l));
    menutail();
    int istat = 0;
    inintegvindef(ICODE, "run info code", ICODE, 0, 3, istat);
  }
  runinfo3com.RUNINFOCODE = ICODE;
}

void getruninfo0(std::string& SYSINFO, std::string& PROGINFO) {
  static constexpr std::string_view name = "getruninfo0", version = "1.0", date = "2025-04-11";
  const RunInfo3Com& r = runinfo3com;
  auto length_lines = [](std::size_t have, std::size_t need) {
    out(Line().x().a("String length =").x().i(static_cast<long long>(have), 4));
    out(Line().x().a("Needed length =").x().i(static_cast<long long>(need), 4));
  };

  std::string sys = trim(r.OSVERS) + " " + trim(r.HARDW);
  SYSINFO = fit(sys, SYSINFO.size());
  if (SYSINFO.size() < sys.size()) {
    warninghead(name, version, date);
    out(" System information string too short");
    length_lines(SYSINFO.size(), sys.size());
    out(" => Truncated outpout");
    out(" String =");
    out(Line().x().a(SYSINFO));
    warningtail00();
  }

  if (r.ROUTLEVEL < 1) {
    no_level_error({name, version, date});
    PROGINFO = fit("*** ERROR in program info: routine level < 1 ***", PROGINFO.size());
    return;
  }
  // Each step appends to the trimmed text so far; a result too short for a step is
  // reported and ends the composition with the cut text.
  auto append = [&](const std::string& composed) {
    PROGINFO = fit(composed, PROGINFO.size());
    if (PROGINFO.size() >= composed.size()) return true;
    warninghead(name, version, date);
    out(" Program information string too short");
    length_lines(PROGINFO.size(), composed.size());
    out(" String = ");
    out(Line().x().a(PROGINFO));
    out(" => Truncated output");
    warningtail00();
    return false;
  };
  if (!append(level_text(1))) return;
  int top = r.ROUTLEVEL <= kRoutLevels ? r.ROUTLEVEL : 2;
  for (int i = 2; i <= top; ++i)
    if (!append(trim(PROGINFO) + " -> " + level_text(i))) return;
  if (r.ROUTLEVEL > kRoutLevels) {
    deep_level_warning({name, version, date});
    if (!append(trim(PROGINFO) + " -> " + level_text(kRoutLevels) + " -> x")) return;
  }
  if (r.RUNINFOCODE == 0 || r.RUNINFOCODE == 2) append(trim(PROGINFO) + " Command = " + command_text());
}

std::string level_text(int i) {
  const auto k = static_cast<std::size_t>(i - 1);
  return trim(runinfo3com.ROUTNAME[k]) + "_" + trim(runinfo3com.ROUTVERS[k]);
}

std::string command_text() { return trim(Line().i(runinfo3com.CMND, 4).str()); }

void no_level_error(const RoutineId& id) {
  errorhead(id.name, id.version, id.date);
  out(Line().x().a("Current routine level =").x().i(runinfo3com.ROUTLEVEL, 4));
  out(Line().x().a("Can store up to level =").x().i(kRoutLevels, 4));
  out(" => No program information");
  errortail00();
}

void deep_level_warning(const RoutineId& id) {
  warninghead(id.name, id.version, id.date);
  out(Line().x().a("Current subroutine level     =").x().i(runinfo3com.ROUTLEVEL, 4));
  out(Line().x().a("Information only up to level =").x().i(kRoutLevels, 4));
  warningtail00();
}
