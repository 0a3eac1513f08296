#include "histo_lib/menus.h"

#include <string>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"

namespace {

constexpr RoutineId id_shst1{"shst1      ", " 1.2", "04-09-2009"};

// The work variables that shst1 hands to the setters.
struct Work {
  int value = 0;
  float low = 0.0f, high = 0.0f;
  int nbin = 0, nxtic = 0, nxlab = 0;
  std::string text = std::string(35, ' ');
};

void label_setter(Work& w, int slot, int nb, int mode) { shstlabel(w.text, w.value, slot, nb, mode); }

void binning_setter(Work& w, int nb, int mode) {
  shstxbin2(w.low, w.high, w.nbin, w.nxtic, w.nxlab, w.text, nb, mode);
}

void range_setter(Work& w, int nb, int mode) { shstyext(w.low, w.high, nb, mode); }

// Every attribute of histogram nb through its setter in mode 4 or 5, the labels last.
void initialise(int nb, int mode) {
  submenuhead(id_shst1.name, id_shst1.version, id_shst1.date);
  hst_say({"INITIALISING HISTOGRAM NB:", nb});
  Work w;
  int h = nb;
  shstxind(w.value, h, mode);
  binning_setter(w, nb, mode);
  shstyextype(w.value, nb, mode);
  range_setter(w, nb, mode);
  shstplotype(w.value, nb, mode);
  shstplotstyle(w.value, nb, mode);
  shstfillcolor(w.value, nb, mode);
  for (int slot = 1; slot <= label_slots; ++slot) label_setter(w, slot, nb, mode);
}

// A line of the settings: the caption below the command's level or the one at it (both 32
// characters), then the value.
void item(int sw, int level, std::string_view below, std::string_view at, HstItem value) {
  hst_say({sw >= level ? at : below, value});
}

void settings_list(int nb, int sw) {
  const int i = nb - 1;
  const int ix = hst_xaxis(nb);
  hst_menu_title("Histogram settings");
  hst_say({"Maximum nb of histograms :", max_histograms});
  hst_say({"Current nb of histograms :", blkhst8.NBHST});
  hst_say({"Histogram nb             :", nb});
  hst_say({"Histogram type           :", blkhst8.ITYPEHST0[i]});
  hst_say({"Mode                     :", HstItem::count(blkhst8.MODEHST0[i], 8)});
  hst_say({"Min                      :", HstItem::count(blkhst8.MINIHST0[i], 8)});
  hst_say({"Number of retained data  :", HstItem::count(blkhst8.NTOTHST0[i], 8)});
  hst_say({"Number of rejected data  :", HstItem::count(blkhst8.NREJHST0[i], 8)});
  hst_menu_title("X axis and bins", 32);
  hst_say({"Max nb of x - axes       :", max_xaxes});
  hst_say({"Max nb of bins           :", max_bins});
  item(sw, 3, "X axis nb .....................:", "X axis nb ...................100", blkhst8.IXHST0[i]);
  item(sw, 1, "x-label .......................:", "x-label .....................110", hst_label(5, nb));
  item(sw, 1, "Mini ..........................:", "Mini ........................110", hst_edge(1, ix));
  item(sw, 1, "Maxi ..........................:", "Maxi ........................110",
       hst_edge(hst_nbin(ix) + 1, ix));
  item(sw, 1, "nb of bins ....................:", "nb of bins ..................110", blkhst8.NBINHST0[ix - 1]);
  item(sw, 1, "nb of bins within major tics...:", "nb of bins within major tics 110", blkhst8.NXTICHST0[ix - 1]);
  item(sw, 1, "major interv. between labels...:", "major interv. between labels 110", blkhst8.NXLABHST0[ix - 1]);
  hst_menu_title("Y axis", 32);
  item(sw, 1, "y extrema type.................:", "y extrema type...............200", blkhst8.NYEXTYPHST0[i]);
  item(sw, 1, "y-label .......................:", "y-label .....................210", hst_label(8, nb));
  item(sw, 1, "Max ...........................:", "Max .........................220", blkhst8.YMAXHST0[i]);
  item(sw, 1, "Min ...........................:", "Min .........................220", blkhst8.YMINHST0[i]);
  hst_menu_title("Plot", 32);
  item(sw, 2, "Type ..........................:", "Type ........................300", blkhst8.IPLTYPEHST0[i]);
  item(sw, 1, "Style .........................:", "Style .......................310", blkhst8.IPLSTYLEHST0[i]);
  item(sw, 1, "Fill color ....................:", "Fill color ..................320", blkhst8.IPLFLCOLHST0[i]);
  hst_dashes(32);
  hst_say({sw >= 1 ? "|nb|on|        label        .com" : "|nb|on|        label            "});
  hst_dashes(32);
  for (int slot = 1; slot <= label_slots; ++slot) {
    Line l;
    l.x().a("|").i(slot, 2).a("|").i(blkhst8.ONLABELHST0[i][slot - 1] != 0 ? 1 : 0, 2).a("|");
    if (sw >= 1)
      l.a(hst_label(slot, nb).substr(0, 20)).x().a(".").i(330 + slot, 3);
    else
      l.a(hst_label(slot, nb).substr(0, 24));
    unit::write_line(iocom.iuout, l);
  }
  hst_dashes();
  hst_say({"EXIT .........................99"});
}

// Runs the command of the settings menu, when the switch reaches its level.
void settings_command(int choice, int nb, int sw) {
  Work w;
  const int mode = 2;
  int h = nb;
  if (choice == 100 && sw >= 3) shstxind(w.value, h, mode);
  if (sw < 1) return;
  switch (choice) {
    case 110: binning_setter(w, nb, mode); break;
    case 200: shstyextype(w.value, nb, mode); break;
    case 210: label_setter(w, 8, nb, mode); break;
    case 220: range_setter(w, nb, mode); break;
    case 300:
      if (sw >= 2) shstplotype(w.value, nb, mode);
      break;
    case 310: shstplotstyle(w.value, nb, mode); break;
    case 320: shstfillcolor(w.value, nb, mode); break;
    default:
      if (choice >= 331 && choice <= 338) label_setter(w, choice - 330, nb, mode);
      break;
  }
}

}  // namespace

void shst1(int nb, int& sw, int mode) {
  if (!hst_check_nb(id_shst1, nb, NbOrder::max_first, "==> EXITING WITHOUT ACTION", "histogram nb                 ="))
    return;
  hst_check_switch(id_shst1, sw, nb);
  if (mode == 4 || mode == 5) initialise(nb, mode);
  if (!hst_even(mode)) return;
  hst_menu(
      id_shst1, [&] { settings_list(nb, sw); }, [&](int choice) { settings_command(choice, nb, sw); });
}

void global_histogram_menu(const RoutineId& id, int& sw, int mode) {
  const int handed = mode == 4 ? 4 : 2;
  hst_menu(
      id,
      [&] {
        hst_menu_title("      Global Histogram set up");
        hst_say({"maximum number of histograms ..:", max_histograms});
        hst_say({sw == 3 ? "nb of histograms to use .....100" : "nb of histograms to use .......:", blkhst8.NBHST});
        hst_dashes();
        hst_say({sw >= 1 ? "|histo nb|        X label        |command|" : "|histo nb|    X label            |"});
        hst_dashes();
        for (int nb = 1; nb <= blkhst8.NBHST; ++nb) {
          Line l;
          l.x().a("|").x(3).i(nb, 2).x(3).a("|").a(hst_label(5, nb).substr(0, 23)).a("|");
          if (sw >= 1) l.x(2).i(nb, 3).x(2).a("|");
          unit::write_line(iocom.iuout, l);
        }
        hst_dashes();
        hst_say({"EXIT .........................99"});
      },
      [&](int choice) {
        if (choice == 100 && sw == 3) {
          int count = 0;
          shstnb(count, handed);
        } else if (hst_in_use(choice)) {
          shst1(choice, sw, handed);
        }
      });
}
