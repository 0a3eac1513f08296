// The captions at the top of a plot page, read back from the plot file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gral_lib/console.h"
#include "plt_lib/textattributes.h"
#include "runinfo_lib/captions.h"
#include "runinfo_lib/runinfo.h"
#include "support/fake_platform.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class Captions : public PlotTest {
 protected:
  // The texts of the run-information block (drawn left-justified, blanks trimmed) and the
  // heights of their lines in points.
  Lines block(std::vector<float>* heights = nullptr) {
    open_plot();
    int just = -1;
    stextalign(just, 1);
    cmplotruninfo2(10.5f, 27.5f);
    Lines texts;
    float y = 0.0f;
    for (const std::string& l : drawing(close_plot())) {
      if (l.ends_with(" moveto")) y = std::stof(l.substr(l.find_first_not_of(' ', l.find(' ', 1))));
      if (!l.starts_with("(") || !l.ends_with(") show")) continue;
      texts.push_back(l.substr(1, l.size() - 7));
      if (heights) heights->push_back(y);
    }
    return texts;
  }
  FakePlatform fake;
};

TEST_F(Captions, RunInformationBlock) {
  smaininfo2("kelvorastrim", "5.1", "2025-04-17");
  scmndinfo(1000);
  iocom.lpause = false;
  const std::string run = "Run on 2025-04-05 at 09:07:03", by = "by geologist on corelab",
                    sys = "System : Linux_10.15.7 Core i5-8259U CPU @ 2.30GHz", chain = "kelvorastrim_5.1";
  const Lines by_code[] = {{run, by, sys, chain + " Command = 1000"},
                           {run, by, sys, chain},
                           {run, sys, chain + " Command = 1000"},
                           {run, sys, chain}};
  for (int code = 0; code <= 3; ++code) {
    int c = code;
    swpinfo(c, 1);
    std::vector<float> y;
    EXPECT_EQ(block(&y), by_code[code]) << code;
    // Half the 0.5 cm text height, 1.5 half heights apart; the height in force after it.
    EXPECT_NEAR(y[0] - y[1], 0.375f * 28.35f, 0.02f);
    float h = 0.0f;
    stextsize(h, 3);
    EXPECT_FLOAT_EQ(h, 0.5f);
  }

  // A chain of 55 characters leaves the command a line of its own; with a fourth level the
  // third and " -> x" just fit 60 characters; with no level an error line stands instead.
  int code = 2;
  swpinfo(code, 1);
  runinfo3com.ROUTNAME[1] = "abcdefghijklmnopqrst";
  runinfo3com.ROUTVERS[1] = "1.0 ";
  runinfo3com.ROUTNAME[2] = "uvw                 ";
  runinfo3com.ROUTVERS[2] = "2.0 ";
  const std::pair<int, Lines> levels[] = {
      {3, {run, sys, "kelvorastrim_5.1 -> abcdefghijklmnopqrst_1.0 -> uvw_2.0", "Command = 1000"}},
      {4, {run, sys, "kelvorastrim_5.1 -> abcdefghijklmnopqrst_1.0 -> uvw_2.0 -> x", "Command = 1000"}},
      {0, {run, sys, "*** program information ERROR : routine level < 1 ***"}}};
  for (const auto& [level, want] : levels) {
    runinfo3com.ROUTLEVEL = level;
    EXPECT_EQ(block(), want) << level;
  }
}

}  // namespace
