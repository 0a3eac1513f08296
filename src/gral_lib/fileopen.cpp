#include "gral_lib/fileopen.h"

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {

constexpr std::size_t name_field = 250;

constexpr RoutineId id_opef1{"opef1", "1.2 ", "2024-10-22"};
constexpr RoutineId id_opef2{"opef2", "5.3 ", "2024-10-22"};

void out(std::string_view t) { unit::write_line(iocom.iuout, t); }
void err(std::string_view t) { unit::write_line(iocom.iuerrout, t); }

std::string_view strip_trailing(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string name_question(std::string_view desc) { return fit(std::string(desc) + " file name", 40); }

void opening_frame(const RoutineId& id, std::string_view desc) {
  submenuhead(id.name, id.version, id.date);
  out(Line().x().a("OPENING").x().a(desc).x().a("FILE"));
  menutail();
}

// Opens the named file on the unit as the status and action ask; an unknown status or
// action opens nothing.
bool open_file(int iunit, std::string_view field, std::string_view cstatus, std::string_view caction) {
  std::string path(strip_trailing(field));
  std::string_view status = strip_trailing(cstatus);
  std::string_view action = strip_trailing(caction);
  if (path.empty()) return false;
  if (status == "old") {
    if (action == "write") return false;  // an existing file is never overwritten by "old"
    return unit::open_read(iunit, path);
  }
  if (status == "new") return unit::open_write_new(iunit, path);
  if (status == "unknown") {
    if (action == "read") return unit::open_read(iunit, path);
    return unit::open_write(iunit, path);
  }
  return false;
}

void name_and_unit_lines(std::string_view field, int iunit, void (*put)(std::string_view)) {
  put(Line().x().a("File name =").x().a(field));
  put(Line().x().a("for unit =").x().i(iunit, 4));
}

void give_base_name(std::string& cfile, const std::string& field) {
  int nlen;
  std::string base(cfile.size(), ' ');
  path2basename(nlen, base, field);
  cfile = base;
}

}  // namespace

void opef1(std::string& cfile, std::string_view cdesc, int iunit, std::string_view cstatus,
           std::string_view caction, int imode, int igrav, int& istat) {
  std::string field = fit(cfile, name_field);
  std::string_view desc = trimmed(cdesc);
  for (;;) {
    istat = 0;
    std::string question = name_question(desc);
    if (imode != 7) opening_frame(id_opef1, desc);
    int st;
    if (imode == 0) inchardef(field, question, field, st);
    if (open_file(iunit, field, cstatus, caction)) {
      give_base_name(cfile, field);
      return;
    }
    istat = 1;
    if (imode != 0) break;
    warninghead(id_opef1.name, id_opef1.version, id_opef1.date);
    err(Line().x().a("COULD NOT OPEN").x().a(desc).x().a("FILE"));
    name_and_unit_lines(field, iunit, err);
    err(" ===> RETRYING TO OPEN THE FILE");
    warningtail00();
    bool retry = true;
    inlogicdef2(retry, "Retry (1) or proceed without retrying (0)", retry, iocom.iuerrin, iocom.iuerrout, st);
    if (!retry) break;
  }
  if (igrav >= 0) {
    errorhead(id_opef1.name, id_opef1.version, id_opef1.date);
    err(Line().x().a("FAILED TO OPEN").x().a(desc).x().a("FILE"));
    name_and_unit_lines(field, iunit, err);
    errortailstop(igrav);
    istat = 1;
    return;
  }
  if (imode == 7) return;
  err(Line().x().rep('-', 43));
  err(Line().x().a("Could not open").x().a(desc).x().a("file"));
  err(" => Proceeding");
  err(Line().x().rep('-', 43));
}

namespace {

void could_not_write(std::string_view cdesc, std::string_view cfile) {
  errorhead("close_checked", "1.0 ", "2026-12-07");
  err(Line().x().a("COULD NOT WRITE").x().a(trimmed(cdesc)).x().a("FILE"));
  err(Line().x().a("File name =").x().a(trimmed(cfile)));
  err(" ===> THE FILE MAY BE INCOMPLETE (IS THE DISK FULL?)");
  errortail00();
}

}  // namespace

bool close_checked(int iunit, std::string_view cdesc, std::string_view cfile) {
  if (unit::close(iunit)) return true;
  could_not_write(cdesc, cfile);
  return false;
}

bool write_checked(int iunit, std::string_view cdesc, std::string_view cfile) {
  if (!unit::write_failed(iunit)) return true;
  // Closed before the report, whose pause flushes every unit: the report comes once.
  unit::close(iunit);
  could_not_write(cdesc, cfile);
  return false;
}

void opef2(std::string& cfile, std::string_view cdesc, int iunit, std::string_view cstatus, int imode) {
  std::string field = fit(cfile, name_field);
  std::string_view desc = trimmed(cdesc);
  std::string question = name_question(desc);
  for (;;) {
    if (imode != 7) opening_frame(id_opef2, desc);
    int st;
    if (imode == 0) inchardef(field, question, field, st);
    // The file may be read and written; "old" still opens for reading only, so a data
    // file is never changed.
    if (open_file(iunit, field, cstatus, "")) {
      give_base_name(cfile, field);
      return;
    }
    if (imode != 0) break;
    warninghead(id_opef2.name, id_opef2.version, id_opef2.date);
    out(Line().x().a("COULD NOT OPEN").x().a(desc).x().a("FILE"));
    name_and_unit_lines(field, iunit, out);
    out(" ===> RETRYING");
    warningtail00();
  }
  errorhead(id_opef2.name, id_opef2.version, id_opef2.date);
  out(Line().x().a("COULD NOT OPEN").x().a(desc).x().a("FILE"));
  name_and_unit_lines(field, iunit, out);
  out(" ===> STOPPING EXECUTION");
  errortail00();
  sorryface();
  stop_program(1);
}
