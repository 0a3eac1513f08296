#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "plt_lib/attributes.h"
#include "plt_lib/colortable.h"
#include "plt_lib/draw.h"
#include "plt_lib/linefill.h"
#include "plt_lib/subplots.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

bool contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int count_containing(const Lines& lines, const std::string& part) {
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

// Lines from the first one equal to first, n of them.
Lines from(const Lines& lines, const std::string& first, std::size_t n) {
  auto it = std::find(lines.begin(), lines.end(), first);
  if (lines.end() - it < static_cast<std::ptrdiff_t>(n)) return {"<not found: " + first + ">"};
  return Lines(it, it + static_cast<std::ptrdiff_t>(n));
}

void write_file(const std::string& name, const std::string& text) { std::ofstream(name) << text; }

class ColourTable : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    iocom.lpause = false;
  }
  // Reads a colour-table file through the menu and returns the console lines.
  Lines read_file(const std::string& name, const std::string& text) {
    write_file(name, text);
    input("300\n" + name + "\n99\n");
    scolortable(2);
    return take_lines();
  }
  void draw_line_text_and_polygon() {
    float x[] = {1, 5, 5}, y[] = {1, 1, 5};
    cmline(x, y, 3);
    uspolygon(x, y, 3);
    cmtext2(2, 2, "text");
  }
};

TEST_F(ColourTable, MenuListsTheDefaultTable) {
  input("\n");
  scolortable(6);
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 34u + 6u);  // the menu and the question
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 10),
            (Lines{" SETTING COLOR TABLE", " -------------------------------------------", " Current nb of colors:   18",
                   " -------------------------------------------", " |index|      name|   red% | green% |  blue% |",
                   " |   0 |  White-bk|  100.0 |  100.0 |  100.0 |", " |   1 |  Black   |    0.0 |    0.0 |    0.0 |"}));
  EXPECT_EQ(lines[22], " |  14 |  Chartreu|   50.0 |  100.0 |    0.0 |");
  EXPECT_EQ(lines[26], " |  18 |  Rose    |  100.0 |    0.0 |   50.0 |");
  EXPECT_EQ(Lines(lines.begin() + 27, lines.begin() + 34),
            (Lines{" -------------------------------------------", " change nb of colors ..........100   18",
                   " set 1 rgb color ..............200", " read color table from file ...300",
                   " -------------------------------------------", " EXIT ..........................99",
                   " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"}));

  scolortable(7);
  scolortable(-1);
  EXPECT_EQ(take_output(), "");
}

TEST_F(ColourTable, OneColourMakesABlackAndWhitePlot) {
  input("100\n10\n1\n99\n99\n");
  scolortable(2);
  EXPECT_TRUE(contains(take_lines(), " NB of colors =   1 ==> Black & White plot"));
  EXPECT_EQ(plt2blk.ICOLORPLOT, 0);
  open_plot();
  draw_line_text_and_polygon();
  Lines file = close_plot();
  EXPECT_EQ(count_containing(file, "setrgbcolor"), 0);
  EXPECT_TRUE(contains(file, " 0.500 setgray fill grestore"));

  input("100\n10\n2\n99\n99\n");
  scolortable(2);
  EXPECT_TRUE(contains(take_lines(), " NB of colors =   2 ==> Color plot"));
  EXPECT_EQ(plt2blk.ICOLORPLOT, 1);
}

TEST_F(ColourTable, ChangesWhileAPlotIsOpenReachTheNextColourLine) {
  open_plot();
  float x[] = {1, 5}, y[] = {1, 1};
  cmline(x, y, 2);  // colour 1 was sent with the prologue
  std::string name = fit("Red line", 25);
  float r = 100, g = 0, b = 0;
  scolorrgb(1, name, r, g, b, 1);
  cmline(x, y, 2);
  int nb = 1;
  scolornb(nb, 1);
  cmline(x, y, 2);
  nb = 18;
  scolornb(nb, 1);
  r = 0, b = 100;
  scolorrgb(1, name, r, g, b, 1);
  cmline(x, y, 2);
  Lines colours;
  for (const std::string& l : drawing(close_plot()))
    if (l.ends_with("setrgbcolor")) colours.push_back(l);
  EXPECT_EQ(colours, (Lines{" 1.000  0.000  0.000 setrgbcolor", " 0.000  0.000  1.000 setrgbcolor"}));
}

TEST_F(ColourTable, ReadsAColourTableFile) {
  Lines lines = read_file("colours.txt",
                          "2\n"
                          "0 100 100 100 'White'\n"
                          "1, 0, 0, 0, \"Deep black\" the rest is skipped\n"
                          "2 1.0e2\n"
                          "  50 0 Orange yellow\n"
                          "0 0 0 0 'never read'\n");
  EXPECT_EQ(from(lines, " Input file colours.txt is closed", 3),
            (Lines{" Input file colours.txt is closed", " Could read up to:   18 DATA", " Actually read   :    2 DATA"}));
  EXPECT_EQ(plt2blk.NBCOLOR, 2);
  EXPECT_EQ(pltcharblk.COLORNAM[1], "Deep bla");
  EXPECT_EQ(pltcharblk.COLORNAM[2], "Orange  ");
  EXPECT_EQ(plt2blk.RED[2], 100.0f);
  EXPECT_EQ(plt2blk.GREEN[2], 50.0f);
  EXPECT_EQ(pltcharblk.COLORNAM[0], "White   ");
  EXPECT_EQ(plt2blk.RED[0], 100.0f);
  EXPECT_TRUE(contains(lines, " |   2 |  Orange  |  100.0 |   50.0 |    0.0 |"));  // the menu shown again

  // 25 colours are 18 plus colour 0; a number beyond them is refused and reading goes on.
  std::string text = "25\n";
  for (int c = 0; c <= 18; ++c) text += std::to_string(c == 5 ? 30 : c) + " 10 20 120 c" + std::to_string(c) + "\n";
  lines = read_file("many.txt", text);
  EXPECT_TRUE(contains(lines, " ===> RESET nb of color =  18"));
  EXPECT_TRUE(contains(lines, " trying to set color nb =  30"));
  EXPECT_EQ(plt2blk.NBCOLOR, 18);
  EXPECT_EQ(pltcharblk.COLORNAM[18], "c18     ");
  EXPECT_EQ(pltcharblk.COLORNAM[5], "Cyan    ");
  EXPECT_EQ(plt2blk.BLUE[18], 100.0f);  // brought into [0, 100]
  EXPECT_TRUE(contains(lines, " Actually read   :   18 DATA"));
}

TEST_F(ColourTable, ReadErrorsKeepWhatWasRead) {
  Lines lines = read_file("short.txt", "3\n0 1 2 3 a\n1 4 5 6 b\n");
  EXPECT_EQ(from(lines, " END OF FILE REACHED UNEXPECTEDLY", 3),
            (Lines{" END OF FILE REACHED UNEXPECTEDLY", " WHILE READING LINE NUMBER     4",
                   " Input file short.txt is closed"}));
  EXPECT_EQ(plt2blk.NBCOLOR, 3);
  EXPECT_EQ(pltcharblk.COLORNAM[1], "b       ");
  EXPECT_EQ(pltcharblk.COLORNAM[2], "Red     ");

  for (const char* bad : {"x", "nan", "inf"}) {
    SCOPED_TRACE(bad);
    lines = read_file("bad.txt", std::string("2\n0 1 2 3 z\n1 ") + bad + " 0 0 y\n2 0 0 0 w\n");
    EXPECT_TRUE(contains(lines, " WHILE READING LINE NUMBER     3"));
    EXPECT_FALSE(contains(lines, " END OF FILE REACHED UNEXPECTEDLY"));
    EXPECT_EQ(pltcharblk.COLORNAM[0], "z       ");
    EXPECT_EQ(pltcharblk.COLORNAM[1], "b       ");
    EXPECT_EQ(plt2blk.GREEN[1], 5.0f);
  }
}

TEST_F(ColourTable, NumberOfColours) {
  int nb = 25;
  input("\n");
  scolornb(nb, 0);
  Lines lines = take_lines();
  EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
            (Lines{" trying to set nb of color  =  25", " max nb of color  =  18", " ===> RESET nb of color =  18"}));
  nb = 0;
  scolornb(nb, 1);
  EXPECT_EQ(take_lines()[5], " min nb of color  = 1");
  EXPECT_EQ(plt2blk.NBCOLOR, 1);

  input("10\n12\n98\n");  // mode 4 stores its default at once; cancelling keeps it
  scolornb(nb, 4);
  EXPECT_EQ(nb, 12);
  EXPECT_EQ(plt2blk.NBCOLOR, 4);
  EXPECT_EQ(plt2blk.ICOLORPLOT, 1);
  EXPECT_EQ(take_lines()[3], " INITIALIZING NUMBER OF COLORS TO:   4");

  nb = 18;
  scolornb(nb, 1);
  int c = 8;
  slinecolor(c, 1);
  nb = 4;
  scolornb(nb, 1);  // the stored line colour is reported, not changed
  lines = take_lines();
  EXPECT_EQ(lines.front(), " The nb of colors has been reduced");
  EXPECT_EQ(lines.back(), " ==> checking done");
  EXPECT_TRUE(contains(lines, " ///          subroutine    slinecolor          ///"));
  EXPECT_EQ(plt2blk.LINECOLOR, 8);

  scolornb(nb, 6);
  lines = take_lines();
  EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
            (Lines{" inter =   6", " Accepted range = [0,5]", " ===> NO ACTION"}));
  EXPECT_EQ(plt2blk.NBCOLOR, 4);
}

TEST_F(ColourTable, OneColour) {
  std::string name = fit("x", 25);
  float r = 120, g = 50, b = -1;
  for (int index : {19, -1}) {
    scolorrgb(index, name, r, g, b, 1);
    Lines lines = take_lines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(Lines(lines.begin() + 8, lines.begin() + 11),
              (Lines{std::string(" trying to set color nb =") + (index < 0 ? "  -1" : "  19"),
                     " When color index range = [0, 18]", " ===> NO ACTION"}));
  }
  scolorrgb(3, name, r, g, b, 6);
  EXPECT_EQ(take_lines().size(), 10u);
  EXPECT_EQ(plt2blk.RED[3], 0.0f);
  Lines lines;

  input("99\n");
  scolorrgb(3, name, r, g, b, 0);  // percentages brought into [0, 100]
  EXPECT_EQ(plt2blk.RED[3], 100.0f);
  EXPECT_EQ(plt2blk.BLUE[3], 0.0f);
  EXPECT_EQ(pltcharblk.COLORNAM[3], "x       ");
  lines = take_lines();
  EXPECT_TRUE(contains(lines, " ==> RESET red (%) =      100.0    "));

  input("200\n3\n20\nA very long name\n30\n10\n20\n30\n98\n99\n");  // edited, then not applied
  scolortable(2);
  lines = take_lines();
  EXPECT_TRUE(contains(lines, " new     = A very long name         "));
  EXPECT_TRUE(contains(lines, "     new|   10.0 |   20.0 |   30.0 |"));
  EXPECT_EQ(plt2blk.RED[3], 100.0f);
  EXPECT_EQ(pltcharblk.COLORNAM[3], "x       ");

  input("200\n3\n20\nA very long name\n99\n99\n");
  scolortable(2);
  EXPECT_TRUE(contains(take_lines(), " |   3 |  A very l|  100.0 |   50.0 |    0.0 |"));
}

}  // namespace
