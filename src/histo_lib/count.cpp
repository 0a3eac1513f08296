#include <algorithm>

#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "histo_lib/menus.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"

namespace {

constexpr RoutineId id_shstall{"shstall    ", " 7.1", "2012-05-15"};
constexpr RoutineId id_shstnb{"shstnb     ", " 4.1", "03-09-2009"};
constexpr RoutineId id_shstxind{"shstxind   ", " 1.1", "03-09-2009"};

// The store's own initial state of histogram slot nb and of the x axis it then uses.
void initialise_slot(int nb) {
  const int i = nb - 1;
  blkhst8.ITYPEHST0[i] = -1;
  blkhst8.IXHST0[i] = std::min(nb, max_xaxes);
  const int x = blkhst8.IXHST0[i] - 1;
  blkhst8.NBINHST0[x] = 1;
  blkhst8.XBNDHST0[x][0] = 0.0f;
  blkhst8.XBNDHST0[x][1] = 10.0f;
  blkhst8.NXTICHST0[x] = 1;
  blkhst8.NXLABHST0[x] = 1;
  blkhst8.NYEXTYPHST0[i] = 1;
  blkhst8.YMAXHST0[i] = 10.0f;
  blkhst8.YMINHST0[i] = 0.0f;
  blkhst8.NYTICHST0[i] = 1;
  blkhst8.NYLABHST0[i] = 1;
  blkhst8.IPLTYPEHST0[i] = 1;
  blkhst8.IPLSTYLEHST0[i] = 11;
  blkhst8.IPLFLCOLHST0[i] = 8;
  static constexpr std::string_view texts[label_slots] = {"X", "Y", "-X", "-Y", "X", "UR", "UL", "N"};
  for (int s = 1; s <= label_slots; ++s) {
    blkhst8.ONLABELHST0[i][s - 1] = s == 5 || s == 8 ? 1 : 0;
    hst_set_label(s, nb, texts[s - 1]);
  }
}

}  // namespace

void shstall(int& sw, int mode) {
  if (mode == 4 || mode == 5) {
    submenuhead(id_shstall.name, id_shstall.version, id_shstall.date);
    hst_say({"HISTOGRAMS INITIALIZATION"});
    int count = 0;
    shstnb(count, mode);
    for (int nb = 1; nb <= max_histograms; ++nb) initialise_slot(nb);
  }
  hst_check_switch(id_shstall, sw);
  if (hst_even(mode)) global_histogram_menu(id_shstall, sw, mode);
}

void shstnb(int& n, int mode) {
  int work_mode = mode;
  switch (hst_value_source(mode)) {
    case HstValue::defaults:
      submenuhead(id_shstnb.name, id_shstnb.version, id_shstnb.date);
      n = 0;
      hst_say({"INITIALISING NB OF HISTOGRAMS TO:", n});
      break;
    case HstValue::stored: n = blkhst8.NBHST; break;
    case HstValue::given:
      if (n < 0 || n > max_histograms) {
        hst_error_head(id_shstnb);
        hst_say({"setting nb of histogram =", n});
        hst_say({"maximum nb of histogram =", max_histograms});
        n = max_histograms;
        hst_say({"==> RESET nb of histogram to max=", n});
        errortail00();
        hst_open_menu(work_mode);
      }
      break;
  }
  if (hst_even(work_mode)) {
    hst_menu(
        id_shstnb,
        [&] {
          hst_menu_title("Setting number of histograms");
          hst_say({"Maximum nb of histograms:", max_histograms});
          hst_say({"Current nb of histograms:", blkhst8.NBHST});
          hst_say({"New     nb of histograms:", n});
          hst_dashes();
          hst_say({"Choose nb of histograms ...100"});
          hst_dashes();
          hst_say({"EXIT .......................99"});
        },
        [&](int choice) {
          int istat;
          if (choice == 100) inintegvindef(n, "nb of histograms to use", n, 1, max_histograms, istat);
        });
  }
  blkhst8.NBHST = n;
}

void shstxind(int& ix, int& nb, int mode) {
  int work_mode = mode;
  if (!hst_check_nb_or_add(id_shstxind, nb, work_mode)) return;
  const HstValue source = hst_value_source(mode);
  if (source == HstValue::given && (ix < 1 || ix > max_xaxes)) {
    hst_error_head(id_shstxind);
    hst_say({"histogram nb =", nb});
    hst_say({"current number of histograms =", blkhst8.NBHST});
    hst_say({"maximum number of histograms =", max_histograms});
    hst_say({"X axis nb    =", ix});
    hst_say({"maximum number of X axis     =", max_xaxes});
    hst_say({"axis nb is outside [", 1, ",", max_xaxes, "]"});
    ix = std::min(nb, max_xaxes);
    hst_say({"==> RESET axis nb =", ix});
    errortail00();
    hst_open_menu(work_mode);
  }
  if (source == HstValue::defaults) {
    submenuhead(id_shstxind.name, id_shstxind.version, id_shstxind.date);
    hst_say({"INITIALISING X AXIS INDEX OF HISTOGRAM NB:", nb});
    ix = std::min(nb, max_xaxes);
  } else if (source == HstValue::stored) {
    ix = blkhst8.IXHST0[nb - 1];
  }
  if (hst_even(work_mode)) {
    hst_menu(
        id_shstxind,
        [&] {
          hst_menu_title("X axis index setting");
          hst_menu_counts(nb, "histogram nb            :");
          hst_dashes();
          hst_say({"Maximum number of X axis:", max_xaxes});
          hst_say({"Current X axis index    :", blkhst8.IXHST0[nb - 1]});
          hst_say({"New     X axis index    :", ix});
          hst_dashes();
          hst_say({"Choose new X axis index ...100"});
          hst_dashes();
          hst_say({"EXIT .......................99"});
        },
        [&](int choice) {
          int istat;
          if (choice == 100) inintegvindef(ix, "X axis index", ix, 1, max_xaxes, istat);
        });
  }
  blkhst8.IXHST0[nb - 1] = ix;
}
