#include <gtest/gtest.h>

#include <cmath>

#include "gral_lib/console.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "support/console_capture.h"

namespace {

const std::string dots = " ..........................................";

class Prompts : public ConsoleTest {
 protected:
  // Counts the error frames in the output (each has one "ERROR END" line).
  static int frames(const std::string& text) {
    int n = 0;
    for (std::size_t p = text.find("ERROR END"); p != std::string::npos; p = text.find("ERROR END", p + 1)) ++n;
    return n;
  }
};

TEST_F(Prompts, IntegerDefaultTranscript) {
  int v = 7, st = -1;
  input("\n");
  inintegdef(v, "  number of bins ", v, st);
  EXPECT_EQ(st, 0);
  EXPECT_EQ(v, 7);
  std::vector<std::string> want = {dots, " Enter number of bins", " or return for default value",
                                   " Default =            7", " New value =             7", dots};
  EXPECT_EQ(take_lines(), want);

  input(" 42\n");  // a leading blank makes the answer empty
  inintegdef(v, "n", v, st);
  EXPECT_EQ(v, 7);
  input("12, 13\n");
  inintegdef(v, "n", v, st);
  EXPECT_EQ(v, 12);
  take_output();
}

TEST_F(Prompts, UnreadableAnswersAreReportedAndAskedAgain) {
  int v = 1, st;
  input("12abc\n\n4\n");
  inintegdef(v, "count", v, st);
  EXPECT_EQ(v, 4);
  std::string text = take_output();
  EXPECT_EQ(frames(text), 1);
  EXPECT_NE(text.find("          subroutine   inintegdef           ***\n"), std::string::npos);
  EXPECT_NE(text.find("\n could not read count\n ==> RETRYING\n ===> HIT RETURN TO CONTINUE\n"), std::string::npos);

  float r = 2.5f;
  input("nan\n\ninf\n\n0x10\n\n1e39\n\n1.5\n");
  inrealdef(r, "value", r, st);
  EXPECT_FLOAT_EQ(r, 1.5f);
  EXPECT_EQ(frames(take_output()), 4);

  input("1234567890123456789012345\n\n77\n");  // read from its first 20 characters: too large
  inintegdef(v, "n", v, st);
  EXPECT_EQ(v, 77);
  EXPECT_EQ(frames(take_output()), 1);
}

TEST_F(Prompts, RangeRefusalOffersTheRejectedValueAsDefault) {
  int v = 5, st;
  input("200\n\n\n\n180\n");
  inintegvindef(v, "nb of bins", v, 1, 180, st);
  EXPECT_EQ(v, 180);
  std::vector<std::string> lines = take_lines();
  std::vector<std::string> first = {dots, " Enter nb of bins", " inside  [1,180]", " or return for default value",
                                    " Default =            5"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), first);
  std::string text;
  for (auto& l : lines) text += l + "\n";
  EXPECT_NE(text.find(" nb of bins =          200\n outside [1,180]\n"), std::string::npos);
  EXPECT_NE(text.find(" Default =          200\n"), std::string::npos);
  EXPECT_EQ(frames(text), 2);  // 200 typed, then 200 again as the default
  EXPECT_NE(text.find(" New value =           180\n"), std::string::npos);

  input("1\n");  // the bounds are inside
  inintegvindef(v, "n", v, 1, 180, st);
  EXPECT_EQ(v, 1);
  take_output();
  v = -12;
  input("-1000000\n");
  inintegvindef(v, "n", v, -1000000, 999999, st);
  EXPECT_EQ(take_lines()[2], " inside  [-1000000, 999999]");  // integlen counts 7 for 999999
}

TEST_F(Prompts, IntegerWithoutDefaultPassesOverEmptyLines) {
  int v = 0, st;
  input("\n   \n  33 44\n");
  ininteg1(v, "number", st);
  EXPECT_EQ(v, 33);
  std::vector<std::string> want = {dots, " Enter number", " New value =            33", dots};
  EXPECT_EQ(take_lines(), want);
  input("x\n\n0\n\n5\n");
  inintegvin1(v, "n", 1, 9, st);
  EXPECT_EQ(v, 5);
  EXPECT_EQ(frames(take_output()), 2);
}

TEST_F(Prompts, RealRangeLinesByMagnitude) {
  float r = 1.0f;
  int st;
  input("\n");
  inrealvindef(r, "size", r, 0.5f, 5.0f, st);
  std::vector<std::string> l = take_lines();
  EXPECT_EQ(l[2], " inside  [ 0.500, 5.000]");
  EXPECT_EQ(l[4], " Default =  1.000");
  EXPECT_EQ(l[5], " New value =   1.00000    ");
  input("\n");
  r = 50.0f;
  inrealvindef(r, "percent", r, 0.0f, 100.0f, st);
  l = take_lines();
  EXPECT_EQ(l[2], " inside  [   0.00, 100.00]");
  EXPECT_EQ(l[4], " Default =   50.00");
  input("2000\n\n\n\n1000\n");
  r = 1.0f;
  inrealvindef(r, "height", r, 0.01f, 1000.0f, st);
  std::string text = take_output();
  EXPECT_NE(text.find(" inside  [      0.0,   1000.0]\n"), std::string::npos);
  EXPECT_NE(text.find(" height =  2000.00    \n outside [      0.0,   1000.0]\n"), std::string::npos);
  // asked again with the rejected value as default, which an empty answer cannot pass
  EXPECT_NE(text.find(" Default =              0.2E+04\n"), std::string::npos);
  EXPECT_EQ(frames(text), 2);
  EXPECT_FLOAT_EQ(r, 1000.0f);
}

TEST_F(Prompts, OutputLevelOffShowsOnlyQuestionRangeAndEcho) {
  iocom.LWITO[1] = false;
  int v = 3, st;
  input("\n");
  inintegvindef(v, "n", v, 1, 9, st);
  std::vector<std::string> want = {" Enter n", " inside  [1,9]", " New value =             3"};
  EXPECT_EQ(take_lines(), want);
  std::string c(4, 'x');
  input("\n");
  inchardef(c, "name", c, st);
  want = {" Enter name", " ichar =  32 => use default value", " New value = xxxx"};
  EXPECT_EQ(take_lines(), want);
  bool b = true;
  input("n\n");
  inlogicdef(b, "go on", b, st);
  want = {" go on ?", " New value =  No "};
  EXPECT_EQ(take_lines(), want);
  input("y\n");
  inlogicdef2(b, "again", b, 5, 6, st);
  EXPECT_EQ(take_lines().size(), 7u);  // inlogicdef2 writes every line whatever the level
}

TEST_F(Prompts, TextPrompts) {
  std::string c(6, ' ');
  int st;
  input("abcdefghij\n");
  inchardef(c, " file ", "dflt", st);
  EXPECT_EQ(c, "abcdef");
  std::vector<std::string> want = {dots, " Enter file", " or return for default value", " Default = dflt",
                                   " New value = abcdef", dots};
  EXPECT_EQ(take_lines(), want);
  std::string d(3, 'q');
  input("\n");
  inchar1(d, "wait", st);
  EXPECT_EQ(d, "   ");  // an empty line is an answer
  std::string long_answer(100, 'z');
  std::string e(90, ' ');
  input(long_answer + "\n");
  inchardef(e, "x", e, st);
  EXPECT_EQ(e, std::string(80, 'z') + std::string(10, ' '));  // only 80 characters are taken
  take_output();
}

TEST_F(Prompts, YesNoJudgedByFirstCharacterWithHelp) {
  bool b = false;
  int st;
  input("yes please\n");
  inlogicdef(b, "ok", b, st);
  EXPECT_TRUE(b);
  std::vector<std::string> want = {dots, " ok ?", " Enter (0/1)(n/y)(N/Y) to answer",
                                   " or return for default value or h for help", " Default = No ",
                                   " New value =  Yes", dots};
  EXPECT_EQ(take_lines(), want);
  input("help\nq\n\nN\n");
  inlogicdef(b, "ok", b, st);
  EXPECT_FALSE(b);
  std::string text = take_output();
  EXPECT_EQ(frames(text), 1);
  EXPECT_NE(text.find(" incorrect answer: q\n ==> ASKING AGAIN\n"), std::string::npos);
  // help after "help" and again after the incorrect answer
  std::size_t h1 = text.find(" answer Yes    y or Y or 1    \n");
  ASSERT_NE(h1, std::string::npos);
  EXPECT_NE(text.find(" answer Yes    y or Y or 1    \n", h1 + 1), std::string::npos);
  EXPECT_NE(text.find("@ subroutine inlogicdef "), std::string::npos);
}

TEST_F(Prompts, EndOfInputAtAnyPromptStops) {
  int v = 0, st;
  float r = 0;
  bool b = false;
  std::string c(3, ' ');
  auto stops = [&](auto&& ask) {
    input("");
    try {
      ask();
    } catch (const ProgramStop& s) {
      return s.status != 0;
    }
    return false;
  };
  EXPECT_TRUE(stops([&] { inintegdef(v, "a", v, st); }));
  EXPECT_TRUE(stops([&] { ininteg1(v, "a", st); }));
  EXPECT_TRUE(stops([&] { inintegvin1(v, "a", 1, 2, st); }));
  EXPECT_TRUE(stops([&] { inrealvindef(r, "a", r, 0, 1, st); }));
  EXPECT_TRUE(stops([&] { inchardef(c, "a", c, st); }));
  EXPECT_TRUE(stops([&] { inchar1(c, "a", st); }));
  EXPECT_TRUE(stops([&] { inlogicdef(b, "a", b, st); }));
  EXPECT_TRUE(stops([&] { inlogicdef2(b, "a", b, 5, 6, st); }));
  // an answer line that runs out in the middle of an integer read on the console
  input("\n\n");
  try {
    ininteg1(v, "a", st);
    FAIL();
  } catch (const ProgramStop&) {
  }
}

}  // namespace
