#include "gral_lib/fileopen.h"

#include <algorithm>
#include <map>

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

// A file written through one of the routines here, for its report when it cannot take what
// is written: the unit's description and name, and the header lines before its records
// (-1: no count of records).
struct WrittenFile {
  std::string desc, name;
  int nheader = -1;
};
std::map<int, WrittenFile> written_files;

// header_lines of nheader reached the file whole; a header that did not is told, or a
// count of no records would pass for an empty but whole file.
void could_not_write(std::string_view cdesc, std::string_view cfile, long long records, bool whole = true,
                     long long header_lines = 0, int nheader = 0) {
  errorhead("close_checked", "1.0 ", "2026-12-07");
  err(Line().x().a("COULD NOT WRITE").x().a(trimmed(cdesc)).x().a("FILE"));
  err(Line().x().a("File name =").x().a(trimmed(cfile)));
  if (records >= 0) err(Line().x().a("Records written whole =").x().i_whole(records, 10));
  if (header_lines < nheader)
    err(Line().x().a("Its header is not whole:").x().i_whole(header_lines, 1).x().a("of").x().i_whole(nheader, 1).x()
            .a("lines written"));
  if (!whole) err(" Its last line may be cut");
  err(" ===> THE FILE MAY BE INCOMPLETE (IS THE DISK FULL?)");
  errortail00();
}

void report_written_file(int iunit, long long lines, bool whole) {
  const WrittenFile& f = written_files[iunit];
  could_not_write(f.desc, f.name, f.nheader < 0 ? -1 : std::max(0LL, lines - f.nheader), whole, lines,
                  std::max(f.nheader, 0));
}

// The name without its directory, in n characters.
std::string base_name(std::string_view path, std::size_t n) {
  int nlen;
  std::string base(n, ' ');
  path2basename(nlen, base, path);
  return base;
}

// The typed name cuts at a NUL, and a line end or another control character makes a name
// that the console does not show as it is: none of them is taken for a file.
bool usable_name(std::string_view path) {
  return !path.empty() && std::none_of(path.begin(), path.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 32 || b == 127;
  });
}

// Opens the named file on the unit as the status and action ask; an unknown status or
// action opens nothing. A file opened for writing gets its failure report.
bool open_file(int iunit, std::string_view field, std::string_view cstatus, std::string_view caction,
               std::string_view cdesc, std::string_view creplace = {}) {
  std::string path(strip_trailing(field));
  std::string_view status = strip_trailing(cstatus);
  std::string_view action = strip_trailing(caction);
  if (!usable_name(path)) return false;
  bool opened = false, writing = false;
  if (status == "old") {
    if (action == "write") return false;  // an existing file is never overwritten by "old"
    opened = unit::open_read(iunit, path);
  } else if (status == "new") {
    opened = writing = unit::open_write_new(iunit, path);
  } else if (status == "unknown") {
    if (action == "read") {
      opened = unit::open_read(iunit, path);
    } else {
      opened = writing = unit::open_write(iunit, path, creplace);
    }
  }
  if (writing) {
    written_files[iunit] = {std::string(cdesc), std::string(trimmed(base_name(path, path.size())))};
    unit::on_write_failure(iunit, report_written_file);
  }
  return opened;
}

void name_and_unit_lines(std::string_view field, int iunit, void (*put)(std::string_view)) {
  put(Line().x().a("File name =").x().a(field));
  put(Line().x().a("for unit =").x().i(iunit, 4));
}

void give_base_name(std::string& cfile, const std::string& field) { cfile = base_name(field, cfile.size()); }

}  // namespace

void opef1(std::string& cfile, std::string_view cdesc, int iunit, std::string_view cstatus,
           std::string_view caction, int imode, int igrav, int& istat, std::string_view creplace) {
  std::string field = fit(cfile, name_field);
  std::string_view desc = trimmed(cdesc);
  for (;;) {
    istat = 0;
    std::string question = name_question(desc);
    if (imode != 7) opening_frame(id_opef1, desc);
    int st;
    if (imode == 0) inchardef(field, question, field, st);
    if (open_file(iunit, field, cstatus, caction, desc, creplace)) {
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

bool close_checked(int iunit, std::string_view cdesc, std::string_view cfile) {
  // A file with a report of its own is reported by its closing.
  const bool reported = unit::reports_failure(iunit);
  if (unit::close(iunit)) return true;
  if (!reported) could_not_write(cdesc, cfile, -1);
  return false;
}

bool write_checked(int iunit, std::string_view cdesc, std::string_view cfile) {
  if (!unit::write_failed(iunit)) return true;
  // Closed before the report, whose pause flushes every unit: the report comes once.
  close_checked(iunit, cdesc, cfile);
  return false;
}

void report_records(int iunit, int nheader) { written_files[iunit].nheader = nheader; }

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
    if (open_file(iunit, field, cstatus, "", desc)) {
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
