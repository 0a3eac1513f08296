#include "gral_lib/sysinfo.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/platform.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {

// The result into the caller's text: cut or padded to its length, whole when it is empty.
void assign(std::string& dst, std::string_view value) {
  dst = dst.empty() ? std::string(value) : fit(value, dst.size());
}

// A platform question answered through a temporary file: the command writes the answer into
// the file, whose first line is read before the file is removed.
struct FileQuery {
  std::string_view routine;  // as the warning head shows it
  std::string_view command;
  std::string_view file;
  std::string_view remove_command;
  std::size_t line_length;   // the first line is read into a text of this length
  int command_width;         // width of the command in the warning's detail lines
  std::string_view no_command, no_open, no_read, no_remove;  // warning messages
  std::string_view fallback_line;
};

constexpr int temp_unit = 99;

// The inline warning: head, message, detail lines, optional fallback line and closing
// slashes; no pause, the caller carries on at once.
void warn(const FileQuery& q, std::string_view message, bool with_open_details, std::string_view command,
          const platform::CommandResult& r, bool fallback) {
  auto err = [](std::string_view text) { unit::write_line(iocom.iuerrout, text); };
  warninghead(q.routine, "", "");
  err(Line().x().a(message));
  err(Line().x().a("filename =").x().a(fit(q.file, 25)));
  if (with_open_details) {
    err(Line().x().a("status   =").x().a("unknown"));
    err(Line().x().a("unit     =").x().i(temp_unit, 6));
  }
  err(Line().x().a("command  =").x().a(fit(command, static_cast<std::size_t>(q.command_width))));
  err(Line().x().a("wait     =").x().i(1, 6));
  err(Line().x().a("exitstat =").x().i(r.exitstat, 6));
  err(Line().x().a("cmdstat  =").x().i(r.cmdstat, 6));
  err(Line().x().a("cmdmsg   =").x().a(fit(r.cmdmsg, 120)));
  if (fallback) err(Line().x().a(q.fallback_line));
  inline_warning_end();
}

// Runs the query. Gives the first line of the file in a text of q.line_length characters,
// or nothing when the caller must take its fallback (the warning has then been printed).
// A file that was opened is removed, and a failed removal is reported.
std::optional<std::string> run_query(const FileQuery& q) {
  platform::Services& p = platform::current();
  platform::CommandResult r = p.run_command(q.command);
  if (r.cmdstat != 0) {
    warn(q, q.no_command, false, q.command, r, true);
    return std::nullopt;
  }
  if (!unit::open_read(temp_unit, std::string(q.file))) {
    warn(q, q.no_open, true, q.command, r, true);
    return std::nullopt;
  }
  std::string line;
  bool read = unit::read_line(temp_unit, line);
  std::string text = fit(line, q.line_length);
  // A command that ran but wrote nothing usable gives no answer either.
  bool usable = read && text.find_first_not_of(' ') != std::string::npos;
  unit::close(temp_unit);
  if (!usable) warn(q, q.no_read, true, q.command, r, true);
  platform::CommandResult rm = p.run_command(q.remove_command);
  if (rm.cmdstat != 0) warn(q, q.no_remove, false, q.remove_command, rm, false);
  if (!usable) return std::nullopt;
  return text;
}

// The first model name of the processor list.
constexpr FileQuery cpu_query{
    "hardinfo ",
    "sed -n 's/^model name.*: //p' /proc/cpuinfo >cpu_info_tmp_001.txt",
    "cpu_info_tmp_001.txt",
    "rm cpu_info_tmp_001.txt",
    50,
    65,
    "COULD NOT DETERMINE CPU INFO",
    "COULD NOT OPEN CPU INFO FILE",
    "COULD NOT READ CPU INFO FILE",
    "COULD NOT REMOVE CPU INFO FILE",
    "=> SETTING CPU INFO = Macintosh",
};

// The kernel release without its distribution suffix (6.1.0-18-amd64 gives 6.1.0).
constexpr FileQuery version_query{
    "osversion",
    "uname -r | cut -d- -f1 > sys_version_tmp_001.txt",
    "sys_version_tmp_001.txt",
    "rm sys_version_tmp_001.txt",
    8,
    60,
    "COULD NOT DETERMINE SYSTEM VERSION",
    "COULD NOT OPEN SYSTEM VERSION FILE",
    "COULD NOT READ SYSTEM VERSION FILE",
    "COULD NOT REMOVE SYSTEM VERSION FILE",
    "=> SETTING SYSTEM VERSION = Linux",
};

}  // namespace

void date10_time8(std::string& cdate10, std::string& ctime8) {
  platform::DateTime t = platform::current().local_time();
  char date[48], time[48];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", t.year, t.month, t.day);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  assign(cdate10, date);
  assign(ctime8, time);
}

void hostname(std::string& chost) {
  std::string name;
  assign(chost, platform::current().host_name(name) ? name : "Macintosh");
}

void username(std::string& cuser) { assign(cuser, platform::current().login_name()); }

void hardinfo(std::string& ccpu) {
  std::optional<std::string> text = run_query(cpu_query);
  if (!text) {
    assign(ccpu, "Macintosh");
    return;
  }
  int first = 0, last = 0;
  textlen(first, last, *text);
  constexpr std::string_view core = "Intel(R) Core(TM) ";
  if (std::string_view(*text).substr(0, core.size()) == core) {
    std::string brand = "Core ";
    if (last > static_cast<int>(core.size())) brand += text->substr(core.size(), static_cast<std::size_t>(last) - core.size());
    assign(ccpu, brand);
  } else {
    assign(ccpu, trimmed(*text));
  }
}

void osversion(std::string& cos) {
  std::optional<std::string> text = run_query(version_query);
  if (!text) {
    assign(cos, "Linux");
    return;
  }
  assign(cos, "Linux_" + std::string(trimmed(*text)));
}
