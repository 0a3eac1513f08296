#include <gtest/gtest.h>

#include "app/format_help.h"
#include "support/console_capture.h"

namespace {

const std::string names[4] = {"Alphanumerical: 2 dips          ", "Numerical: 2 dips               ",
                               "Alphanumerical: sect+depth+2dips", "Numerical: sect+depth+2dips     "};
const std::string dash43 = " -------------------------------------------";
const std::string dash41 = " -----------------------------------------";

// The lines of format k's block, after its head.
std::vector<std::string> block(int k) {
  switch (k) {
    case 1:
      return {" case 2 dips :", "  (1) 1st apparent dip  [0, 90]", "  (2) 1st dip direction ('E','W','N','S')",
              "  (3) 2nd apparent dip  [0, 90]", "  (4) 2nd dip direction ('E','W','N','S')", dash41,
              " case 1 dip and 1 strike :", "  (1) 1st apparent dip  [0, 90]",
              "  (2) 1st dip direction ('E','W','N','S')", "  (3) strike value      [-360, +360]",
              "  (4) strike indicator  ('A')", dash41, " Examples :", "   2 dips:              16 'E'  50 'N' ",
              "   1 dip and 1 strike:  16 'W' 200 'A' "};
    case 2:
      return {"  (1) 1st apparent dip  [0, 90]", "  (2) 1st dip direction [-360, +360]",
              "  (3) 2nd apparent dip  [0, 90]", "  (4) 2nd dip direction [-360, +360]", dash41, " Examples :",
              "   2 dips :              16  90 50   0", "   1 dip and 1 strike :  16 180  0 200"};
    case 3:
      return {"  (1) Core section nb (integer) [1, 7]", "  (2) Depth within section (cm) [0, 150]", dash41,
              " case 2 dips :", "  (3) 1st apparent dip  [0, 90]", "  (4) 1st dip direction ('E','W','N','S')",
              "  (5) 2nd apparent dip  [0, 90]", "  (6) 2nd dip direction ('E','W','N','S')", dash41,
              " case 1 dip and 1 strike :", "  (3) 1st apparent dip  [0, 90]",
              "  (4) 1st dip direction ('E','W','N','S')", "  (5) strike value      [-360, +360]",
              "  (6) strike indicator  ('A')", dash41, " Examples :", "   2 dips:             2 105.6 16 'E'  50 'N' ",
              "   1 dip and 1 strike: 2 105.6 16 'W' 200 'A' "};
    default:
      return {"  (1) Core section nb (integer) [1, 7]", "  (2) Depth within section (cm) [0, 150]", dash41,
              "  (3) 1st apparent dip  [0, 90]", "  (4) 1st dip direction [-360, +360]",
              "  (5) 2nd apparent dip  [0, 90]", "  (6) 2nd dip direction [-360, +360]", dash41, " Examples :",
              "   2 dips:             2 105.6 16  90 50   0", "   1 dip and 1 strike: 2 105.6 16 180  0 200"};
  }
}

const std::string index_lines[4] = {" Index = 1 Name : Alphanumerical: 2 dips", " Index = 2 Name : Numerical: 2 dips",
                                    " Index = 3 Name : Alphanumerical: sect+depth+2dips",
                                    " Index = 4 Name : Numerical: sect+depth+2dips"};

void add_block(std::vector<std::string>& v, int k) {
  v.push_back(dash43);
  v.push_back(index_lines[k - 1]);
  v.push_back(dash43);
  std::vector<std::string> b = block(k);
  v.insert(v.end(), b.begin(), b.end());
}

class FormatHelp : public ConsoleTest {};

TEST_F(FormatHelp, AllFourInsideOneFrame) {
  kvrfmt(0, names, 4);
  std::vector<std::string> want = {" " + std::string(50, '@'),
                                   " @ subroutine kvrfmt" + std::string(16, ' ') + "v2.0 2025-03-27",
                                   " @" + std::string(49, '='), " 4 AVAILABLE INPUT FORMATS:"};
  for (int k = 1; k <= 4; ++k) add_block(want, k);
  want.push_back(" " + std::string(50, '@'));
  EXPECT_EQ(take_lines(), want);
}

TEST_F(FormatHelp, CurrentFormatAlone) {
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    kvrfmt(k, names, 4);
    std::vector<std::string> want = {dash43, " CURRENT INPUT FORMAT:"};
    add_block(want, k);
    want.push_back(dash43);
    EXPECT_EQ(take_lines(), want);
  }
}

TEST_F(FormatHelp, BadIndexIsAnErrorWithoutBlocks) {
  input("\n\n");
  kvrfmt(5, names, 4);
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[3], " ***          subroutine        kvrfmt          ***");
  EXPECT_EQ(lines[8], " format index =   5");
  EXPECT_EQ(lines[9], " out of [0,4]");
  EXPECT_EQ(lines[10], " ==> NO ACTION");
  EXPECT_EQ(lines[11], " ===> HIT RETURN TO CONTINUE");
  kvrfmt(-1, names, 4);
  EXPECT_EQ(take_lines()[8], " format index =  -1");
}

}  // namespace
