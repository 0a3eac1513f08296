#include <gtest/gtest.h>

#include "app/format_help.h"
#include "support/console_capture.h"

namespace {

const std::string names[4] = {"Alphanumerical: 2 dips          ", "Numerical: 2 dips               ",
                               "Alphanumerical: sect+depth+2dips", "Numerical: sect+depth+2dips     "};
const std::string dash43 = " -------------------------------------------";
const std::string at50 = " " + std::string(50, '@');

class FormatHelp : public ConsoleTest {};

// All four blocks inside one frame; each current-format listing is its own block alone,
// between the same dashed lines.
TEST_F(FormatHelp, AllFourAndEachAlone) {
  kvrfmt(0, names, 4);
  std::vector<std::string> all = take_lines();
  ASSERT_EQ(all.size(), 4u + 64u + 1u);
  EXPECT_EQ(all[1], " @ subroutine kvrfmt" + std::string(16, ' ') + "v2.0 2025-03-27");
  EXPECT_EQ(all[3], " 4 AVAILABLE INPUT FORMATS:");
  EXPECT_EQ(all.back(), at50);

  const std::size_t block_size[4] = {18, 11, 21, 14};
  const std::string index_line[4] = {" Index = 1 Name : Alphanumerical: 2 dips", " Index = 2 Name : Numerical: 2 dips",
                                     " Index = 3 Name : Alphanumerical: sect+depth+2dips",
                                     " Index = 4 Name : Numerical: sect+depth+2dips"};
  std::size_t at = 4;
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    std::vector<std::string> block(all.begin() + static_cast<long>(at),
                                   all.begin() + static_cast<long>(at + block_size[k - 1]));
    at += block_size[k - 1];
    EXPECT_EQ(block[0] + block[2], dash43 + dash43);
    EXPECT_EQ(block[1], index_line[k - 1]);

    kvrfmt(k, names, 4);
    std::vector<std::string> want = {dash43, " CURRENT INPUT FORMAT:"};
    want.insert(want.end(), block.begin(), block.end());
    want.push_back(dash43);
    EXPECT_EQ(take_lines(), want);
  }
  // Examples keep their trailing blanks: one for the letter formats, none for the numerical.
  EXPECT_EQ(all[20], "   2 dips:              16 'E'  50 'N' ");
  EXPECT_EQ(all[32], "   1 dip and 1 strike :  16 180  0 200");
  EXPECT_EQ(all[53], "   1 dip and 1 strike: 2 105.6 16 'W' 200 'A' ");
  EXPECT_EQ(all[67], "   1 dip and 1 strike: 2 105.6 16 180  0 200");
  EXPECT_EQ(all[36], "  (1) Core section nb (integer) [1, 7]");
  EXPECT_EQ(all[37], "  (2) Depth within section (cm) [0, 150]");
  EXPECT_EQ(all[38], " -----------------------------------------");
}

TEST_F(FormatHelp, BadIndexIsAnErrorWithoutBlocks) {
  input("\n\n");
  kvrfmt(5, names, 4);
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[3], " ***          subroutine        kvrfmt          ***");
  std::vector<std::string> body = {" format index =   5", " out of [0,4]", " ==> NO ACTION", " ===> HIT RETURN TO CONTINUE"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 12), body);
  kvrfmt(-1, names, 4);
  EXPECT_EQ(take_lines()[8], " format index =  -1");
}

}  // namespace
