#include "plt_lib/plotcontrol.h"

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psfile.h"
#include "plt_lib/plotattributes.h"
#include "plt_lib/scaling.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, Line().x().a(text)); }

}  // namespace

void plinit(std::string& cfile, int mode) {
  if (iocom.lplotopen) {
    warninghead("plinit", "7.1 ", "2024-10-22");
    out("Plot file or window is already opened");
    out("==> appending to current plot file/window");
    warningtail00();
    return;
  }
  intplinit(cfile, mode);
  // The flag comes first: the scaling refresh and the attribute sending only reach an
  // open file.
  iocom.lplotopen = true;
  int k = (mode == 2 || mode == 3) ? 7 : 5;
  splotscaling(k);
  splotattributes(k);
}

void plend() {
  if (iocom.lplotopen) {
    intplend();
    iocom.lplotopen = false;
    return;
  }
  warninghead("plend", "6.2 ", "2024-10-22");
  out("The plot window or file is already closed");
  warningtail00();
}

void newpage() {
  submenuhead("newpage", "6.2 ", "2024-10-22");
  out("IT IS SUGGESTED TO CLEAR THE PLOT");
  out("You can:");
  out("clear the window / add a page to the file ..0");
  out("close the window / file and open a new one .1");
  out("append to the current window / file ........2");
  menutail();
  int choice = 0, st;
  inintegvindef(choice, fit("your choice", 50), 0, 0, 2, st);
  if (choice == 0) {
    intnewpage();
  } else if (choice == 1) {
    plend();
    std::string next = fit("next_plot.ps", 50);
    plinit(next, 2);
  }
}
