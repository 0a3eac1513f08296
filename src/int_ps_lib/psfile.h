// The PostScript plot file: its device record, the page-format file "quenda9_ini.txt",
// opening (prologue and page 1), page breaks, closing (trailer), path strokes and colours.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int plot_file_unit = 50;

// Device record of the PostScript layer. Page formats 1..4 and fonts 1..16 are stored at
// indices 0..3 and 0..15.
struct PsParams90 {
  std::int32_t IUNITPS = 0;      // unit of the plot file (and of the page-format file before it)
  std::int32_t IFONTPS = 0;      // current font number 1..16
  std::int32_t IPAGE = 0;        // number of the current page
  std::int32_t IPAGEFMT = 0;     // page format 1..4
  std::int32_t ISIZEMIN[4] = {}; // short side of each page format in points
  std::int32_t ISIZEMAX[4] = {}; // long side of each page format in points
  float TEXTSIZEPT = 0.0f;       // current text height in points
  std::int32_t LPATHOPEN = 0;    // 1 while a path is begun and not yet stroked
  std::array<std::string, 16> FONTS;  // PostScript font names, 22 characters
  std::array<std::string, 4> NAMSIZE; // page format names, 20 characters
};
extern PsParams90 psparams_90;

// Reads the page format, asks whether to keep it (and rewrites the page-format file when
// needed), opens the plot file cfile (even mode: the name is asked, with retry), and writes
// the prologue and page 1. cfile comes back as the name opened, without its directory.
void intplinit(std::string& cfile, int mode);
// Ends the current page and begins the next.
void intnewpage();
// Waits for Return, ends the last page, writes the trailer and closes the plot file.
void intplend();

// Strokes the open path, if any, in the line colour.
void psstrokepath();
// The same lines (parted by line ends) for a caller that writes them with its own; the path
// counts as stroked. Empty when no path is open. Valid until the next call.
std::string_view psstroketext();
// Writes a colour line by colour mode: -1 colour 1 always, 0 the last colour again,
// 1 line, 2 fill, 3 text colour when it differs from the last colour sent. Nothing in a
// black-and-white plot.
void psrgbcolor(int mode);
// Forgets the last colour sent, so that the next colour request writes its line. Called
// whenever the colour table changes while a plot file is open.
void psforgetcolor();
// Writes one line into the plot file (or several, parted by line ends); discarded when no
// plot file could be opened.
void pswrite(std::string_view line);
// Room for a line of up to n characters built in place in the plot file's buffer; nullptr
// when no plot file is open. psendroom ends that line after its first k characters; no
// other line may be written in between.
char* psroom(std::size_t n);
void psendroom(std::size_t k);
// True when a stroke now needs no colour line before it.
bool psplainstroke();
// The three colour texts of colour number c, each "f6.3" and a blank: "R G B ".
std::string pscolortext(int c);
