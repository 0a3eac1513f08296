#include "histo_lib/store.h"

#include <algorithm>

#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "histo_lib/setter_steps.h"

Blkhst8 blkhst8;

HstLabels blank_hst_labels() {
  HstLabels labels;
  for (auto& histogram : labels) histogram.fill(std::string(label_length, ' '));
  return labels;
}

bool hst_in_use(int nb) { return nb >= 1 && nb <= blkhst8.NBHST && nb <= max_histograms; }

int hst_xaxis(int nb) { return std::clamp<int>(blkhst8.IXHST0[std::clamp(nb, 1, max_histograms) - 1], 1, max_xaxes); }

int hst_nbin(int ix) { return std::clamp<int>(blkhst8.NBINHST0[std::clamp(ix, 1, max_xaxes) - 1], 1, max_bins); }

float& hst_edge(int k, int ix) { return blkhst8.XBNDHST0[std::clamp(ix, 1, max_xaxes) - 1][std::clamp(k, 1, max_edges) - 1]; }

const std::string& hst_label(int slot, int nb) { return blkhst8.LABELHST0[nb - 1][slot - 1]; }

void hst_set_label(int slot, int nb, std::string_view text) { blkhst8.LABELHST0[nb - 1][slot - 1] = fit(text, label_length); }

namespace {

constexpr RoutineId id_hstclear{"hstclear   ", " 4.2", "03-09-2009"};
constexpr RoutineId id_hstadd{"hstadd     ", " 4.3", "03-09-2009"};
constexpr RoutineId id_ghstsize{"ghstsize   ", " 3.4", "03-09-2009"};

// One value outside the bins, or just outside: its frame and lines.
struct OutsideReport {
  bool error;                        // an error frame (rejected), else a warning frame
  std::string_view first;            // the first line
  std::string_view edge_caption;     // before the edge
  std::string_view last;             // the closing line
};

constexpr OutsideReport low_rejection{true, "VALUE BELOW LOWEST HISTOGRAM BIN", "Lowest bin value =",
                                      "==> Value is discarded"};
constexpr OutsideReport low_warning{false, "Value below lowest histogram bin", "lowest bin value =",
                                    "==> Value added to first bin"};
constexpr OutsideReport high_warning{false, "Value above highest histogram bin", "highest bin value =",
                                     "==> Value added to last bin"};
constexpr OutsideReport high_rejection{true, "VALUE ABOVE HIGHEST HISTOGRAM BIN", "highest bin value =",
                                       "==> Value is discarded"};

void report_outside(const OutsideReport& r, int nb, float edge, float v) {
  if (r.error)
    hst_error_head(id_hstadd);
  else
    hst_warning_head(id_hstadd);
  hst_say({r.first});
  if (!r.error) hst_say({" but close enough"});
  hst_say({"Histogram number =", nb});
  hst_say({"X axis label     =", hst_label(5, nb)});
  hst_say({r.edge_caption, edge});
  hst_say({"Value            =", v});
  hst_say({r.last});
  if (r.error)
    errortail00();
  else
    warningtail00();
}

// The bin (from 0) of v among the inner edges 1 .. nbin - 1 of the rising edges: the number
// of them at or below v, as a search of them finds it (nbin - 1 also for a v that is not a
// number). The edges, a running sum of the bin width, lie about evenly: the bin that the
// width gives is a first guess, moved to the stored edges themselves, whose rounding it
// cannot foresee. A run's values fall anywhere; this finds each in a step or two.
int inner_bin(const float* edges, int nbin, float v, float per_width) {
  const float t = (v - edges[0]) * per_width;
  int bin = 0;
  if (t >= static_cast<float>(nbin - 1))
    bin = nbin - 1;
  else if (t > 0.0f)
    bin = static_cast<int>(t);
  while (bin < nbin - 1 && !(v < edges[bin + 1])) ++bin;
  while (bin > 0 && v < edges[bin]) --bin;
  return bin;
}

}  // namespace

void hstclear(int nb) {
  if (!hst_check_nb(id_hstclear, nb, NbOrder::max_first, "==> EXITING WITHOUT ACTION")) return;
  const int i = nb - 1;
  std::fill_n(blkhst8.NYCTHST0[i], hst_nbin(hst_xaxis(nb)), 0);
  blkhst8.NTOTHST0[i] = 0;
  blkhst8.NREJHST0[i] = 0;
  blkhst8.MODEHST0[i] = 0;
  blkhst8.MINIHST0[i] = 0;
  blkhst8.SUMHST0[i] = 0.0f;
  blkhst8.AVGHST0[i] = 0.0f;
  blkhst8.ITYPEHST0[i] = 0;
}

void hstadd(const float vals[], int n, int nb) {
  // A run adds every value on its own: the number in use is let through at once.
  if (!hst_in_use(nb) && !hst_check_nb(id_hstadd, nb, NbOrder::max_first, "==> EXITING WITHOUT ACTION")) return;
  const int i = nb - 1;
  const int ix = hst_xaxis(nb);
  const int nbin = hst_nbin(ix);
  const float* edges = blkhst8.XBNDHST0[ix - 1];
  const float low = edges[0];
  const float high = edges[nbin];
  // The tolerances, once per call and in single precision: near a large edge the rounding
  // can swallow them (at 360 both upper limits are 360 itself).
  const float low_reject = low - 1.0e-5f;
  const float low_warn = low - 2.0e-6f;
  const float high_reject = high + 1.0e-5f;
  const float high_warn = high + 2.0e-6f;
  // Bins per unit of x, for the first guess of a value's bin: a run adds its values one by
  // one, so it is worked out again only when the binning has changed.
  struct Guess {
    float low = 0.0f, high = 0.0f;
    int nbin = 0;
    float per_width = 0.0f;
  };
  static Guess guesses[max_histograms];
  Guess& g = guesses[i];
  if (g.low != low || g.high != high || g.nbin != nbin) g = {low, high, nbin, static_cast<float>(nbin) / (high - low)};

  for (int k = 0; k < n; ++k) {
    const float v = vals[k];
    int bin;  // from 0
    if (v < low_reject) {
      report_outside(low_rejection, nb, low, v);
      blkhst8.NREJHST0[i] += 1;
      continue;
    }
    if (v < low_warn) {
      report_outside(low_warning, nb, low, v);
      bin = 0;
    } else {
      // The first edge above v closes its bin; a value on an inner edge opens the next bin.
      // The last edge is the maximum itself, which the rounding of the running sum of the
      // inner edges may have passed, so it is looked at on its own.
      bin = inner_bin(edges, nbin, v, g.per_width);
      if (bin == nbin - 1 && !(edges[nbin] > v)) {
        if (!(v <= high_reject)) {  // also a value that is not a number
          report_outside(high_rejection, nb, high, v);
          blkhst8.NREJHST0[i] += 1;
          continue;
        }
        if (v > high_warn) report_outside(high_warning, nb, high, v);
      }
    }
    blkhst8.NYCTHST0[i][bin] += 1;
    blkhst8.NTOTHST0[i] += 1;
    blkhst8.SUMHST0[i] += v;
  }
  blkhst8.ITYPEHST0[i] = 1;
}

void ghstsize(float& xmin, float& xmax, float& ymin, float& ymax, int& nb) {
  if (!hst_reset_nb(id_ghstsize, nb, NbOrder::max_first)) {
    // No histogram in use: the box of a store that holds none.
    xmin = 0.0f, xmax = 10.0f, ymin = 0.0f, ymax = 10.0f;
    return;
  }
  const int ix = hst_xaxis(nb);
  xmin = hst_edge(1, ix);
  xmax = hst_edge(hst_nbin(ix) + 1, ix);
  ymin = blkhst8.YMINHST0[nb - 1];
  ymax = blkhst8.YMAXHST0[nb - 1];
}
