#include <cmath>
#include <string>
#include <string_view>

#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"

namespace {

// ---- y extrema type ----

constexpr int extrema_codes[] = {0, 1, 2, 3};
constexpr HstItem extrema_range[] = {"outside [", 0, ",", 3, "]"};
constexpr std::string_view extrema_lines[] = {
    "ymin & ymax = last set ........0",
    "ymax = data mode ..............1",
    "ymin = data minimum ...........2",
    "ymin & ymax = mode & mini......3",
};
constexpr CodeSetter extrema_type{
    .id = {"shstyextype", " 2.4", "03-09-2009"},
    .field = &Blkhst8::NYEXTYPHST0,
    .codes = extrema_codes,
    .default_value = 0,
    .value_caption = "y extrema type =",
    .outside_line = false,
    .range_line = extrema_range,
    .bounds_line = extrema_range,
    .reset_caption = "==> RESET ihymaxtypea =",
    .title = "Y axis extrema method setting",
    .current_caption = "Current y extrema type  :",
    .new_caption = "New     y extrema type  :",
    .code_lines = extrema_lines,
};

// ---- plot type ----

constexpr int type_codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr HstItem type_range[] = {"[", 1, ",", 9, "]"};
constexpr std::string_view type_lines[] = {
    "Type of plot ..............command",
    "Standard X-Y histogram ........1",
    "Polar (rose) diagram:",
    " Origin   Angle",
    "  axis  direction",
    "   X    direct ................2",
    "   X    retrograde ............3",
    "   Y    direct ................4",
    "   Y    retrograde ............5",
    "  -X    direct ................6",
    "  -X    retrograde ............7",
    "  -Y    direct ................8",
    "  -Y    retrograde ............9",
};
constexpr CodeSetter plot_type{
    .id = {"shistoploty", " 4.4", "03-09-2009"},
    .field = &Blkhst8::IPLTYPEHST0,
    .codes = type_codes,
    .default_value = 1,
    .value_caption = "plot type =",
    .outside_line = true,
    .range_line = type_range,
    .bounds_line = type_range,
    .reset_caption = "==> RESET plot type =",
    .title = "Plot type setting",
    .current_caption = "Current plot type       :",
    .new_caption = "New     plot type       :",
    .code_lines = type_lines,
};

// ---- plot style: the codes are not contiguous ----

constexpr int style_codes[] = {0, 1, 10, 11, 12};
constexpr HstItem style_range[] = {"[", 0, ",", 1, "]U[", 10, ",", 12, "]"};
constexpr HstItem style_bounds[] = {"[", 0, ",", 12, "]"};
constexpr std::string_view style_lines[] = {
    "Plot Style ................command",
    " Outline top line .............0",
    " Outline line going to zero ...1",
    " One global polygon ..........10",
    " One rectangle per bin .......11",
    " One rectangle per data ......12",
};
constexpr CodeSetter plot_style{
    .id = {"shistoplost", " 2.4", "03-09-2009"},
    .field = &Blkhst8::IPLSTYLEHST0,
    .codes = style_codes,
    .default_value = 11,
    .value_caption = "plot style =",
    .outside_line = true,
    .range_line = style_range,
    .bounds_line = style_bounds,
    .reset_caption = "==> RESET plot style =",
    .title = "Plot style setting",
    .current_caption = "Current plot style      :",
    .new_caption = "New     plot style      :",
    .code_lines = style_lines,
};

constexpr RoutineId id_shstyext{"shstyext   ", " 7.6", "03-09-2009"};

}  // namespace

void shstyextype(int& itype, int nb, int mode) { run_code_setter(extrema_type, itype, nb, mode); }

void shstplotype(int& itype, int nb, int mode) { run_code_setter(plot_type, itype, nb, mode); }

void shstplotstyle(int& istyle, int nb, int mode) { run_code_setter(plot_style, istyle, nb, mode); }

void shstyext(float& ymin, float& ymax, int& nb, int mode) {
  int work_mode = mode;
  if (!hst_check_nb_or_add(id_shstyext, nb, work_mode)) return;
  const int i = nb - 1;
  switch (hst_value_source(work_mode)) {
    case HstValue::defaults:
      ymin = 0.0f;
      ymax = 10.0f;
      break;
    case HstValue::stored:
      ymin = blkhst8.YMINHST0[i];
      ymax = blkhst8.YMAXHST0[i];
      break;
    case HstValue::given: break;
  }
  if (hst_even(work_mode)) {
    hst_menu(
        id_shstyext,
        [&] {
          const int ix = hst_xaxis(nb);
          hst_menu_title("Y axis min-max setting");
          hst_menu_counts(nb, "histogram nb            :");
          hst_dashes(32);
          hst_say({"X axis    nb              :", blkhst8.IXHST0[i]});
          hst_say({"Max nb of x axes          :", max_xaxes});
          hst_say({"Current nb of x intervals :", hst_nbin(ix)});
          hst_say({"Max nb of x intervals     :", max_bins});
          hst_dashes(32);
          hst_say({"current ymax              :", blkhst8.YMAXHST0[i]});
          hst_say({"current ymin              :", blkhst8.YMINHST0[i]});
          hst_say({"current mode              :", HstItem::count(blkhst8.MODEHST0[i])});
          hst_say({"current min               :", HstItem::count(blkhst8.MINIHST0[i])});
          hst_say({"current number of data    :", HstItem::count(blkhst8.NTOTHST0[i])});
          hst_dashes();
          hst_say({"estimated ymax ..............100", ymax});
          hst_say({"estimated ymin ..............200", ymin});
          hst_dashes();
          hst_say({"EXIT .........................99"});
        },
        [&](int choice) {
          if (choice == 100) hst_ask_bound(id_shstyext, ymax, "y axis max value");
          if (choice == 200) hst_ask_bound(id_shstyext, ymin, "y axis min value");
        });
  }
  blkhst8.YMINHST0[i] = ymin;
  blkhst8.YMAXHST0[i] = ymax;
}
