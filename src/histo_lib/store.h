// The histogram store: 12 histograms over 12 shared x-axis binnings of at most 180 bins,
// and its data operations (clear, add, complete, plot box).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int max_histograms = 12;  // histogram numbers 1..12; those in use are 1..NBHST
constexpr int max_xaxes = 12;       // x-axis (binning) numbers 1..12
constexpr int max_bins = 180;       // bins per x axis; edges 1..NBIN+1
constexpr int max_edges = max_bins + 1;
constexpr int label_slots = 8;       // label slots 1..8 per histogram
constexpr std::size_t label_length = 25;

using HstLabels = std::array<std::array<std::string, label_slots>, max_histograms>;
// Every label of the store as 25 blanks.
HstLabels blank_hst_labels();

// The store. Arrays are indexed from 0: edge k of x axis ix is XBNDHST0[ix - 1][k - 1],
// the count of bin j of histogram nb is NYCTHST0[nb - 1][j - 1], label slot s of histogram
// nb is LABELHST0[nb - 1][s - 1]. Every number is zero and every label blank until shstall
// initialises the store.
struct Blkhst8 {
  float XBNDHST0[max_xaxes][max_edges] = {};         // bin edges of each x axis, rising
  float YMAXHST0[max_histograms] = {};                // top of the y range (rose: outer radius)
  float YMINHST0[max_histograms] = {};                // bottom of the y range
  float SUMHST0[max_histograms] = {};                 // sum of the values kept since the clear
  float AVGHST0[max_histograms] = {};                 // mean of the kept values (completion)
  std::int32_t NYCTHST0[max_histograms][max_bins] = {};  // count of each bin
  std::int32_t NTOTHST0[max_histograms] = {};         // values kept since the clear
  std::int32_t NREJHST0[max_histograms] = {};         // values rejected since the clear
  std::int32_t MODEHST0[max_histograms] = {};         // largest bin count
  std::int32_t MINIHST0[max_histograms] = {};         // smallest bin count
  std::int32_t IXHST0[max_histograms] = {};           // x axis used, 1..12
  std::int32_t ITYPEHST0[max_histograms] = {};        // state: -1 set up, 0 cleared, 1 filled, 2 completed
  std::int32_t NYEXTYPHST0[max_histograms] = {};      // y extrema type 0..3
  std::int32_t NYTICHST0[max_histograms] = {};        // y tic step in counts
  std::int32_t NYLABHST0[max_histograms] = {};        // y annotation on every k-th tic
  std::int32_t NBINHST0[max_xaxes] = {};              // number of bins, 1..180
  std::int32_t NXTICHST0[max_xaxes] = {};             // bins within one major x tic
  std::int32_t NXLABHST0[max_xaxes] = {};             // major x intervals between annotations
  std::int32_t IPLTYPEHST0[max_histograms] = {};      // plot type 1 X-Y, 2..9 rose diagrams
  std::int32_t IPLSTYLEHST0[max_histograms] = {};     // plot style 0, 1, 10, 11, 12
  std::int32_t IPLFLCOLHST0[max_histograms] = {};     // fill colour number
  std::int32_t NBHST = 0;                             // histograms in use, 0..12
  std::int32_t ONLABELHST0[max_histograms][label_slots] = {};  // 1 the label is drawn, 0 not
  HstLabels LABELHST0 = blank_hst_labels();           // label texts, 25 characters each
};
extern Blkhst8 blkhst8;

// True when nb names a histogram in use: 1..NBHST (and within the store).
bool hst_in_use(int nb);
// The x axis of histogram nb (1..12): IXHST0, brought into 1..12 should the record hold
// anything else (as it does before the initialisation).
int hst_xaxis(int nb);
// The number of bins of x axis ix, brought into 1..180 likewise.
int hst_nbin(int ix);
// Edge k (1..181) of x axis ix (1..12).
float& hst_edge(int k, int ix);
// Label slot (1..8) of histogram nb; storing cuts or pads the text to 25 characters.
const std::string& hst_label(int slot, int nb);
void hst_set_label(int slot, int nb, std::string_view text);

// Empties histogram nb: the counts of its present bins, its totals, sum and mean; state 0.
void hstclear(int nb);
// Sorts vals[0..n-1] into histogram nb, with a small tolerance at the outer edges; state 1.
void hstadd(const float vals[], int n, int nb);
// The plot box of histogram nb: first and last bin edge and its y range. A bad nb is
// reported and replaced by NBHST; with no histogram in use the box is 0..10 by 0..10.
void ghstsize(float& xmin, float& xmax, float& ymin, float& ymax, int& nb);
// Completes histogram nb: largest and smallest count, mean, y range by its y extrema type,
// "N = " and the count in label 6; state 2.
void hstcompend(int nb);
// Label slot of histogram nb becomes "N = " followed by its number of kept values.
void shstlabntot(int slot, int nb);
