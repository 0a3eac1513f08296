#include <gtest/gtest.h>

#include "gral_lib/console_preferences.h"
#include "gral_lib/pictures.h"
#include "support/console_capture.h"

namespace {

class Pictures : public ConsoleTest {};

TEST_F(Pictures, EveryLineAtItsIndentAndFullWidth) {
  struct Case {
    void (*draw)();
    std::size_t count, width, indent;
  };
  const Case cases[] = {{carmag33, 7, 13, 19},  {endfun1, 8, 44, 4},       {graben, 8, 40, 6},
                        {happyface, 18, 36, 8}, {horst, 8, 40, 6},         {sator, 5, 9, 21},
                        {tetrakis, 4, 13, 19},  {tetratemple1, 12, 21, 15}, {tetratemple2, 16, 26, 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    c.draw();
    std::vector<std::string> lines = take_lines();
    ASSERT_EQ(lines.size(), c.count + 2);
    EXPECT_EQ(lines.front() + lines.back(), "    ");
    for (std::size_t i = 1; i <= c.count; ++i) {
      EXPECT_EQ(lines[i].size(), c.indent + c.width) << "line " << i;
      EXPECT_GE(lines[i].find_first_not_of(' '), c.indent) << "line " << i;
    }
  }
  tetrakis();
  EXPECT_EQ(take_lines()[1], std::string(19, ' ') + "      O      ");
}

TEST(ConsolePreferences, FixedValues) {
  EXPECT_EQ(getStackSize(), 33554432);
  EXPECT_EQ(getMdiMode() + getShowMaximized() + autoSave(), 0);
  EXPECT_EQ(getMainWindowWidth(), 340);
  EXPECT_EQ(getMainWindowHeight(), 700);
  EXPECT_EQ(getMdiTextWindowWidth(), 255);
  EXPECT_EQ(getMdiTextWindowHeight(), 525);
  EXPECT_EQ(defaultFontSize(), 10);
  EXPECT_EQ(closeOnProgramFinish() + promptSaveOnExit() + showDefaultOutputWindow(), 3);
  std::string font(10, 'x'), short_font(4, 'x');
  defaultFontFamily(font);
  defaultFontFamily(short_font);
  EXPECT_EQ(font + "|" + short_font, "Monaco    |Mona");
}

}  // namespace
