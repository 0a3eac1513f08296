#include <gtest/gtest.h>

#include "gral_lib/console_preferences.h"
#include "gral_lib/frames.h"
#include "gral_lib/pictures.h"
#include "support/console_capture.h"

namespace {

class Pictures : public ConsoleTest {};

TEST_F(Pictures, EveryLineAtItsIndentAndFullWidth) {
  struct Case {
    void (*draw)();
    const char* name;
    std::size_t count, width, indent;
  };
  const Case cases[] = {
      {carmag33, "carmag33", 7, 13, 19},     {endfun1, "endfun1", 8, 44, 4},
      {graben, "graben", 8, 40, 6},          {happyface, "happyface", 18, 36, 8},
      {horst, "horst", 8, 40, 6},            {sator, "sator", 5, 9, 21},
      {tetrakis, "tetrakis", 4, 13, 19},     {tetratemple1, "tetratemple1", 12, 21, 15},
      {tetratemple2, "tetratemple2", 16, 26, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.draw();
    std::vector<std::string> lines = take_lines();
    ASSERT_EQ(lines.size(), c.count + 2);
    EXPECT_EQ(lines.front(), "  ");
    EXPECT_EQ(lines.back(), "  ");
    for (std::size_t i = 1; i <= c.count; ++i) {
      EXPECT_EQ(lines[i].size(), c.indent + c.width) << "line " << i;
      EXPECT_GE(lines[i].find_first_not_of(' '), c.indent) << "line " << i;
    }
  }
}

TEST_F(Pictures, SampleLinesExactly) {
  tetrakis();
  EXPECT_EQ(take_lines()[1], std::string(19, ' ') + "      O      ");
  endfun1();
  std::vector<std::string> lines = take_lines();
  EXPECT_EQ(lines[2], std::string(4, ' ') + R"(       \|/       @~/ ,. \~@   o' \,=./ `o   )");
  EXPECT_EQ(lines[6], std::string(4, ' ') + "|            THAT'S ALL FOLKS !            |");
  tetratemple2();
  EXPECT_EQ(take_lines()[11], std::string(13, ' ') + "    | |   | |   | | ||===/");

  // The happy face differs from the sad face in its mouth only.
  happyface();
  std::vector<std::string> happy = take_lines();
  sorryface();
  std::vector<std::string> sorry = take_lines();
  ASSERT_EQ(happy.size(), sorry.size());
  for (std::size_t i = 0; i < happy.size(); ++i) {
    if (i == 12 || i == 14)
      EXPECT_NE(happy[i], sorry[i]);
    else
      EXPECT_EQ(happy[i], sorry[i]);
  }
  EXPECT_EQ(happy[14], std::string(8, ' ') + "  &&        &&&&&&&&&&&&        &&  ");
}

TEST(ConsolePreferences, FixedValues) {
  EXPECT_EQ(getStackSize(), 33554432);
  EXPECT_EQ(getMdiMode(), 0);
  EXPECT_EQ(getShowMaximized(), 0);
  EXPECT_EQ(getMainWindowWidth(), 340);
  EXPECT_EQ(getMainWindowHeight(), 700);
  EXPECT_EQ(getMdiTextWindowWidth(), 255);
  EXPECT_EQ(getMdiTextWindowHeight(), 525);
  EXPECT_EQ(defaultFontSize(), 10);
  EXPECT_EQ(autoSave(), 0);
  EXPECT_EQ(closeOnProgramFinish(), 1);
  EXPECT_EQ(promptSaveOnExit(), 1);
  EXPECT_EQ(showDefaultOutputWindow(), 1);
  std::string font(10, 'x'), short_font(4, 'x');
  defaultFontFamily(font);
  defaultFontFamily(short_font);
  EXPECT_EQ(font, "Monaco    ");
  EXPECT_EQ(short_font, "Mona");
}

}  // namespace
