#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psdraw.h"
#include "int_ps_lib/psfile.h"
#include "plt_lib/attributes.h"
#include "support/fake_platform.h"
#include "support/ghostscript.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

bool contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int count(const Lines& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

void write_file(const std::string& name, const std::string& text) { std::ofstream(name) << text; }

class PsFile : public PlotTest {};

TEST_F(PsFile, FirstOpeningCreatesTheFormatFileAndWritesWholePages) {
  input("\n");
  std::string name = fit(folder_ + "/plot.ps", 80);
  intplinit(name, 3);
  EXPECT_EQ(name, fit("plot.ps", 80));
  Lines console = take_lines();
  EXPECT_TRUE(contains(console, " $$                STARTING PLOT                 $$"));
  EXPECT_TRUE(contains(console, " Orientation and size = Portrait A4         "));
  EXPECT_TRUE(contains(console, " updating or creating quenda9_ini.txt"));
  EXPECT_TRUE(contains(console, " quenda9_ini.txt updated or created"));
  EXPECT_EQ(file_lines("quenda9_ini.txt"), (Lines{"  1 'Portrait A4'", " "}));

  intslinewidth(0.567f);
  intnewpage();
  input("\n");
  intplend();
  Lines want = {"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)",
                "%%BoundingBox:    0    0  595  842", " 0.000  0.000  0.000 setrgbcolor", "% Ready to go",
                "%%Page:    1    1", " 0.57 setlinewidth", "gsave showpage", "%%End Page", "grestore",
                "%%Page:   2   2", "showpage", "%%End Page", "%%Trailer", "%%Pages:   2", "%%EOF"};
  // Before "% Ready to go": the definition of the loop that draws stacks of cells (which
  // the histogram drawing tests check on the page).
  Lines lines = file_lines("plot.ps");
  auto ready = std::find(lines.begin(), lines.end(), "% Ready to go");
  auto definition = std::find_if(lines.begin(), ready, [](const std::string& l) { return l.starts_with("/cellround"); });
  ASSERT_NE(definition, ready);
  EXPECT_TRUE(ready[-1].ends_with("} bind def"));
  lines.erase(definition, ready);
  EXPECT_EQ(lines, want);
  EXPECT_EQ(gs_page_count("plot.ps"), 2);
}

// Page-format file content, answers, and the format that the plot takes.
struct FormatCase {
  const char* file;  // nullptr: no page-format file
  const char* answers;
  int format;
  bool rewritten;
};

TEST_F(PsFile, PageFormatFileAndDialogue) {
  const FormatCase cases[] = {
      {"  3 'Landscape A4'\n \n", "\n", 3, false}, {"4", "\n", 4, false},   {"\n\n 2, 'x'\n", "\n", 2, false},
      {"7\n", "\n", 1, true},                        {"x\n", "\n", 1, true},  {"", "\n", 1, true},
      {"\xEF\xBB\xBF  3 'Landscape A4'\n \n", "\n", 3, false},
      {nullptr, "n\n2\n", 2, true},                  {"  1 'Portrait A4'\n \n", "n\n1\n", 1, true},
  };
  const char* box[] = {"", "%%BoundingBox:    0    0  595  842", "%%BoundingBox:    0    0  612  792",
                       "%%BoundingBox:    0    0  595  842", "%%BoundingBox:    0    0  612  792"};
  const char* names[] = {"", "  1 'Portrait A4'", "  2 'Portrait US Letter'", "  3 'Landscape A4'",
                         "  4 'Landscape US Letter'"};
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::string(c.file ? c.file : "(none)") + " / " + c.answers);
    std::filesystem::remove("quenda9_ini.txt");
    if (c.file) write_file("quenda9_ini.txt", c.file);
    input(c.answers);
    std::string name = fit("plot.ps", 50);
    intplinit(name, 3);
    Lines console = take_lines();
    EXPECT_EQ(contains(console, " updating or creating quenda9_ini.txt"), c.rewritten);
    EXPECT_EQ(contains(console, " Portrait A4          .................. 1"), c.answers[0] == 'n');
    if (c.rewritten) {
      EXPECT_EQ(file_lines("quenda9_ini.txt"), (Lines{names[c.format], " "}));
    }
    plot_name_ = "plot.ps";
    Lines lines = close_plot();
    EXPECT_EQ(lines.at(3), box[c.format]);
    bool landscape = c.format >= 3;
    EXPECT_EQ(lines.at(4), landscape ? Line().i(c.format == 3 ? 595 : 612, 4).a("    0 translate 90 rotate").str()
                                     : " 0.000  0.000  0.000 setrgbcolor");
  }
}

TEST_F(PsFile, UnwritableFormatFileIsReportedAndTheFormatKeptForThisPlot) {
  std::filesystem::create_directory("quenda9_ini.txt");
  open_plot("n\n3\n\n\n\n\n");
  // A following opening reads no format: the choice was not saved.
  Lines lines = close_plot();
  EXPECT_EQ(lines.at(4), " 595    0 translate 90 rotate");
  input("\n\n\n\n");
  std::string name = fit("plot.ps", 50);
  intplinit(name, 3);
  Lines console = take_lines();
  EXPECT_TRUE(contains(console, " Could not update or create quenda9_ini.txt"));
  EXPECT_TRUE(contains(console, " => altered defaults are not saved for next run"));
  EXPECT_TRUE(contains(console, " Orientation and size = Portrait A4         "));
  close_plot();
}

TEST_F(PsFile, PlotFileThatCannotBeOpened) {
  input("\nn\n\n\n\n");
  std::string name = fit("no/such/folder/plot.ps", 50);
  intplinit(name, 3);
  EXPECT_NE(take_output().find("FAILED TO OPEN PostScript plot FILE"), std::string::npos);
  float x[] = {1, 2}, y[] = {1, 2};
  deline(x, y, 2);
  detext2(10, 10, "lost");
  intnewpage();
  input("\n");
  intplend();
  EXPECT_NE(take_output().find("The PostScript plot file is closed"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("no"));

  input("\n\n\n\n");  // defaults: stop
  EXPECT_THROW(intplinit(name, 3), ProgramStop);
}

TEST_F(PsFile, AFullDiskIsReportedOnceBeforeTheNextQuestion) {
  // The page-format file cannot be written, nor the plot file (a full device): each is told
  // before the next question, the plot file once, and the session goes on.
  auto disk = std::make_unique<FullDiskAfter>(0);
  input("\n\n\n\n\n");
  std::string name = fit("/dev/full", 50);
  intplinit(name, 2);
  // More lines than a buffer holds: the failure is told while they are drawn.
  for (int k = 0; k < 3000; ++k) {
    float x[] = {1, 2}, y[] = {static_cast<float>(k), 3};
    deline(x, y, 2);
  }
  std::string c = take_output();
  EXPECT_NE(c.find("COULD NOT WRITE PostScript plot FILE"), std::string::npos);
  intnewpage();
  intplend();
  disk.reset();
  c += take_output();
  std::size_t at = 0;
  for (const char* line : {"COULD NOT WRITE plot init FILE", "Could not update or create", "Enter PostScript plot",
                           "COULD NOT WRITE PostScript plot FILE", "Enter CR = Return", "plot file is closed"})
    EXPECT_NE(at = c.find(line, at), std::string::npos) << line;
  EXPECT_EQ(c.find("COULD NOT WRITE PostScript"), c.rfind("COULD NOT WRITE PostScript"));
}

TEST_F(PsFile, PageBreaksStrokeOpenPathsAndNumberEveryPage) {
  open_plot();
  float x = 10, y = 10, xs[] = {20}, ys[] = {30};
  plt2blk.LINECOLOR = 2;
  psmoveto(x, y, 1);
  pslineto(xs, ys, 1);
  intnewpage();
  intnewpage();
  intnewpage();
  Lines lines = close_plot();
  Lines want = {"newpath", " 10.00  10.00 moveto", " 20.00  30.00 lineto", " 1.000  0.000  0.000 setrgbcolor",
                "stroke", "gsave showpage"};
  const Lines drawn = drawing(lines);
  EXPECT_EQ(Lines(drawn.begin(), drawn.begin() + 6), want);
  for (const char* page :
       {"%%Page:    1    1", "%%Page:   2   2", "%%Page:   3   3", "%%Page:   4   4", "%%Pages:   4"})
    EXPECT_TRUE(contains(lines, page)) << page;
  EXPECT_EQ(gs_page_count("plot.ps"), 4);

  open_plot();
  psparams_90.IPAGE = 999;
  intnewpage();
  lines = close_plot();
  EXPECT_TRUE(contains(lines, "%%Page: 1000 1000"));
  EXPECT_TRUE(contains(lines, "%%Pages: 1000"));
}

TEST_F(PsFile, BlackAndWhitePlotWritesNoColour) {
  plt2blk.ICOLORPLOT = 0;
  open_plot();
  float x[] = {100, 300, 300, 100}, y[] = {100, 100, 300, 300};
  depolygon(x, y, 4);
  detext2(100, 400, "grey");
  Lines lines = close_plot();
  EXPECT_TRUE(contains(lines, " 0.500 setgray fill grestore"));
  for (const std::string& l : lines) EXPECT_EQ(l.find("setrgbcolor"), std::string::npos) << l;
  Rgb grey = gs_pixel("plot.ps", 1, 200, 200);
  EXPECT_NEAR(grey.r, 128, 1);
  EXPECT_EQ(grey, (Rgb{grey.r, grey.r, grey.r}));
}

class PsDraw : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    open_plot();
  }
};

TEST_F(PsDraw, PathsAndNumberFormats) {
  float x1[] = {100}, y1[] = {200};
  deline(x1, y1, 1);
  float x3[] = {-3.5f, 0.567f, 1234567.0f, 12345678.0f}, y3[] = {2, 0, 9.999f, -12345678.0f};
  deline(x3, y3, 4);
  intslinewidth(0.567f);
  float hx[] = {0, 100, 100}, hy[] = {0, 0, 50};
  plt2blk.IFILLSTYLE = 0;
  depolygon(hx, hy, 3);
  EXPECT_EQ(take_output(), "");
  Lines want = {"newpath", " 100.00  200.00 moveto", " 100.00  200.00 lineto", "stroke",
                "newpath", "-3.50  2.00 moveto", " 0.57  0.00 lineto", " 1234567.0  10.00 lineto",
                " 12345678. -12345678. lineto", "stroke", " 0.57 setlinewidth",
                "newpath", " 0.00  0.00 moveto", " 100.00  0.00 lineto", " 100.00  50.00 lineto",
                "closepath", "stroke"};
  EXPECT_EQ(drawing(close_plot()), want);
}

TEST_F(PsDraw, FarAndNonFiniteCoordinatesAreClampedWithAWarning) {
  const float inf = std::numeric_limits<float>::infinity();
  float x[] = {1.0e8f, std::nanf(""), -inf, 5}, y[] = {2, inf, -1.0e9f, 5};
  input("\n");
  deline(x, y, 4);
  Lines console = take_lines();
  const std::string slashes = " " + std::string(50, '/');
  Lines first = {slashes, " ///          subroutine      psmoveto          ///",
                 " ///                  WARNING                   ///", slashes,
                 " x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05"};
  EXPECT_EQ(Lines(console.begin(), console.begin() + 6), first);
  // One warning for the drawing, however many of its coordinates were clamped.
  EXPECT_EQ(count(console, " ///                WARNING END                 ///"), 1);
  EXPECT_TRUE(contains(console, " ==> coordinates reset in this drawing = 5"));
  Lines want = {"newpath", " 99000000.  2.00 moveto", " 99000000.  99000000. lineto", "-99000000. -99000000. lineto",
                " 5.00  5.00 lineto", "stroke"};
  EXPECT_EQ(drawing(close_plot()), want);
}

TEST_F(PsDraw, FarTextWarnsAtItsOwnCallAndNoWarningShowsANonFiniteNumber) {
  input("\n\n");
  detext2(5e8f, 100, "far");
  EXPECT_NE(take_output().find(" x in meters =  0.176E+06\n ==> reset to xmax =  0.349E+05\n"), std::string::npos);
  detext2(100, std::nanf(""), "nowhere");
  EXPECT_NE(take_output().find(" y in meters = not finite\n"), std::string::npos);
  close_plot();
}

TEST_F(PsDraw, ColourLinesOnlyWhenTheColourChanges) {
  float x[] = {100, 300, 300, 100}, y[] = {100, 100, 300, 300};
  deline(x, y, 2);
  deline(x, y, 2);  // black, as the prologue left it: no colour line
  plt2blk.ITEXTCOLOR = 2;
  detext2(50, 50, "red");
  plt2blk.IFILLCOLOR = 2;
  depolygon(x, y, 4);  // the fill keeps red inside gsave/grestore; the outline goes black
  deline(x, y, 2);
  psforgetcolor();  // a changed colour table: the next line says its colour again
  deline(x, y, 2);
  Lines lines = drawing(close_plot());
  EXPECT_EQ(count(lines, " 1.000  0.000  0.000 setrgbcolor"), 1);
  EXPECT_EQ(count(lines, " 0.000  0.000  0.000 setrgbcolor"), 2);
  Lines polygon = {"closepath gsave", " 1.000  0.000  0.000 setrgbcolor fill grestore",
                   " 0.000  0.000  0.000 setrgbcolor", "stroke"};
  auto at = std::find(lines.begin(), lines.end(), "closepath gsave");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(Lines(at, at + 4), polygon);
  EXPECT_EQ(lines.end()[-2], " 0.000  0.000  0.000 setrgbcolor");
  EXPECT_EQ(gs_pixel("plot.ps", 1, 200, 200), (Rgb{255, 0, 0}));
  EXPECT_EQ(gs_pixel("plot.ps", 1, 400, 400), (Rgb{255, 255, 255}));
}

TEST_F(PsDraw, LandscapePagesTurnTheDrawing) {
  close_plot();
  write_file("quenda9_ini.txt", "3");
  open_plot();
  float x[] = {100, 300, 300, 100}, y[] = {100, 100, 200, 200};
  plt2blk.IFILLCOLOR = 4;
  depolygon(x, y, 4);
  close_plot();
  // Landscape point (200, 150) lies at (595 - 150, 200) on the portrait page.
  EXPECT_EQ(gs_pixel("plot.ps", 1, 445, 200), (Rgb{0, 0, 255}));
  EXPECT_EQ(gs_pixel("plot.ps", 1, 200, 150), (Rgb{255, 255, 255}));
}

struct TextCase {
  int justif;
  float angle;
  std::string text;
  Lines lines;  // after the moveto line
  std::string moveto = " 100.00  100.00 moveto";
};

TEST_F(PsDraw, TextPlacementByJustificationAndAngle) {
  const std::string font = "14 /Helvetica findfont exch scalefont setfont";
  const TextCase cases[] = {
      {-1, 0, "  N = 12  ", {font, "(N = 12) show"}},
      {1, 0, "  N = 12  ", {font, "(  N = 12  ) show"}},
      {-2, 0, "  N = 12  ", {font, "(N = 12)", "dup stringwidth pop -2 div 0 rmoveto", "show"}},
      {-3, 0, "N", {font, "(N)", "dup stringwidth pop -1 div 0 rmoveto", "show"}},
      {-10, 0, "N", {font, "(N)", "dup stringwidth pop -2 div 0 rmoveto", "show"}, " 100.00  85.82 moveto"},
      {-5, 90, "N", {"  90.00 rotate", font, "(N) show", " -90.00 rotate"}, " 107.09  100.00 moveto"},
      // 1e30 degrees is 120 modulo 360; the half-height shift goes that way too.
      {-5, 1e30f, "N", {" 120.00 rotate", font, "(N) show", "-120.00 rotate"}, " 106.14  103.54 moveto"},
      {-1, -30, "   ", {" -30.00 rotate", font, "( ) show", "  30.00 rotate"}},
      {1, 12345, "", {" 105.00 rotate", font, "() show", "-105.00 rotate"}},
      {-1, 0, "a(b)c\\d (", {font, "(a\\(b\\)c\\\\d \\() show"}},
      // Control characters never end a line of the file, so no text starts a comment line.
      {-1, 0, "a\n%%Page: 9 9\r\tb\x01\x1f", {font, "(a\\012%%Page: 9 9\\015\\011b\\001\\037) show"}},
      {-2, 0, "\n%%EOF", {font, "(\\012%%EOF)", "dup stringwidth pop -2 div 0 rmoveto", "show"}},
  };
  for (const TextCase& c : cases) {
    plt2blk.JUSTIF = c.justif;
    plt2blk.TEXTANGLE = c.angle;
    detext2(100, 100, c.text);
  }
  plt2blk.JUSTIF = -6;
  plt2blk.TEXTANGLE = 0;
  detext2(100, 100, "half");
  intstextsize(0.02f);
  detext2(100, 100, "tiny");
  Lines lines = drawing(close_plot());
  std::size_t k = 0;
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.justif);
    Lines want = c.lines;
    want.insert(want.begin(), c.moveto);
    ASSERT_LE(k + want.size(), lines.size());
    auto from = lines.begin() + static_cast<std::ptrdiff_t>(k);
    EXPECT_EQ(Lines(from, from + static_cast<std::ptrdiff_t>(want.size())), want);
    k += want.size();
  }
  EXPECT_EQ(lines.at(k), " 100.00  92.91 moveto");
  EXPECT_EQ(lines.at(k + 6), "1 /Helvetica findfont exch scalefont setfont");
  std::string text = gs_text("plot.ps");
  EXPECT_NE(text.find("a(b)c\\d ("), std::string::npos) << text;
}

}  // namespace
