#include <climits>
#include <cmath>

#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"

namespace {

constexpr RoutineId id_shstxbin{"shstxbin   ", " 7.0", "06-10-2009"};

// The binning values that one call works on, until they are stored.
struct Binning {
  float& xmin;
  float& xmax;
  int& nbin;
  int& nxtic;
  int& nxlab;
  std::string& xlabel;
  float w = 0.0f;  // bin width
};

// The checks run before the menu and after every change in it; the bin count and the
// range, when refused, open the menu of an odd mode.
void check(Binning& b, int mode, int& work_mode) {
  if (b.nbin < 1 || b.nbin > max_bins) {
    hst_error_head(id_shstxbin);
    hst_say({"nb of intervals =", b.nbin});
    hst_say({"is outside [", 1, ",", max_bins, "]"});
    b.nbin = max_bins;
    hst_say({"==> RESET nb of intervals to max =", b.nbin});
    errortail00();
    if (!hst_even(mode)) work_mode = mode - 1;
  }
  // Bounds that are not numbers, infinite, or so far apart that the bin width is not finite
  // are refused like bounds out of order.
  const bool finite = std::isfinite(b.xmin) && std::isfinite(b.xmax) &&
                      std::isfinite((b.xmax - b.xmin) / static_cast<float>(b.nbin));
  if (!(b.xmin < b.xmax) || !finite) {
    hst_error_head(id_shstxbin);
    hst_say({"xmin =", b.xmin});
    hst_say({"xmax =", b.xmax});
    hst_say({"xmin > xmax"});
    hst_say({"==> RESET to:"});
    b.xmin = 0.0f;
    b.xmax = 10.0f;
    hst_say({"xmin =", b.xmin});
    hst_say({"xmax =", b.xmax});
    errortail00();
    if (!hst_even(mode)) work_mode = mode - 1;
  }
  if (b.nxtic < 1 || b.nxtic > b.nbin) {
    hst_warning_head(id_shstxbin);
    hst_say({"nb of intervals             =", b.nbin});
    hst_say({"nb of intervals within tics =", b.nxtic});
    b.nxtic = b.nbin;
    hst_say({"==> RESET nb of intervals within tics =", b.nbin});
    warningtail00();
  }
  b.w = (b.xmax - b.xmin) / static_cast<float>(b.nbin);
}

// Command 500: the bin count from a width, which is then readjusted to fill the range.
void ask_width(Binning& b) {
  hst_dashes();
  hst_say({"The interval width you enter below"});
  hst_say({"  need not be accurate."});
  hst_say({"It will be readjusted so that"});
  hst_say({"  the whole range remains a multiple of it"});
  hst_dashes();
  int istat;
  inrealdef(b.w, "interval width", b.w, istat);
  while (!(b.w > 0.0f) || !std::isfinite(b.w)) {
    hst_error_head(id_shstxbin);
    hst_say({"interval width", b.w});
    hst_say({"REQUIRED interval size > 0"});
    hst_say({"==> ASK AGAIN"});
    errortail00();
    inrealdef(b.w, "interval width", b.w, istat);
  }
  // A count beyond the integers saturates; the checks then bring it back to 180.
  const float count = std::trunc((b.xmax - b.xmin) / b.w);
  b.nbin = count < static_cast<float>(INT_MAX) ? static_cast<int>(count) : INT_MAX;
  if (b.nbin == 0) return;  // no width to show; the checks reset the count
  b.w = (b.xmax - b.xmin) / static_cast<float>(b.nbin);
  hst_say({"adjusted interval width", b.w});
}

void menu_list(const Binning& b, int nb) {
  hst_menu_title("X axis bin setting");
  hst_menu_counts(nb);
  hst_dashes(32);
  hst_say({"X axis nb               :", blkhst8.IXHST0[nb - 1]});
  hst_say({"Max nb of x - axes      :", max_xaxes});
  hst_say({"Max nb of x - intervals :", max_bins});
  hst_dashes(32);
  hst_say({"x-label ........................120", b.xlabel});
  hst_say({"value mini .....................200", b.xmin});
  hst_say({"value maxi .....................300", b.xmax});
  hst_say({"nb of bins .....................400", b.nbin});
  hst_say({"bins within major tics .........450", b.nxtic});
  hst_say({"major intervals between labels .460", b.nxlab});
  hst_say({"interval size ..................500", b.w});
  hst_dashes();
  hst_say({"EXIT ............................99"});
}

}  // namespace

void shstxbin2(float& xmin, float& xmax, int& nbin, int& nxtic, int& nxlab, std::string& xlabel, int& nb,
               int mode) {
  int work_mode = mode;
  if (!hst_check_nb_or_add(id_shstxbin, nb, work_mode, true)) return;
  const int ix = hst_xaxis(nb);
  const int x = ix - 1;

  switch (hst_value_source(work_mode)) {
    case HstValue::defaults:
      submenuhead(id_shstxbin.name, id_shstxbin.version, id_shstxbin.date);
      hst_say({"INITIALISING X AXIS OF HISTOGRAM NB:", nb});
      xmin = 0.0f;
      xmax = 10.0f;
      nbin = 10;
      nxtic = 5;
      nxlab = 1;
      xlabel = fit("X-undefined", xlabel.size());
      break;
    case HstValue::stored:
      nbin = hst_nbin(ix);
      xmin = hst_edge(1, ix);
      xmax = hst_edge(nbin + 1, ix);
      nxtic = blkhst8.NXTICHST0[x];
      nxlab = blkhst8.NXLABHST0[x];
      xlabel = fit(hst_label(5, nb), xlabel.size());
      break;
    case HstValue::given: break;
  }

  Binning b{xmin, xmax, nbin, nxtic, nxlab, xlabel};
  check(b, mode, work_mode);
  if (hst_even(work_mode)) {
    hst_menu(
        id_shstxbin, [&] { menu_list(b, nb); },
        [&](int choice) {
          int istat;
          switch (choice) {
            case 120: inchardef(xlabel, "histogram x-label", xlabel, istat); return;  // no checks
            case 200: hst_ask_bound(id_shstxbin, xmin, "minimum value"); break;
            case 300: hst_ask_bound(id_shstxbin, xmax, "maximum value"); break;
            case 400: inintegvindef(nbin, "nb of intervals", nbin, 1, max_bins, istat); break;
            case 450: inintegvindef(nxtic, "nb of intervals within major tics", nxtic, 1, nbin, istat); break;
            case 460: inintegvindef(nxlab, "major intervals between labels", nxlab, 1, nbin / nxtic, istat); break;
            case 500: ask_width(b); break;
            default: break;
          }
          check(b, mode, work_mode);
        });
  }

  blkhst8.NBINHST0[x] = nbin;
  hst_set_label(5, nb, xlabel);
  float* edges = blkhst8.XBNDHST0[x];
  edges[0] = xmin;
  edges[nbin] = xmax;
  // A single-precision running sum: the inner edges carry its rounding, the last is xmax.
  for (int k = 1; k < nbin; ++k) edges[k] = edges[k - 1] + b.w;
  blkhst8.NXTICHST0[x] = nxtic;
  blkhst8.NXLABHST0[x] = nxlab;
}
