// The statistics page of a run: the true dips and strikes of its converted records in two
// histograms, drawn under the page head as X-Y histograms and rose diagrams.
#include <algorithm>
#include <string>

#include "app/run_stages.h"
#include "histo_lib/drawing.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"
#include "plt_lib/plotcontrol.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"
#include "plt_lib/textattributes.h"

namespace {

// One histogram of the page: its X-Y plot and its rose diagram.
struct StatisticsPlot {
  std::string_view histogram_line, rose_line;
  int histogram_subplot, rose_subplot, rose_type;
};

constexpr StatisticsPlot dip_plot{"Plotting dip histogram", "Plotting dip rose diagram", 8, 11, 3};
constexpr StatisticsPlot strike_plot{"Plotting strike histogram", "Plotting strike rose diagram", 9, 12, 5};

// Gives the current sub-plot the user window (xmin, xmax) x (ymin, ymax) at independent
// scales, in the paper box it has.
void set_window(float xmin, float xmax, float ymin, float ymax) {
  float xcm0 = 0.0f, ycm0 = 0.0f, xlcm = 0.0f, ylcm = 0.0f, xu1 = 0.0f, xu2 = 0.0f, yu1 = 0.0f, yu2 = 0.0f;
  int ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xu1, xu2, yu1, yu2, ixy, 3);
  ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xmin, xmax, ymin, ymax, ixy, 1);
}

// Completes histogram nb and draws it as an X-Y histogram and as a rose diagram labelled
// with the number of converted records.
void plot_histogram(int nb, const StatisticsPlot& p, int nconv) {
  hstcompend(nb);
  float xmin = 0.0f, xmax = 0.0f, ymin = 0.0f, ymax = 0.0f;
  ghstsize(xmin, xmax, ymin, ymax, nb);
  // A run without a converted record leaves every count at 0: the top of the y range is
  // kept at 1 at least, so that neither plot has a window of zero extent.
  if (!(ymax >= 1.0f) || !(ymax > ymin)) {
    ymax = std::max(1.0f, ymin + 1.0f);
    shstyext(ymin, ymax, nb, 1);
  }

  say(p.histogram_line);
  int nsub = p.histogram_subplot, type = 1;
  ssubplot(nsub, 1);
  shstplotype(type, nb, 1);
  set_window(xmin, xmax, ymin, ymax);
  hstfrmplt(nb);
  hstvalplt(nb);

  say(p.rose_line);
  nsub = p.rose_subplot;
  type = p.rose_type;
  ssubplot(nsub, 1);
  shstplotype(type, nb, 1);
  std::string label = "N = " + shortest_text(nconv);
  label.resize(55, ' ');
  int on = 1, slot = 6;
  shstlabel(label, on, slot, nb, 1);
  set_window(-ymax, ymax, -ymax, ymax);
  hstfrmplt(nb);
  hstvalplt(nb);
}

}  // namespace

void statistics_clear(const KvrSettings& set) {
  hstclear(set.hdip);
  hstclear(set.hstrike);
}

void statistics_add(const KvrSettings& set, const KvrRecord& rec) {
  hstadd(&rec.TRUEDIP, 1, set.hdip);
  hstadd(&rec.STRIKE, 1, set.hstrike);
}

void statistics_page(const KvrSettings& set, const KvrRecord& rec) {
  say_dashes();
  say("STARTING STATISTICS PLOT");
  say_dashes();
  // The current page holds the last section page, if the run drew one.
  if (rec.lsectpage) newpage();
  int just = 0;
  stextalign(just, 3);
  input_captions(set, rec);
  page_caption("Number of data read = " + shortest_text(rec.nread), 4, 2.0f, -1);
  page_caption("Number of data converted = " + shortest_text(rec.nconv), 5, 2.0f, -1);
  runinfo_caption();
  stextalign(just, 1);
  plot_histogram(set.hdip, dip_plot, rec.nconv);
  plot_histogram(set.hstrike, strike_plot, rec.nconv);
}
