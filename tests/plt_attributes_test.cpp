#include <gtest/gtest.h>

#include "gral_lib/console.h"
#include "gral_lib/prompts.h"
#include "plt_lib/attributes.h"
#include "support/console_capture.h"

namespace {

using Lines = std::vector<std::string>;

// A sending member on the line width, built as the attribute setters use the common steps;
// its check after the dialogue takes 4 for a place that does not exist and resets it to 1.
std::vector<float> sent;

const AttributeMember<float> width_member{
    .id = {"swidth", "7.1 ", "2024-10-22"},
    .field = &Plt2Blk::LINEWIDTH,
    .default_value = 0.02f,
    .check_given = [](float& w) { w = w > 1000.0f ? 0.02f : w; },
    .initialising = [](const float& w) { setter_real("INITIALISING WIDTH TO:", w); },
    .dialogue = [](float& w) {
      int istat;
      inrealdef(w, setter_question("width"), w, istat);
    },
    .recheck = [](float& w) { return w == 4.0f ? (w = 1.0f, true) : false; },
    .send = [] { sent.push_back(plt2blk.LINEWIDTH); },
};

class SetterSteps : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    plt2blk = Plt2Blk{};
    plt2blk.LINEWIDTH = 0.5f;
    sent.clear();
    iocom.lplotopen = true;
  }
  void TearDown() override {
    iocom.lplotopen = false;
    ConsoleTest::TearDown();
  }
};

TEST_F(SetterSteps, FetchStoreAndSendByMode) {
  float w = 7;
  run_attribute_setter(width_member, w, 3);  // fetch only
  EXPECT_EQ(w, 0.5f);
  w = 9;
  run_attribute_setter(width_member, w, 6);  // re-sends the stored value only
  EXPECT_EQ(w, 9.0f);
  EXPECT_EQ(take_output(), "");
  w = 2000;
  run_attribute_setter(width_member, w, 1);  // rejected: reset, stored, returned, sent
  EXPECT_EQ(w, 0.02f);
  input("4\n\n");  // 4 is reset to 1, which the dialogue offers again and keeps
  run_attribute_setter(width_member, w, 2);
  EXPECT_EQ(w, 1.0f);
  EXPECT_EQ(sent, (std::vector<float>{0.5f, 0.02f, 1.0f}));
  take_output();

  iocom.lplotopen = false;
  run_attribute_setter(width_member, w, 5);
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.02f);
  EXPECT_EQ(sent.size(), 3u);
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 4u);  // the menu head and the line, no closing line
  EXPECT_EQ(lines[3], " INITIALISING WIDTH TO:    0.020");
}

TEST_F(SetterSteps, RefusedModesAndPropagationWithTheFileClosed) {
  iocom.lplotopen = false;
  float w = 4;
  input("\n\n\n");
  run_attribute_setter(width_member, w, 8);
  run_attribute_setter(width_member, w, -1);
  run_attribute_setter(width_member, w, 7);
  EXPECT_EQ(w, 4.0f);
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.5f);
  EXPECT_TRUE(sent.empty());
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[1], " ///          subroutine        swidth          ///");
  EXPECT_EQ(Lines(lines.begin() + 15, lines.begin() + 18),
            (Lines{" inter =     -1", " Accepted range = [0,7]", " ===> NO ACTION"}));
  EXPECT_EQ(Lines(lines.begin() + 26, lines.begin() + 29),
            (Lines{" TRYING TO PROPAGATE PLOT ATTRIBUTE", "  WITH CLOSED PLOT FILE", " ===> NO ACTION"}));
}

}  // namespace
