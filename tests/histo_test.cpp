#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "gral_lib/console.h"
#include "histo_lib/menus.h"
#include "histo_lib/setters.h"
#include "histo_lib/store.h"
#include "plt_lib/attributes.h"
#include "support/console_capture.h"

namespace {

using Lines = std::vector<std::string>;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

constexpr float nan_value = std::numeric_limits<float>::quiet_NaN();

class Histo : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    iocom.lpause = false;
    fresh();
  }
  // A store just initialised as at start, with no histogram in use.
  void fresh() {
    plt2blk.NBCOLOR = 18;
    plt2blk.IFILLCOLOR = 2;
    blkhst8 = Blkhst8{};
    int sw = 3;
    shstall(sw, 5);
    take_output();
  }
  // n histograms in use, histogram h on x axis h.
  void use(int n) {
    shstnb(n, 1);
    for (int h = 1; h <= n; ++h) {
      int ix = h;
      shstxind(ix, h, 1);
    }
  }
  void binning(int nb, float xmin, float xmax, int nbin, int nxtic = 1, int mode = 1, std::string label = "Dip") {
    int nxlab = 3;
    label.resize(35, ' ');
    shstxbin2(xmin, xmax, nbin, nxtic, nxlab, label, nb, mode);
  }
  int count(int nb, int bin) const { return blkhst8.NYCTHST0[nb - 1][bin - 1]; }
  void add(int nb, float v) { hstadd(&v, 1, nb); }
};

TEST_F(Histo, InitialisationWritesEverySlotAndKeepsTheData) {
  EXPECT_EQ(blkhst8.NBHST, 0);
  for (int k = 1; k <= max_histograms; ++k) {
    EXPECT_EQ(blkhst8.ITYPEHST0[k - 1], -1);
    EXPECT_EQ(blkhst8.IXHST0[k - 1], k);
    EXPECT_EQ(hst_edge(2, k), 10.0f);
  }
  EXPECT_EQ(hst_label(3, 1), "-X" + std::string(23, ' '));
  use(1);
  binning(1, 0, 90, 9);
  add(1, 15);
  int sw = -1;
  shstall(sw, 5);
  EXPECT_EQ(sw, 1);
  const std::string out = take_output();
  EXPECT_TRUE(has(out, " HISTOGRAMS INITIALIZATION\n"));
  EXPECT_TRUE(has(out, " INITIALISING NB OF HISTOGRAMS TO:   0\n"));
  EXPECT_TRUE(has(out, " modification switch          =  -1\n is outside [   0 ,   3 ]\n"));
  EXPECT_EQ(count(1, 2), 1);
  EXPECT_EQ(blkhst8.NTOTHST0[0], 1);
  EXPECT_EQ(blkhst8.NBINHST0[0], 1);
  EXPECT_EQ(hst_edge(3, 1), 20.0f);  // the third edge is kept, only edges 1 and 2 are written
}

// Where each value goes on 0 to 90 in 18 bins, and what is reported.
struct AddCase {
  float v;
  int bin;  // 0: rejected
  const char* report;
};

TEST_F(Histo, AddSortsValuesWithSinglePrecisionTolerances) {
  const AddCase cases[] = {
      {0, 1, nullptr},
      {5, 2, nullptr},
      {85, 18, nullptr},
      {90, 18, nullptr},
      {-0.000001f, 1, nullptr},
      {90.000008f, 18, "Value above highest histogram bin"},
      {-0.000005f, 1, "Value below lowest histogram bin"},
      {90.0001f, 0, "VALUE ABOVE HIGHEST HISTOGRAM BIN"},
      {-0.00002f, 0, "VALUE BELOW LOWEST HISTOGRAM BIN"},
      {nan_value, 0, "VALUE ABOVE HIGHEST HISTOGRAM BIN"},
  };
  use(2);
  binning(1, 0, 90, 18);
  binning(2, 0, 360, 36);
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.v);
    hstclear(1);
    add(1, c.v);
    const std::string out = take_output();
    EXPECT_EQ(out.empty(), c.report == nullptr) << out;
    if (c.report) {
      EXPECT_TRUE(has(out, std::string(" ") + c.report + "\n")) << out;
    }
    EXPECT_EQ(blkhst8.NTOTHST0[0], c.bin ? 1 : 0);
    EXPECT_EQ(blkhst8.NREJHST0[0], c.bin ? 0 : 1);
    if (c.bin) {
      EXPECT_EQ(count(1, c.bin), 1);
      EXPECT_EQ(blkhst8.SUMHST0[0], c.v);  // the value itself, not the edge
    }
    EXPECT_EQ(blkhst8.ITYPEHST0[0], 1);
  }
  add(1, 90.000008f);
  EXPECT_TRUE(has(take_output(), " Value above highest histogram bin\n  but close enough\n Histogram number =   1\n"
                                 " X axis label     = Dip                      \n"
                                 " highest bin value =       90.000\n Value            =       90.000\n"
                                 " ==> Value added to last bin\n"));
  // At 360 the tolerances vanish in the rounding: 360 is kept, the next float is not.
  add(2, 360.0f);
  EXPECT_EQ(count(2, 36), 1);
  EXPECT_TRUE(take_output().empty());
  add(2, std::nextafter(360.0f, 400.0f));
  EXPECT_EQ(blkhst8.NREJHST0[1], 1);
}

// Every inner edge, and the floats on either side of it, on binnings whose running sums
// round: each value goes to the bin that the stored edges give, the one after the last
// inner edge at or below it.
TEST_F(Histo, AddFindsTheBinOfValuesOnAndNextToEveryEdge) {
  struct Range {
    float xmin, xmax;
    int nbin;
  };
  use(1);
  for (const Range& r : {Range{0, 90, 18}, Range{0, 360, 72}, Range{0, 1, 7}, Range{-3.3f, 17.9f, 173}}) {
    SCOPED_TRACE(r.nbin);
    binning(1, r.xmin, r.xmax, r.nbin);
    const float* edges = blkhst8.XBNDHST0[0];
    for (int k = 1; k < r.nbin; ++k) {
      for (float v : {std::nextafter(edges[k], -1e9f), edges[k], std::nextafter(edges[k], 1e9f)}) {
        hstclear(1);
        add(1, v);
        const int bin = static_cast<int>(std::upper_bound(edges + 1, edges + r.nbin, v) - edges);
        EXPECT_EQ(count(1, bin), 1) << v;
      }
    }
  }
  EXPECT_TRUE(take_output().empty());
}

TEST_F(Histo, SharedAxisKeepsCountsApartAndClearKeepsBinsAboveTheBinning) {
  use(2);
  int ix = 1, nb = 2;
  shstxind(ix, nb, 1);
  binning(1, 0, 90, 18);
  EXPECT_EQ(blkhst8.NBINHST0[0], 18);
  add(1, 7);
  add(2, 47);
  EXPECT_EQ(count(1, 2), 1);
  EXPECT_EQ(count(2, 2), 0);
  EXPECT_EQ(count(2, 10), 1);
  blkhst8.NYCTHST0[0][18] = 7;  // bin 19, beyond the 18 in use
  hstclear(1);
  EXPECT_EQ(count(1, 2), 0);
  EXPECT_EQ(count(1, 19), 7);
  EXPECT_EQ(blkhst8.ITYPEHST0[0], 0);
}

TEST_F(Histo, CompletionByExtremaType) {
  use(1);
  binning(1, 0, 30, 3);
  for (int type = 0; type <= 3; ++type) {
    SCOPED_TRACE(type);
    shstyextype(type, 1, 1);
    float ymin = -1, ymax = 20;
    int nb = 1;
    shstyext(ymin, ymax, nb, 1);
    hstclear(1);
    for (float v : {5.0f, 15.0f, 15.0f, 25.0f}) add(1, v);
    hstcompend(1);
    EXPECT_TRUE(take_output().empty());
    EXPECT_EQ(blkhst8.MODEHST0[0], 2);
    EXPECT_EQ(blkhst8.MINIHST0[0], 1);
    EXPECT_EQ(blkhst8.AVGHST0[0], 15.0f);
    EXPECT_EQ(hst_label(6, 1), "N = 4" + std::string(20, ' '));
    EXPECT_EQ(blkhst8.ONLABELHST0[0][5], 0);
    EXPECT_EQ(blkhst8.ITYPEHST0[0], 2);
    EXPECT_EQ(blkhst8.YMINHST0[0], type >= 2 ? 1.0f : -1.0f);
    EXPECT_EQ(blkhst8.YMAXHST0[0], type % 2 ? 2.0f : 20.0f);
  }
  hstclear(1);
  hstcompend(1);
  const std::string out = take_output();
  EXPECT_TRUE(has(out, " nb of retained data    =   0\n nb of rejected data    =   0\n"
                       " ==> SETTING AVERAGE    =        0.000\n"));
  EXPECT_EQ(blkhst8.AVGHST0[0], 0.0f);
  EXPECT_EQ(blkhst8.YMAXHST0[0], 0.0f);
  EXPECT_EQ(hst_label(6, 1).substr(0, 6), "N = 0 ");
}

TEST_F(Histo, BinEdgesAreASinglePrecisionRunningSum) {
  use(1);
  binning(1, 0, 1, 10);
  auto edge = [](int k) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10f", static_cast<double>(hst_edge(k, 1)));
    return std::string(text);
  };
  EXPECT_EQ(edge(4), "0.3000000119");
  EXPECT_EQ(edge(10), "0.9000000954");
  EXPECT_EQ(hst_edge(11, 1), 1.0f);
  binning(1, 0, 90, 18, 25);  // bins within a tic beyond the bins: reset silently, no menu
  const std::string out = take_output();
  EXPECT_TRUE(has(out, " ==> RESET nb of intervals within tics =  18\n"));
  EXPECT_FALSE(has(out, " Enter your choice\n"));
  EXPECT_EQ(blkhst8.NXTICHST0[0], 18);
}

// Values that the binning checks refuse in mode 1: each is reset and the menu opens.
struct BinningReset {
  float xmin, xmax;
  int nbin;
  float stored_xmin, stored_xmax;
  int stored_nbin;
  const char* line;
};

TEST_F(Histo, RefusedBinningIsResetAndOpensTheMenu) {
  const float inf = std::numeric_limits<float>::infinity();
  const BinningReset cases[] = {
      {0, 90, 0, 0, 90, 180, " ==> RESET nb of intervals to max = 180"},
      {0, 90, 200, 0, 90, 180, " ==> RESET nb of intervals to max = 180"},
      {5, 5, 18, 0, 10, 18, " xmin > xmax"},
      {nan_value, 10, 18, 0, 10, 18, " xmin > xmax"},
      {0, inf, 18, 0, 10, 18, " xmin > xmax"},
      {-3e38f, 3e38f, 18, 0, 10, 18, " xmin > xmax"},
  };
  use(1);
  for (const BinningReset& c : cases) {
    SCOPED_TRACE(c.line);
    input("99\n");
    binning(1, c.xmin, c.xmax, c.nbin);
    const std::string out = take_output();
    EXPECT_TRUE(has(out, std::string(c.line) + "\n"));
    EXPECT_TRUE(has(out, " Enter your choice\n"));
    EXPECT_EQ(hst_edge(1, 1), c.stored_xmin);
    EXPECT_EQ(hst_edge(c.stored_nbin + 1, 1), c.stored_xmax);
    EXPECT_EQ(blkhst8.NBINHST0[0], c.stored_nbin);
  }
}

// The x bounds (binning menu) and y bounds (y-range menu) show in 12 columns with 3
// decimals: 9999999 in magnitude is taken, 10000000 refused with a warning, the bound kept.
TEST_F(Histo, BoundsBeyondTheirMenuFieldAreRefused) {
  const char* items[] = {"200", "300", "200", "100"};  // x min, x max, y min, y max
  const std::tuple<int, const char*, float> cases[] = {
      {0, "-9999999", -9999999}, {0, "-10000000", -5}, {1, "9999999", 9999999}, {1, "10000000", 5},
      {2, "-9999999", -9999999}, {2, "10000000", -5},  {3, "9999999", 9999999}, {3, "-10000000", 5}};
  use(1);
  for (auto [k, answer, kept] : cases) {
    SCOPED_TRACE(std::to_string(k) + answer);
    binning(1, -5, 5, 10);
    float ymin = -5, ymax = 5;
    int nb = 1;
    shstyext(ymin, ymax, nb, 1);
    input(std::string(items[k]) + "\n" + answer + "\n99\n");
    if (k < 2)
      binning(1, 0, 0, 10, 1, 2);
    else
      shstyext(ymin, ymax, nb, 2);
    const float stored[] = {hst_edge(1, 1), hst_edge(11, 1), blkhst8.YMINHST0[0], blkhst8.YMAXHST0[0]};
    EXPECT_EQ(stored[k], kept);
    EXPECT_EQ(has(take_output(), " outside [ -9999999 , 9999999 ]\n ==> NO ACTION\n"), std::fabs(kept) == 5);
  }
}

TEST_F(Histo, WidthCommandSetsTheCountAndSaturates) {
  use(1);
  struct {
    const char* width;
    int nbin;
    bool adjusted;
  } const cases[] = {{"7", 12, true}, {"100", 180, false}, {"1e-30", 180, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    binning(1, 0, 90, 18);
    input("500\n-1\n" + std::string(c.width) + "\n99\n");
    binning(1, 0, 90, 18, 1, 2);
    const std::string out = take_output();
    EXPECT_TRUE(has(out, " REQUIRED interval size > 0\n"));
    EXPECT_EQ(has(out, " adjusted interval width"), c.adjusted);
    EXPECT_EQ(blkhst8.NBINHST0[0], c.nbin);
  }
  binning(1, 0, 90, 18);
  input("500\n7\n99\n");
  binning(1, 0, 90, 18, 1, 2);
  EXPECT_TRUE(has(take_output(), " adjusted interval width        7.500\n"));
  EXPECT_EQ(hst_edge(2, 1), 7.5f);
  EXPECT_EQ(hst_edge(13, 1), 90.0f);
}

TEST_F(Histo, LabelSetter) {
  use(1);
  std::string text = "N = 1234" + std::string(47, ' ');
  int on = 1, slot = 6;
  shstlabel(text, on, slot, 1, 1);
  EXPECT_EQ(hst_label(6, 1), "N = 1234" + std::string(17, ' '));
  EXPECT_EQ(blkhst8.ONLABELHST0[0][5], 1);
  // A refused slot fetches label 6 into the caller's text and opens the menu even in mode 1;
  // moving to slot 3 there stores what was shown into label 3.
  text = std::string(35, 'Z');
  slot = 9;
  input("1\n3\n99\n");
  shstlabel(text, on, slot, 1, 1);
  EXPECT_TRUE(has(take_output(), " ==> label number reset to =   6\n"));
  EXPECT_EQ(slot, 3);
  EXPECT_EQ(text, "N = 1234" + std::string(27, ' '));
  EXPECT_EQ(hst_label(3, 1), hst_label(6, 1));
}

TEST_F(Histo, FillColourIsTestedByThePlotEngineAndLeavesThePlotColour) {
  use(1);
  int col = 25;
  shstfillcolor(col, 1, 1);
  EXPECT_EQ(col, 6);  // 25 modulo 19
  EXPECT_EQ(blkhst8.IPLFLCOLHST0[0], 6);
  EXPECT_EQ(plt2blk.IFILLCOLOR, 2);
}

// Every setter over the setter modes: one row per setter.
struct SetterRow {
  const char* name;
  std::function<void(int& value, int nb, int mode)> call;
  int (*stored)();
  int bad;        // a value the setter refuses in mode 1 (0 with no test)
  int reset;      // what it becomes
  bool menu;      // the refusal opens the menu
  const char* init_line;  // written under the menu head in mode 5
  int fallback;           // what mode 5 stores
};

std::string label_text(35, ' ');
int label_slot = 2;

const SetterRow setter_rows[] = {
    {"shstnb", [](int& v, int, int m) { shstnb(v, m); }, [] { return blkhst8.NBHST; }, 13, 12, true,
     " INITIALISING NB OF HISTOGRAMS TO:   0", 0},
    {"shstxind", [](int& v, int nb, int m) { shstxind(v, nb, m); }, [] { return blkhst8.IXHST0[1]; }, 0, 2, true,
     " INITIALISING X AXIS INDEX OF HISTOGRAM NB:   2", 2},
    {"shstxbin2",
     [](int& v, int nb, int m) {
       float xmin = 0, xmax = 90;
       int nxtic = 1, nxlab = 1;
       shstxbin2(xmin, xmax, v, nxtic, nxlab, label_text, nb, m);
     },
     [] { return blkhst8.NBINHST0[1]; }, 0, 180, true, " INITIALISING X AXIS OF HISTOGRAM NB:   2", 10},
    {"shstyextype", shstyextype, [] { return blkhst8.NYEXTYPHST0[1]; }, 4, 0, false, nullptr, 0},
    {"shstyext",
     [](int& v, int nb, int m) {
       float ymin = 0, ymax = static_cast<float>(v);
       shstyext(ymin, ymax, nb, m);
       v = static_cast<int>(ymax);
     },
     [] { return static_cast<int>(blkhst8.YMAXHST0[1]); }, 0, 0, false, nullptr, 10},
    {"shstplotype", shstplotype, [] { return blkhst8.IPLTYPEHST0[1]; }, 10, 1, false, nullptr, 1},
    {"shstplotstyle", shstplotstyle, [] { return blkhst8.IPLSTYLEHST0[1]; }, 5, 11, false, nullptr, 11},
    {"shstfillcolor", shstfillcolor, [] { return blkhst8.IPLFLCOLHST0[1]; }, -3, 1, false, nullptr, 8},
    {"shstlabel", [](int& v, int nb, int m) { shstlabel(label_text, v, label_slot, nb, m); },
     [] { return blkhst8.ONLABELHST0[1][1]; }, 2, 0, true, " INITIALIZING HISTOGRAM FRAME: label", 1},
};

TEST_F(Histo, SetterModeMatrix) {
  for (const SetterRow& row : setter_rows) {
    SCOPED_TRACE(row.name);
    fresh();
    use(3);
    const int before = row.stored();
    int value = before + 1;
    row.call(value, 2, 3);  // fetch: silent, the stored value comes back unchanged
    EXPECT_EQ(take_output(), "");
    EXPECT_EQ(value, before);
    EXPECT_EQ(row.stored(), before);
    value = 7;
    row.call(value, 2, 5);  // default: silent but for the initialising line
    Lines lines = take_lines();
    EXPECT_EQ(lines.size(), row.init_line ? 4u : 0u);
    if (row.init_line) {
      EXPECT_EQ(lines.back(), row.init_line);
    }
    EXPECT_EQ(std::pair(value, row.stored()), std::pair(row.fallback, row.fallback));
    if (row.bad || row.reset) {
      value = row.bad;
      input("99\n");
      row.call(value, 2, 1);
      EXPECT_EQ(has(take_output(), " Enter your choice\n"), row.menu);
      EXPECT_EQ(value, row.reset);
      EXPECT_EQ(row.stored(), row.reset);
    }
  }
}

// A bad histogram number: no action, or one histogram added through the count menu.
TEST_F(Histo, BadHistogramNumber) {
  for (const SetterRow& row : setter_rows) {
    if (std::string(row.name) == "shstnb") continue;
    for (int nbhst : {3, 12}) {
      SCOPED_TRACE(std::string(row.name) + " with " + std::to_string(nbhst));
      fresh();
      use(nbhst);
      const bool adds = row.name == std::string("shstxind") || row.name == std::string("shstxbin2") ||
                        row.name == std::string("shstyext");
      // Marks in the slot past the last in use: a setter that takes no action leaves them.
      const int i = std::min(nbhst, max_histograms - 1);
      auto slot = [i] {
        return std::tuple(blkhst8.NYEXTYPHST0[i], blkhst8.YMAXHST0[i], blkhst8.IPLTYPEHST0[i],
                          blkhst8.IPLSTYLEHST0[i], blkhst8.IPLFLCOLHST0[i], blkhst8.ONLABELHST0[i][label_slot - 1]);
      };
      const auto marks = std::tuple(99, -5.0f, 99, 99, 99, 99);
      std::tie(blkhst8.NYEXTYPHST0[i], blkhst8.YMAXHST0[i], blkhst8.IPLTYPEHST0[i], blkhst8.IPLSTYLEHST0[i],
               blkhst8.IPLFLCOLHST0[i], blkhst8.ONLABELHST0[i][label_slot - 1]) = marks;
      int value = 1;
      input("99\n99\n99\n");
      row.call(value, nbhst + 1, 5);
      if (!adds && nbhst < max_histograms) {
        EXPECT_EQ(slot(), marks);
      }
      const std::string out = take_output();
      const std::string added = nbhst == 12 ? " ==> RESET histogram nb =  12\n" : " ==> RESET histogram nb =   4\n";
      EXPECT_TRUE(has(out, adds ? added : " ==> NO ACTION\n")) << out;
      EXPECT_EQ(blkhst8.NBHST, adds ? std::min(nbhst + 1, 12) : nbhst);
      EXPECT_EQ(has(out, " ==> RESET nb of histogram to max=  12\n"), adds && nbhst == 12);
      // The count menu, the x-axis menu of the binning setter, then the setter's own menu
      // even though the mode was odd.
      std::size_t menus = 0;
      for (std::size_t at = out.find(" Enter your choice"); at != std::string::npos;
           at = out.find(" Enter your choice", at + 1))
        ++menus;
      EXPECT_EQ(menus, adds ? (row.name == std::string("shstxbin2") ? 3u : 2u) : 0u);
    }
  }
  fresh();
  use(3);
  blkhst8.NTOTHST0[0] = 5;
  for (auto call : {+[] { hstclear(4); }, +[] { hstcompend(0); }}) {
    call();
    EXPECT_TRUE(has(take_output(), " nb is outside [   1 ,   3 ]\n ==> EXITING WITHOUT ACTION\n"));
  }
  EXPECT_EQ(blkhst8.NTOTHST0[0], 5);
  fresh();
  float xmin, xmax, ymin, ymax;
  int nb = 1;
  ghstsize(xmin, xmax, ymin, ymax, nb);  // no histogram in use: an empty box
  EXPECT_EQ(nb, 0);
  EXPECT_EQ(xmax, 10.0f);
  EXPECT_EQ(ymax, 10.0f);
}

// The application's call: switch 1, mode 2. The count cannot be changed; a histogram
// number opens its settings. Switch 3: the count can be raised, the new histogram opened.
TEST_F(Histo, GlobalMenuLeadsToTheSettingsOfEachHistogram) {
  use(3);
  binning(2, 0, 360, 36, 1, 1, "Strike azimuth of the fracture planes");
  int sw = 1;
  input("100\n0\n2\n99\n99\n");
  shstall(sw, 2);
  std::string out = take_output();
  EXPECT_EQ(count_of(out, " nb of histograms to use .......:   3\n -------------------------------------------\n"
                          " |histo nb|        X label        |command|\n"),
            4);
  EXPECT_EQ(count_of(out, " |    2   |Strike azimuth of the f|    2  |\n"), 4);
  EXPECT_EQ(count_of(out, " Histogram nb             :   2\n"), 1);
  sw = 3;
  input("100\n100\n4\n99\n4\n99\n99\n");
  shstall(sw, 2);
  out = take_output();
  EXPECT_EQ(blkhst8.NBHST, 4);
  EXPECT_EQ(count_of(out, " |    4   |X                      |    4  |\n"), 2);
  EXPECT_EQ(count_of(out, " Histogram nb             :   4\n"), 1);
}

TEST_F(Histo, SettingsMenuGatesItsCommandsByTheSwitch) {
  use(2);
  binning(2, 0, 90, 18, 2);
  int sw = 4;  // reset to 1: 100 and 300 do nothing, 310 opens the style setter
  input("100\n300\n310\n99\n99\n");
  shst1(2, sw, 0);
  std::string out = take_output();
  EXPECT_EQ(sw, 1);
  EXPECT_TRUE(has(out, " modification switch          =   4\n is outside [   0 ,   3 ]\n"));
  EXPECT_TRUE(has(out, " X axis nb .....................:   2\n x-label .....................110 Dip"));
  EXPECT_TRUE(has(out, " Type ..........................:   1\n Style .......................310  11\n"));
  EXPECT_TRUE(has(out, " | 5| 1|Dip                  .335\n"));
  EXPECT_EQ(count_of(out, " Histogram settings\n"), 4);
  EXPECT_EQ(count_of(out, "setting\n"), 1);  // the style setter's menu alone
  sw = 0;  // display only: labels of 24 characters, no command numbers
  input("110\n99\n");
  shst1(2, sw, 2);
  out = take_output();
  EXPECT_TRUE(has(out, " |nb|on|        label            \n"));
  EXPECT_TRUE(has(out, " | 5| 1|Dip                     \n"));
  EXPECT_EQ(count_of(out, "setting\n"), 0);
  // Mode 5: every attribute to its default without a dialogue; a bad number: no action.
  int style = 0;
  shstplotstyle(style, 2, 1);
  shst1(2, sw, 5);
  shst1(3, sw, 2);
  out = take_output();
  EXPECT_TRUE(has(out, " INITIALISING HISTOGRAM NB:   2\n"));
  EXPECT_EQ(blkhst8.IPLSTYLEHST0[1], 11);
  EXPECT_EQ(hst_label(5, 2), "X-Axis" + std::string(19, ' '));
  EXPECT_TRUE(has(out, " histogram nb                 =   3\n nb is outside [   1 ,   2 ]\n ==> EXITING WITHOUT ACTION\n"));
  EXPECT_EQ(count_of(out, "your choice"), 0);
}

}  // namespace
