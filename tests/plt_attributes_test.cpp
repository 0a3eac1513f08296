#include <gtest/gtest.h>

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "plt_lib/attributes.h"
#include "support/console_capture.h"

namespace {

using Lines = std::vector<std::string>;

// A sending member on the line width and a colour-like member on the line colour, built
// the way the attribute setters use the common steps.
std::vector<float> sent;

const AttributeMember<float> width_member{
    .id = {"swidth", "7.1 ", "2024-10-22"},
    .field = &Plt2Blk::LINEWIDTH,
    .default_value = 0.02f,
    .check_given =
        [](float& w) {
          if (w > 0.01f && w <= 1000.0f) return;
          warninghead("swidth", "7.1 ", "2024-10-22");
          setter_real("width =", w);
          w = 0.02f;
          warningtail00();
        },
    .initialising = [](const float& w) { setter_real("INITIALISING WIDTH TO:", w); },
    .dialogue =
        [](float& w) {
          setter_dialogue_head({"swidth", "7.1 ", "2024-10-22"}, "     WIDTH");
          int istat;
          inrealdef(w, setter_question("width"), w, istat);
        },
    .send = [] { sent.push_back(plt2blk.LINEWIDTH); },
};

const AttributeMember<std::int32_t> colour_member{
    .id = {"scolour", "3.1 ", "2024-10-22"},
    .field = &Plt2Blk::LINECOLOR,
    .default_value = 1,
    .check_always =
        [](std::int32_t& c) {
          if (c >= 0 && c <= plt2blk.NBCOLOR) return;
          setter_integer("trying to set color nb =", c);
          c = 1;
        },
    .dialogue =
        [](std::int32_t& c) {
          int istat;
          inintegvindef(c, setter_question("color number"), c, 0, plt2blk.NBCOLOR, istat);
        },
    .dialogue_in_mode6 = true,
    // Codes 4 and 8 are no places: reset to 1 and offered again.
    .recheck =
        [](std::int32_t& c) {
          if (c != 4 && c != 8) return false;
          setter_integer("just =", c);
          c = 1;
          return true;
        },
};

class SetterPattern : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    plt2blk = Plt2Blk{};
    plt2blk.LINEWIDTH = 0.5f;
    plt2blk.LINECOLOR = 3;
    plt2blk.NBCOLOR = 18;
    sent.clear();
    iocom.lplotopen = false;
  }
  void TearDown() override {
    iocom.lplotopen = false;
    ConsoleTest::TearDown();
  }
};

TEST_F(SetterPattern, FetchStoreAndSendByMode) {
  iocom.lplotopen = true;
  float w = 7;
  run_attribute_setter(width_member, w, 3);
  EXPECT_EQ(w, 0.5f);
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(take_output(), "");

  w = 9;
  run_attribute_setter(width_member, w, 6);  // re-sends the stored width only
  EXPECT_EQ(w, 9.0f);
  EXPECT_EQ(sent, std::vector<float>{0.5f});
  EXPECT_EQ(take_output(), "");

  input("\n");
  w = 20000;
  run_attribute_setter(width_member, w, 1);  // rejected, reset, stored and sent
  EXPECT_EQ(w, 0.02f);
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.02f);
  EXPECT_EQ(sent.back(), 0.02f);
  EXPECT_NE(take_output().find(" width = ********\n"), std::string::npos);

  input("3.5\n");
  run_attribute_setter(width_member, w, 2);
  EXPECT_EQ(plt2blk.LINEWIDTH, 3.5f);
  EXPECT_EQ(sent.back(), 3.5f);
  take_output();

  iocom.lplotopen = false;
  run_attribute_setter(width_member, w, 5);
  EXPECT_EQ(w, 0.02f);
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.02f);
  EXPECT_EQ(sent.size(), 3u);
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 4u);  // menu head and the line, no closing line
  EXPECT_EQ(lines[3], " INITIALISING WIDTH TO:    0.020");
}

TEST_F(SetterPattern, RefusedModesAndPropagationWithTheFileClosed) {
  for (int mode : {8, -1}) {
    float w = 4;
    input("\n");
    run_attribute_setter(width_member, w, mode);
    EXPECT_EQ(w, 4.0f);
    Lines lines = take_lines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
              (Lines{" inter =" + std::string(mode == 8 ? "      8" : "     -1"), " Accepted range = [0,7]",
                     " ===> NO ACTION"}));
  }
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.5f);

  std::int32_t c = 40;
  input("\n");
  run_attribute_setter(colour_member, c, 7);  // colour check first, then the warning
  EXPECT_EQ(c, 1);
  EXPECT_EQ(plt2blk.LINECOLOR, 3);
  Lines want = {" trying to set color nb =     40", " //////////////////////////////////////////////////",
                " ///          subroutine       scolour          ///", " ///                  WARNING                   ///",
                " //////////////////////////////////////////////////", " TRYING TO PROPAGATE PLOT ATTRIBUTE",
                "  WITH CLOSED PLOT FILE", " ===> NO ACTION"};
  Lines lines = take_lines();
  ASSERT_GE(lines.size(), want.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 8), want);
}

TEST_F(SetterPattern, DialogueAnswersAndRechecks) {
  std::int32_t c = 5;
  iocom.lplotopen = true;
  input("\n");
  run_attribute_setter(colour_member, c, 6);  // asks, keeps the answer, stores nothing
  EXPECT_EQ(c, 5);
  EXPECT_EQ(plt2blk.LINECOLOR, 3);

  input("8\n\n");  // 8 is reset to 1, which the second dialogue offers and keeps
  run_attribute_setter(colour_member, c, 0);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(plt2blk.LINECOLOR, 1);
  std::string text = take_output();
  EXPECT_NE(text.find(" just =      8\n"), std::string::npos);
  EXPECT_NE(text.find(" Default =            1\n"), std::string::npos);

  c = 4;
  run_attribute_setter(colour_member, c, 1);  // without a dialogue the reset value passes
  EXPECT_EQ(plt2blk.LINECOLOR, 1);
}

}  // namespace
