#include <array>

#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"
#include "plt_lib/linefill.h"

namespace {

constexpr RoutineId id_shstfillcolor{"shistofillc", " 1.4", "03-09-2009"};
constexpr RoutineId id_shstlabel{"shstlabel  ", " 2.1", "2015-02-17"};

// Defaults of the label setter, by slot.
struct LabelDefault {
  std::string_view text;
  int onoff;
};
constexpr std::array<LabelDefault, label_slots> label_defaults = {{
    {"East", 1}, {"North", 1}, {"---", 0}, {"---", 0}, {"X-Axis", 1}, {"---", 0}, {"---", 0}, {"N", 0},
}};

constexpr std::string_view position_picture[] = {
    "| ROSE DIAGRAM: |    X-Y BOX:   |",
    "| 7     2     6 |       6       |",
    "|       |       |   |-------|   |",
    "|  3----|----1  | 8 |       | 8 |",
    "|       |       |   |-------|   |",
    "| 8     4     5 |       5       |",
    "|                               |",
    "|          5: X axis            |",
    "|          8: Y axis            |",
    "|          6: N = Ntotal        |",
};

}  // namespace

void shstfillcolor(int& icol, int nb, int mode) {
  if (!hst_check_nb(id_shstfillcolor, nb, NbOrder::nb_first, "==> NO ACTION")) return;
  int& stored = blkhst8.IPLFLCOLHST0[nb - 1];
  int plot_colour = 0;
  sfillcolor(plot_colour, 3);

  int colour = icol;
  switch (hst_value_source(mode)) {
    case HstValue::defaults: colour = 8; break;
    case HstValue::stored: colour = stored; break;
    case HstValue::given: break;
  }
  sfillcolor(colour, 1);

  if (hst_even(mode)) {
    hst_menu(
        id_shstfillcolor,
        [&] {
          hst_menu_title("Plot fill color setting");
          hst_menu_counts(nb);
          hst_dashes();
          hst_say({"Current fill color      :", stored});
          hst_say({"New     fill color      :", colour});
          hst_dashes();
          hst_say({"Change new fill color .......100"});
          hst_dashes();
          hst_say({"SET & EXIT ...................99"});
        },
        [&](int choice) {
          if (choice == 100) {
            sfillcolor(colour, 0);
            return;
          }
          hst_warning_head(id_shstfillcolor);
          hst_say({"Unexpected answer ==> NO ACTION"});
          warningtail00();
        });
  }

  stored = colour;
  icol = colour;
  sfillcolor(plot_colour, 1);
}

void shstlabel(std::string& text, int& onoff, int& slot, int nb, int mode) {
  if (!hst_check_nb(id_shstlabel, nb, NbOrder::current_first, "==> NO ACTION")) return;
  int work_mode = mode;
  if (slot < 1 || slot > label_slots) {
    hst_error_head(id_shstlabel);
    hst_say({"histogram nb =", nb});
    hst_say({"label number =", slot});
    hst_say({"outside [", 1, ",", label_slots, "]"});
    slot = 6;
    hst_say({"==> label number reset to =", slot});
    errortail00();
    work_mode = 2;
  }

  switch (hst_value_source(work_mode)) {
    case HstValue::stored:
      text = fit(hst_label(slot, nb), text.size());
      onoff = blkhst8.ONLABELHST0[nb - 1][slot - 1] != 0 ? 1 : 0;
      break;
    case HstValue::defaults:
      submenuhead(id_shstlabel.name, id_shstlabel.version, id_shstlabel.date);
      hst_say({"INITIALIZING HISTOGRAM FRAME: label"});
      text = fit(label_defaults[static_cast<std::size_t>(slot - 1)].text, text.size());
      onoff = label_defaults[static_cast<std::size_t>(slot - 1)].onoff;
      break;
    case HstValue::given:
      if (onoff != 0 && onoff != 1) {
        hst_error_head(id_shstlabel);
        hst_say({"histogram nb   =", nb});
        hst_say({"label number   =", slot});
        hst_say({"drawing switch =", onoff});
        hst_say({"should be in [0,1]"});
        onoff = 0;
        hst_say({"==>reset to =", onoff});
        errortail00();
        work_mode = 2;
      }
      break;
  }

  if (hst_even(work_mode)) {
    hst_menu(
        id_shstlabel,
        [&] {
          hst_menu_title("HISTOGRAM LABELS SETTING");
          hst_say({"histogram nb =", nb});
          hst_say({"current number of histograms =", blkhst8.NBHST});
          hst_say({"maximum number of histograms =", max_histograms});
          hst_menu_title("POSITIONS <-> INDEX:");
          for (std::string_view line : position_picture) hst_say({line});
          hst_dashes();
          hst_say({"label index...........1", slot});
          hst_say({"label text............2", text});
          hst_say({"draw label (0/1)......3", onoff});
          hst_dashes();
          hst_say({"EXIT ................99"});
        },
        [&](int choice) {
          int istat;
          if (choice == 1) inintegvindef(slot, "label index", slot, 1, label_slots, istat);
          if (choice == 2) inchardef(text, "text to draw", text, istat);
          if (choice == 3) inintegvindef(onoff, "whether to draw label (0=no/1=yes)", onoff, 0, 1, istat);
        });
  }

  blkhst8.ONLABELHST0[nb - 1][slot - 1] = onoff == 1 ? 1 : 0;
  hst_set_label(slot, nb, text);
}
