#include "curve_lib/curve.h"

#include <initializer_list>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"

Ptblock ptblock;
Cc2dbuff cc2dbuff;

namespace {

constexpr RoutineId id_scptnp{"scptnp     ", "1.3", "2024-11-11"};

// One line on the standard output unit: the text after one blank, then each count after
// one blank, right-aligned in 7 columns.
void say(std::string_view text, std::initializer_list<int> counts = {}) {
  Line l;
  l.x().a(text);
  for (int v : counts) l.x().i(v, 7);
  unit::write_line(iocom.iuout, l);
}

void rule() { say(std::string_view("-------------------------------------------")); }

void menu(int& np) {
  for (;;) {
    submenuhead(id_scptnp.name, id_scptnp.version, id_scptnp.date);
    rule();
    say(fit("RUNNING POINT PARAMETERS:", 43));
    rule();
    say("maximum nb of points =", {curve_capacity});
    say("nb of segments       =", {np - 1});
    say("nb of points ..........................10", {np});
    rule();
    say("EXIT SUBROUTINE .......................99");
    menutail();
    int choice = 99;
    int istat;
    inintegdef(choice, "your choice", choice, istat);
    if (choice == 99) return;
    if (choice == 10) inintegvindef(np, "nb of pts per curve", np, 1, curve_capacity, istat);
  }
}

}  // namespace

void scptnp(int& np, int mode) {
  if (mode == 2 || mode == 3) {
    np = ptblock.NP;
  } else if (mode == 4 || mode == 5) {
    np = 11;
    submenuhead(id_scptnp.name, id_scptnp.version, id_scptnp.date);
    say("INITIALIZING NUMBER OF POINTS TO:", {np});
  }
  if (mode % 2 == 0) menu(np);

  if (np > curve_capacity) {
    warninghead(id_scptnp.name, id_scptnp.version, id_scptnp.date);
    Line l;
    l.x().a("nb of points =").x().i(np, 7).x().a("> curve buffer size =").x().i(curve_capacity, 7);
    unit::write_line(iocom.iuout, l);
    np = curve_capacity;
    say("===> reset nb of points =", {np});
    say("===> WILL NOT PLOT ALL THE DATA");
    warningtail00();
  } else if (np == 1) {
    if (mode != 6 && mode != 7) {
      warninghead(id_scptnp.name, id_scptnp.version, id_scptnp.date);
      say("nb of points =", {np});
      say("===> WILL PLOT ONLY ONE POINT");
      warningtail00();
    }
  } else if (np < 1) {
    errorhead(id_scptnp.name, id_scptnp.version, id_scptnp.date);
    say("nb of points np =", {np});
    say("===> UPSTREAM PROBLEM ?");
    say("Increment inconsistent with bounds ?");
    np = 1;
    say("===> RESETTING np =", {np});
    errortail00();
  }
  ptblock.NP = np;
}
