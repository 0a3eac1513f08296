#include "plt_lib/plotattributes.h"

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "plt_lib/attributes.h"
#include "plt_lib/colortable.h"
#include "plt_lib/linefill.h"
#include "plt_lib/symbols.h"
#include "plt_lib/textattributes.h"

namespace {

constexpr RoutineId id{"splotattributes", "1.1 ", "2024-10-22"};

// The sending setters: the attributes that the device layer of each plot file keeps.
void sending_setters(int inter) {
  float r = 0;
  int i = 0;
  slinewidth(r, inter);
  stextsize(r, inter);
  stextfont(i, inter);
}

void initialise(int inter) {
  submenuhead(id.name, id.version, id.date);
  setter_text("INITIALIZING PLOT ATTRIBUTESS");
  scolortable(inter);
  int i = 0;
  float r = 0;
  slinestyle(i, inter);
  slinecolor(i, inter);
  stextalign(i, inter);
  stextangle(r, inter);
  stextcolor(i, inter);
  sfillcolor(i, inter);
  sfillstyle(i, inter);
  ssymbolsize(r, inter);
  ssymboltype(i, inter);
  sending_setters(inter);
}

void resend() {
  if (!iocom.lplotopen) {
    errorhead(id.name, id.version, id.date);
    setter_text("TRYING TO PROPAGATE PLOT ATTRIBUTES");
    setter_text(" WITH CLOSED PLOT FILE");
    setter_text("===> NO ACTION");
    errortail00();
    return;
  }
  submenuhead(id.name, id.version, id.date);
  setter_text("UPDATING PLOT ATTRIBUTESS");
  sending_setters(7);
}

constexpr std::string_view items[] = {
    "LINE ATTRIBUTES:",
    " thickness ................10",
    " style ....................11",
    " color ....................12",
    "POLYGON FILL ATTRIBUTES:",
    " interior style ...........20",
    " interior color ...........21",
    "TEXT ATTRIBUTES:",
    " font .....................30",
    " size .....................31",
    " justification ............32",
    " angle ....................33",
    " color ....................34",
    "SYMBOL ATTRIBUTES:",
    " type .....................40",
    " size .....................41",
    "COLOR:",
    " color table ..............50",
    "",
    "EXIT THIS SET UP  .........99",
};

void menu_lines(bool current) {
  submenuhead(id.name, id.version, id.date);
  if (!more_output()) return;
  setter_dashes();
  setter_text("         SETTING PLOT ATTRIBUTES");
  setter_dashes();
  setter_text("GET SETTINGS");
  setter_text(std::string(" from currently stored..... 1 ") + (current ? "T" : "F"));
  setter_text(std::string(" from initialisation....... 1 ") + (current ? "F" : "T"));
  setter_dashes();
  for (std::string_view l : items) {
    if (l.empty())
      setter_dashes();
    else
      setter_text(l);
  }
  menutail();
}

void menu() {
  bool current = true;
  int mode = 2;
  for (;;) {
    menu_lines(current);
    int choice = 99, istat;
    inintegdef(choice, "your choice", choice, istat);
    int i = 0;
    float r = 0;
    switch (choice) {
      case 1:
        inlogicdef(current, "whether to use current(1) or initial(0) parameters", current, istat);
        mode = current ? 2 : 4;
        break;
      case 10: slinewidth(r, mode); break;
      case 11: slinestyle(i, mode); break;
      case 12: slinecolor(i, mode); break;
      case 20: sfillstyle(i, mode); break;
      case 21: sfillcolor(i, mode); break;
      case 30: stextfont(i, mode); break;
      case 31: stextsize(r, mode); break;
      case 32: stextalign(i, mode); break;
      case 33: stextangle(r, mode); break;
      case 34: stextcolor(i, mode); break;
      case 40: ssymboltype(i, mode); break;
      case 41: ssymbolsize(r, mode); break;
      case 50: scolortable(mode); break;
      case 99: return;
      default: break;
    }
  }
}

}  // namespace

void splotattributes(int inter) {
  if (inter == 7) {
    resend();
    return;
  }
  if (inter == 4 || inter == 5) initialise(inter);
  if (inter % 2 == 0) menu();
}
