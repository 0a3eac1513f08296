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

struct Drawn {
  std::string text;
  float y;  // points
};

class Captions : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    smaininfo2("kelvorastrim", "5.1", "2025-04-17");
    scmndinfo(1000);
    iocom.lpause = false;
    take_output();
  }
  // Draws with left justification (texts trimmed) and gives back each text with the height
  // of its line.
  std::vector<Drawn> drawn(void (*draw)()) {
    open_plot();
    int just = -1;
    stextalign(just, 1);
    draw();
    console_ = take_output();
    std::vector<Drawn> texts;
    float y = 0.0f;
    for (const std::string& l : drawing(close_plot())) {
      if (l.ends_with(" moveto")) y = std::stof(l.substr(l.find_first_not_of(' ', l.find(' ', 1))));
      if (l.starts_with("(") && l.ends_with(") show")) texts.push_back({l.substr(1, l.size() - 7), y});
    }
    return texts;
  }
  static std::vector<std::string> texts(const std::vector<Drawn>& d) {
    std::vector<std::string> t;
    for (const Drawn& x : d) t.push_back(x.text);
    return t;
  }
  FakePlatform fake;
  std::string console_;  // what the drawing wrote on the console
};

const std::string run_on = "Run on 2025-04-05 at 09:07:03", by = "by geologist on corelab",
                  sys = "System : Linux_10.15.7 Core i5-8259U CPU @ 2.30GHz";

TEST_F(Captions, RunInformationByCode) {
  const std::vector<Lines> want = {
      {run_on, by, sys, "kelvorastrim_5.1 Command = 1000"},
      {run_on, by, sys, "kelvorastrim_5.1"},
      {run_on, sys, "kelvorastrim_5.1 Command = 1000"},
      {run_on, sys, "kelvorastrim_5.1"},
  };
  for (int code = 0; code <= 3; ++code) {
    int c = code;
    swpinfo(c, 1);
    std::vector<Drawn> d = drawn([] { cmplotruninfo2(10.5f, 27.5f); });
    EXPECT_EQ(texts(d), want[static_cast<std::size_t>(code)]) << code;
    // Half of the 0.5 cm text height in force, 1.5 half heights apart, and that height after.
    ASSERT_GE(d.size(), 3u);
    EXPECT_NEAR(d[0].y - d[1].y, 0.375f * 28.35f, 0.02f);
    float h = 0.0f;
    stextsize(h, 3);
    EXPECT_FLOAT_EQ(h, 0.5f);
  }
}

TEST_F(Captions, RoutineChainWrapsAtSixtyCharacters) {
  int code = 2;
  swpinfo(code, 1);
  runinfo3com.ROUTNAME[1] = "abcdefghijklmnopqrst";
  runinfo3com.ROUTVERS[1] = "1.0 ";
  runinfo3com.ROUTNAME[2] = "uvw                 ";
  runinfo3com.ROUTVERS[2] = "2.0 ";
  // Three levels: a chain of 55 characters, the command on a line of its own.
  runinfo3com.ROUTLEVEL = 3;
  Lines t = texts(drawn([] { cmplotruninfo2(10.5f, 27.5f); }));
  EXPECT_EQ(Lines(t.begin() + 2, t.end()),
            Lines({"kelvorastrim_5.1 -> abcdefghijklmnopqrst_1.0 -> uvw_2.0", "Command = 1000"}));
  // Four levels: the third and " -> x" just fit the 60 characters, with a warning.
  runinfo3com.ROUTLEVEL = 4;
  t = texts(drawn([] { cmplotruninfo2(10.5f, 27.5f); }));
  EXPECT_EQ(t[2], "kelvorastrim_5.1 -> abcdefghijklmnopqrst_1.0 -> uvw_2.0 -> x");
  EXPECT_NE(console_.find(" Current subroutine level     =    4\n Information only up to level =    3\n"),
            std::string::npos);
  // No level: an error frame and its line instead of the chain.
  runinfo3com.ROUTLEVEL = 0;
  t = texts(drawn([] { cmplotruninfo2(10.5f, 27.5f); }));
  EXPECT_EQ(Lines(t.begin() + 2, t.end()), Lines{"*** program information ERROR : routine level < 1 ***"});
  EXPECT_NE(console_.find(" Current routine level =    0\n Can store up to level =    3\n => No program information\n"),
            std::string::npos);
}

TEST_F(Captions, CaptionLinesStepDownTheBlock) {
  std::vector<Drawn> d = drawn([] {
    cmplotcharinfo2("first line                ", 1, 2.0f, 27.5f, 1);
    cmplotcharinfo2("fifth line", 5, 2.0f, 27.5f, 1);
  });
  ASSERT_EQ(texts(d), Lines({"first line", "fifth line"}));
  EXPECT_NEAR(d[0].y, 27.5f * 28.35f, 0.02f);
  EXPECT_NEAR(d[1].y, 26.0f * 28.35f, 0.02f);
}

}  // namespace
