#include <gtest/gtest.h>

#include <filesystem>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "plt_lib/draw.h"
#include "plt_lib/linefill.h"
#include "plt_lib/plotcontrol.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"
#include "support/ghostscript.h"
#include "support/plot_fixture.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

int count(const Lines& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

class PageControl : public PlotTest {
 protected:
  // A short line on the current page, in centimetres.
  static void mark() {
    float x[2] = {2.0f, 6.0f}, y[2] = {2.0f, 4.0f};
    cmline(x, y, 2);
  }
};

TEST_F(PageControl, OpeningAsksTheNameAndEveryNewPageIsAPage) {
  fs::create_directory("sub");
  std::string name = fit("kelvst_plot.ps", 50);
  input("\nsub/core.ps\n");  // keep the page format, then the file's name
  plinit(name, 2);
  EXPECT_TRUE(iocom.lplotopen);
  EXPECT_EQ(name, fit("core.ps", 50));
  EXPECT_EQ(current_subplot(), 1);
  std::string text = take_output();
  EXPECT_NE(text.find(" Enter PostScript plot file name\n"), std::string::npos);
  mark();
  for (int page = 0; page < 3; ++page) {
    input("\n");  // the default choice: a new page, even when nothing was drawn on it
    newpage();
  }
  Lines menu = take_lines();
  EXPECT_EQ(count(menu, " IT IS SUGGESTED TO CLEAR THE PLOT"), 3);
  EXPECT_EQ(count(menu, " clear the window / add a page to the file ..0"), 3);
  EXPECT_EQ(count(menu, " close the window / file and open a new one .1"), 3);
  EXPECT_EQ(count(menu, " append to the current window / file ........2"), 3);
  EXPECT_EQ(count(menu, " Enter your choice"), 3);
  EXPECT_EQ(count(menu, " inside  [0,2]"), 3);
  input("\n");
  plend();
  EXPECT_FALSE(iocom.lplotopen);
  EXPECT_TRUE(gs_render("sub/core.ps").ok());
  EXPECT_EQ(gs_page_count("sub/core.ps"), 4);
}

TEST_F(PageControl, OpeningTwiceOrClosingTwiceOnlyWarns) {
  std::string name = fit("first.ps", 50);
  input("\n\n");
  plinit(name, 2);
  take_output();
  std::string other = fit("second.ps", 50);
  input("\n");  // the warning's pause
  plinit(other, 2);
  Lines l = take_lines();
  ASSERT_EQ(l.size(), 10u);
  EXPECT_EQ(l[1], " ///          subroutine        plinit          ///");
  EXPECT_EQ(l[4], " Plot file or window is already opened");
  EXPECT_EQ(l[5], " ==> appending to current plot file/window");
  EXPECT_EQ(other, fit("second.ps", 50));
  EXPECT_FALSE(fs::exists("second.ps"));
  input("\n");
  plend();
  take_output();
  input("\n");
  plend();
  l = take_lines();
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[1], " ///          subroutine         plend          ///");
  EXPECT_EQ(l[4], " The plot window or file is already closed");
  EXPECT_TRUE(gs_render("first.ps").ok());
}

TEST_F(PageControl, NextFileKeepsScalesAndAttributes) {
  int six = 6;
  ssubplot(six, 1);
  float x0 = 3, y0 = 4, xl = 10, yl = 5, xmin = 0, xmax = 100, ymin = 0, ymax = 50;
  int ixy = 0;
  sus2cm3(x0, y0, xl, yl, xmin, xmax, ymin, ymax, ixy, 1);
  float width = 0.1f;
  slinewidth(width, 1);
  std::string name = fit("kelvst_plot.ps", 50);
  input("\n\n");
  plinit(name, 2);
  take_output();
  mark();
  input("1\n\n\n\n");  // choice 1; the wait before closing; keep the format; keep "next_plot.ps"
  newpage();
  std::string text = take_output();
  EXPECT_NE(text.find(" Default = next_plot.ps\n"), std::string::npos);
  EXPECT_EQ(name, fit("kelvst_plot.ps", 50));  // the caller's name is not changed
  EXPECT_TRUE(iocom.lplotopen);
  EXPECT_EQ(current_subplot(), 1);

  Lines first = file_lines("kelvst_plot.ps");
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back(), "%%EOF");
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok());

  // Sub-plot 6 maps user 100 to 3 + 10 cm, i.e. 13 x 28.35 points, in the new file too.
  ssubplot(six, 1);
  float u[2] = {0, 100}, v[2] = {0, 50};
  usline(u, v, 2);
  plot_name_ = "next_plot.ps";
  Lines second = close_plot();
  EXPECT_EQ(count(second, " 2.84 setlinewidth"), 1);  // the stored width re-sent into the new file
  EXPECT_NE(std::find(second.begin(), second.end(), " 85.05  113.40 moveto"), second.end());
  EXPECT_NE(std::find(second.begin(), second.end(), " 368.55  255.15 lineto"), second.end());
}

TEST_F(PageControl, AppendingAddsNoPageAndAnOddModeResetsEverything) {
  float width = 0.1f;
  slinewidth(width, 1);
  std::string name = fit("plot.ps", 50);
  input("\n");  // keep the page format; an odd mode asks no name
  plinit(name, 1);
  std::string text = take_output();
  EXPECT_EQ(text.find("file name"), std::string::npos);
  slinewidth(width, 3);
  EXPECT_NE(width, 0.1f);  // attributes back to their defaults
  EXPECT_EQ(pltcharblk.SUBPLOTITLE[39], fit("Subplot_40", 20));
  mark();
  input("2\n");
  newpage();
  plot_name_ = "plot.ps";
  close_plot();
  EXPECT_EQ(gs_page_count("plot.ps"), 1);
}

}  // namespace
