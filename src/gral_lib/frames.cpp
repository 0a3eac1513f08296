#include "gral_lib/frames.h"

#include <algorithm>
#include <string>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/prompts.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }
void err(std::string_view text) { unit::write_line(iocom.iuerrout, text); }

// Version field of a title block: "v" and the version without its surrounding blanks,
// cut to 6 characters and stripped of trailing blanks again.
std::string version_field(std::string_view cversion) {
  std::string v = "v";
  v += trimmed(cversion);
  v.resize(std::min<std::size_t>(v.size(), 6));
  while (!v.empty() && v.back() == ' ') v.pop_back();
  return v;
}

void title_block(std::string_view kind, std::string_view cname, std::string_view cversion,
                 std::string_view cdate) {
  unit::before_frame();
  std::string title(kind);
  title += cname;
  out(Line().x().rep('@', 50).str());
  out(Line().x().a(fit(title, 33)).x().a(version_field(cversion), 5).x().a(cdate, 10));
  out(Line().x().rep('@', 1).rep('=', 49));
}

void pause_line() {
  // A frame written while the program stops (the report of a file that could not be
  // written whole) waits for nobody.
  if (!iocom.lpause || unit::stopping()) return;
  // Reading the answer writes the console out, the pause line with it; a failure report
  // waits for the frame's end.
  err(iocom.lcmdopen ? " ===> HIT RETURN TO RESUME COMMANDS" : " ===> HIT RETURN TO CONTINUE");
  std::string line;
  if (!unit::read_line(iocom.iuerrin, line)) stop_at_end_of_input();
}

void lines(std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) err(Line().x().a(t));
}

constexpr std::string_view author_lines[] = {"Copying the above information",
                                              "and sending it to the program author", "might be helpful"};

}  // namespace

void submenuhead(std::string_view cname, std::string_view cversion, std::string_view cdate) {
  title_block("@ subroutine ", cname, cversion, cdate);
}

void mainmenuhead(std::string_view cname, std::string_view cversion, std::string_view cdate) {
  title_block("@ main program ", cname, cversion, cdate);
}

void menutail() { out(Line().x().rep('@', 50)); }

void errorhead(std::string_view cname, std::string_view, std::string_view) {
  unit::before_frame();
  unit::frame_opened(cname);
  std::string stars = Line().x().rep('*', 50).str();
  std::string empty = Line().x().a("***").x(19).a(" ", 6).x(19).a("***").str();
  err(stars);
  err(stars);
  err(empty);
  err(Line().x().a("***").x(10).a("subroutine ").a(cname, 13).x(10).a("***"));
  err(Line().x().a("***").x(19).a("ERROR ", 6).x(19).a("***"));
  err(empty);
  err(stars);
  err(stars);
}

void errortail00() {
  pause_line();
  std::string stars = Line().x().rep('*', 50).str();
  err(stars);
  err(Line().x().a("***").x(17).a("ERROR END ", 10).x(17).a("***"));
  err(stars);
  unit::frame_closed();
}

void warninghead(std::string_view cname, std::string_view, std::string_view) {
  unit::before_frame();
  unit::frame_opened(cname);
  std::string slashes = Line().x().rep('/', 50).str();
  err(slashes);
  err(Line().x().a("///").x(10).a("subroutine ").a(cname, 13).x(10).a("///"));
  err(Line().x().a("///").x(18).a("WARNING ", 8).x(18).a("///"));
  err(slashes);
}

void warningtail00() {
  pause_line();
  std::string slashes = Line().x().rep('/', 50).str();
  err(slashes);
  err(Line().x().a("///").x(16).a("WARNING END ", 12).x(16).a("///"));
  err(slashes);
  unit::frame_closed();
}

void inline_warning_end() {
  err(Line().x().rep('/', 50));
  unit::frame_closed();
}

void errortailstop(int ilevel) {
  if (ilevel < 0 || ilevel > 2) return;
  bool answer = true;
  int istat = 0;
  if (ilevel == 0) {
    lines({"RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED"});
    inlogicdef2(answer, "RESUME", answer, iocom.iuerrin, iocom.iuerrout, istat);
    if (answer) {
      lines({"RESUMING EXECUTION"});
      errortail00();
      return;
    }
    lines({"EXECUTION STOPPED BY USER", "AFTER RECOVERABLE ERROR"});
    errortail00();
    stop_program(1);
  }
  sorryface();
  if (ilevel == 1) {
    lines({"UNRECOVERABLE ERROR ==> QUITTING ADVISED"});
    inlogicdef2(answer, "STOP  ", answer, iocom.iuerrin, iocom.iuerrout, istat);
    if (!answer) {
      lines({"ENTERING THE TWILIGHT ZONE OF COMPUTING !", "THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE",
             "RESUMING EXECUTION"});
      errortail00();
      return;
    }
    lines({"EXECUTION STOPPED BY USER", "AFTER UNRECOVERABLE ERROR"});
  } else {
    lines({"UNRECOVERABLE ERROR", "EXECUTION STOPPED BY PROGRAM"});
  }
  for (std::string_view t : author_lines) err(Line().x().a(t));
  errortail00();
  stop_program(1);
}

void sorryface() {
  static constexpr std::string_view face[] = {
      "            &&&&&&&&&&&&            ", "        &&                &&        ",
      "     &&                      &&     ", "   &&                          &&   ",
      "  &&                            &&  ", " &&                              && ",
      " &        &&&          &&&        & ", "&&        &&&          &&&        &&",
      "&&                                &&", "&&                                &&",
      "&&                                &&", " &          &&&&&&&&&&&&          & ",
      " &&      &&&            &&&      && ", "  &&   &&                  &&   &&  ",
      "   &&                          &&   ", "     &&                      &&     ",
      "        &&                &&        ", "            &&&&&&&&&&&&            ",
  };
  out(Line().x().a(" "));
  for (std::string_view l : face) out(Line().x(8).a(l));
  out(Line().x().a(" "));
}
