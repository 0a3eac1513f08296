#include "int_ps_lib/psfile.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "gral_lib/console.h"
#include "gral_lib/fileopen.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/freeformat.h"
#include "gral_lib/prompts.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "plt_lib/attributes.h"

PsParams90 psparams_90;

namespace {

constexpr std::string_view page_format_file = "quenda9_ini.txt";

struct PageFormat {
  std::string_view name;
  int short_side, long_side;
};
constexpr PageFormat page_formats[4] = {
    {"Portrait A4", 595, 842},
    {"Portrait US Letter", 612, 792},
    {"Landscape A4", 595, 842},
    {"Landscape US Letter", 612, 792},
};

constexpr std::string_view font_names[16] = {
    "/Helvetica",   "/Helvetica-Bold",  "/Helvetica-Oblique", "/Helvetica-BoldOblique",
    "/Times-Roman", "/Times-Bold",      "/Times-Italic",      "/Times-BoldItalic",
    "/Courier",     "/Courier-Bold",    "/Courier-Oblique",   "/Courier-BoldOblique",
    "/Symbol",      "/Symbol-Bold",     "/Symbol-Oblique",    "/Symbol-BoldOblique",
};

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }
void text_line(std::string_view text) { out(Line().x().a(text)); }
void dash_line() { out(Line().x().rep('-', 43)); }
void dollar_line() { out(Line().x().rep('$', 50)); }

// A banner line: the text centred in 46 columns between "$$" and "$$".
void banner_line(std::string_view text) {
  int room = 46 - static_cast<int>(text.size());
  int left = room / 2;
  out(Line().x().a("$$").x(left).a(text).x(room - left).a("$$"));
}

// An integer right-aligned in w columns, or in its own length when it needs more.
void put_wide(Line& line, int v, int w) {
  std::string digits = std::to_string(v);
  line.x(w - static_cast<int>(digits.size())).a(digits);
}

std::string page_line(int page, int w) {
  Line line;
  line.a("%%Page:").x();
  put_wide(line, page, w);
  line.x();
  put_wide(line, page, w);
  return line.str();
}

// The loop that draws a stack of cells (decellstack): cell k = first .. first + n - 1 is
// the polygon through the four corners x y + (c dx dy) scaled by sx sy (c = k for the first
// and the last corner, k + 1 for the two others) and back to the first, filled by the
// procedure given (between gsave and grestore) and outlined. Each coordinate is rounded to
// 2 decimals the way a polygon's are written, a tie to even: its whole part is split off
// first, so that no digit is lost in single precision.
constexpr std::string_view cellstack_definition[] = {
    "/cellround { dup truncate dup 3 1 roll sub 100 mul dup round dup 3 -1 roll sub 0.5 eq",
    " { dup 2 div dup truncate ne { 1 sub } if } if exch 100 mul add 100 div } bind def",
    "% x1 y1 dx1 dy1 ... x4 y4 dx4 dy4 sx sy first n {fill} cellstack",
    "/cellstack { 10 dict begin /paint exch def /n exch def /first exch def /sy exch def /sx exch def",
    " 16 array astore /c exch def",
    " first 1 first n add 1 sub { /k exch def newpath 0 1 3 { /p exch def /i p 4 mul def",
    "  /m k [0 1 1 0] p get add def",
    "  c i get m c i 2 add get mul sx mul add cellround c i 1 add get m c i 3 add get mul sy mul add cellround",
    "  p 0 eq { 2 copy moveto } { lineto } ifelse } for",
    " lineto closepath gsave paint grestore stroke } for end } bind def",
};

std::size_t format_slot() { return static_cast<std::size_t>(psparams_90.IPAGEFMT - 1); }

// The name the plot file was opened with, for a report when it cannot be written whole.
std::string plot_file_name;

// The page format stored in the page-format file, or 0 when it is missing or unusable.
int read_page_format() {
  // Only a file of its own is read: a named pipe would hold the opening until someone
  // wrote into it, and a device is no page format.
  std::error_code ec;
  const auto type = std::filesystem::status(page_format_file, ec).type();
  if (type != std::filesystem::file_type::regular) return 0;
  std::string name(page_format_file);
  int istat = 0;
  opef1(name, "plot init", psparams_90.IUNITPS, "old", "read", 7, -1, istat);
  if (istat != 0) return 0;
  int k = 0;
  std::string line;
  int u = psparams_90.IUNITPS;
  ListStatus status = ListStatus::end_of_input;
  if (unit::read_line(u, line))
    status = read_list(line, [u](std::string& next) { return unit::read_line(u, next); }, {&k});
  unit::close(u);
  return (status == ListStatus::ok && k >= 1 && k <= 4) ? k : 0;
}

void write_page_format() {
  dash_line();
  text_line(std::string("updating or creating ") + std::string(page_format_file));
  std::string name(page_format_file);
  int istat = 0;
  opef1(name, "plot init", psparams_90.IUNITPS, "unknown", "write", 7, 0, istat);
  if (istat == 0) {
    Line first;
    first.x().i(psparams_90.IPAGEFMT, 2).x().a("'").a(trimmed(psparams_90.NAMSIZE[format_slot()])).a("'");
    unit::write_line(psparams_90.IUNITPS, first);
    unit::write_line(psparams_90.IUNITPS, " ");
  }
  if (istat == 0 && close_checked(psparams_90.IUNITPS, "plot init", page_format_file)) {
    text_line(std::string(page_format_file) + " updated or created");
  } else {
    text_line(std::string("Could not update or create ") + std::string(page_format_file));
    text_line("=> altered defaults are not saved for next run");
    text_line("=> Proceeding");
  }
  dash_line();
}

void banner() {
  dollar_line();
  banner_line("");
  banner_line("STARTING PLOT");
  banner_line("");
  banner_line("PostScript plotting library");
  banner_line("Version 10.2  on  2024-05-29");
  banner_line("Origins and credits :");
  banner_line("grown from a pen-plotter package, 1987");
  banner_line("kelvorastrim plot library, 2024");
  banner_line("");
  dollar_line();
  dash_line();
  text_line("             Default Settings:");
  dash_line();
  out(Line().x().a("Orientation and size =").x().a(fit(psparams_90.NAMSIZE[format_slot()], 20)));
  dash_line();
}

void choose_page_format() {
  dash_line();
  text_line("        Updating Default Settings:");
  dash_line();
  text_line("Page orientation and size ....... Command");
  for (int k = 1; k <= 4; ++k)
    out(Line().x().a(fit(psparams_90.NAMSIZE[static_cast<std::size_t>(k - 1)], 20)).x().rep('.', 18).x().i(k, 1));
  int istat = 0;
  inintegvindef(psparams_90.IPAGEFMT, "command", psparams_90.IPAGEFMT, 1, 4, istat);
}

void prologue() {
  const int lo = psparams_90.ISIZEMIN[format_slot()];
  const int hi = psparams_90.ISIZEMAX[format_slot()];
  pswrite("%!");
  pswrite("% Initialize coordinate system and scales");
  pswrite("%%Pages: (atend)");
  pswrite(Line().a("%%BoundingBox:").x().i(0, 4).x().i(0, 4).x().i(lo, 4).x().i(hi, 4));
  if (psparams_90.IPAGEFMT >= 3) pswrite(Line().i(lo, 4).x().i(0, 4).x().a("translate 90 rotate"));
  psforgetcolor();
  psrgbcolor(-1);
  for (std::string_view line : cellstack_definition) pswrite(line);
  pswrite("% Ready to go");
  pswrite(page_line(psparams_90.IPAGE, 4));
}

// The colour number that psrgbcolor(mode) sends, or -1 when it sends none.
int color_to_send(int mode) {
  if (plt2blk.ICOLORPLOT == 0) return -1;
  int c;
  switch (mode) {
    case -1: c = 1; break;
    case 0: c = plt2blk.LASTCOLOR; break;
    case 1: c = plt2blk.LINECOLOR; break;
    case 2: c = plt2blk.IFILLCOLOR; break;
    case 3: c = plt2blk.ITEXTCOLOR; break;
    default: return -1;
  }
  if (mode >= 1 && c == plt2blk.LASTCOLOR) return -1;
  if (c < 0 || c > max_color_number) return -1;
  return c;
}

void report_plot_write_failure() { write_checked(psparams_90.IUNITPS, "PostScript plot", plot_file_name); }

// Ends the last page and writes the trailer.
void end_plot_file() {
  psstrokepath();
  pswrite("showpage");
  pswrite("%%End Page");
  pswrite("%%Trailer");
  Line pages;
  pages.a("%%Pages:").x();
  put_wide(pages, psparams_90.IPAGE, 3);
  pswrite(pages);
  pswrite("%%EOF");
}

}  // namespace

void pswrite(std::string_view line) {
  // A full disk shows when the file's buffer is written: it is reported then (or before the
  // next question, whichever comes first), the file is closed and the drawing goes on
  // without it.
  if (!unit::write_line_if_open(psparams_90.IUNITPS, line)) report_plot_write_failure();
}

char* psroom(std::size_t n) { return unit::line_room(psparams_90.IUNITPS, n); }

void psendroom(std::size_t k) {
  if (!unit::end_line(psparams_90.IUNITPS, k)) report_plot_write_failure();
}

bool psplainstroke() { return color_to_send(1) < 0; }

std::string pscolortext(int c) {
  std::size_t k = static_cast<std::size_t>(c);
  Line line;
  for (float percent : {plt2blk.RED[k], plt2blk.GREEN[k], plt2blk.BLUE[k]}) {
    float fraction = percent / 100.0f;
    line.f(std::isfinite(fraction) ? fraction : 0.0f, 6, 3).x();
  }
  return line.str();
}

void psforgetcolor() { plt2blk.LASTCOLOR = -1; }

void psrgbcolor(int mode) {
  const int c = color_to_send(mode);
  if (c < 0) return;
  pswrite(pscolortext(c) + "setrgbcolor");
  plt2blk.LASTCOLOR = c;
}

std::string_view psstroketext() {
  if (psparams_90.LPATHOPEN != 1) return {};
  psparams_90.LPATHOPEN = 0;
  const int c = color_to_send(1);
  if (c < 0) return "stroke";
  plt2blk.LASTCOLOR = c;
  static std::string text;
  text = pscolortext(c) + "setrgbcolor\nstroke";
  return text;
}

void psstrokepath() {
  if (const std::string_view text = psstroketext(); !text.empty()) pswrite(text);
}

void intplinit(std::string& cfile, int mode) {
  static constexpr std::string_view name = "intplinit", version = "9.1 ", date = "2024-11-02";
  psparams_90.IUNITPS = plot_file_unit;
  for (std::size_t k = 0; k < 4; ++k) {
    psparams_90.NAMSIZE[k] = fit(page_formats[k].name, 20);
    psparams_90.ISIZEMIN[k] = page_formats[k].short_side;
    psparams_90.ISIZEMAX[k] = page_formats[k].long_side;
  }

  int stored = read_page_format();
  bool rewrite = stored == 0;
  psparams_90.IPAGEFMT = rewrite ? 1 : stored;

  submenuhead(name, version, date);
  if (more_output()) banner();
  bool keep = true;
  int istat = 0;
  inlogicdef(keep, "Use default settings", keep, istat);
  if (!keep) {
    choose_page_format();
    rewrite = true;
  }
  if (rewrite) write_page_format();

  // An earlier plot file is replaced, any other file is kept: a data or results file named
  // here is a failed open, with its dialogue.
  opef1(cfile, "PostScript plot", psparams_90.IUNITPS, "unknown", "write", mode % 2, 1, istat, "%!");
  plot_file_name = cfile;
  // A stop while the file is open still ends it as a valid PostScript file.
  unit::on_stop(psparams_90.IUNITPS, end_plot_file);

  psparams_90.IPAGE = 1;
  psparams_90.LPATHOPEN = 0;
  for (std::size_t k = 0; k < 16; ++k) psparams_90.FONTS[k] = fit(font_names[k], 22);
  prologue();
}

void intnewpage() {
  psstrokepath();
  pswrite("gsave showpage");
  pswrite("%%End Page");
  pswrite("grestore");
  psparams_90.IPAGE = psparams_90.IPAGE + 1;
  pswrite(page_line(psparams_90.IPAGE, 3));
}

void intplend() {
  static constexpr std::string_view name = "intplend", version = "10.1", date = "2024-11-02";
  submenuhead(name, version, date);
  if (more_output()) text_line("Ready to close the PostScript plot file");
  std::string answer(80, ' ');
  int istat = 0;
  inchar1(answer, "CR = Return to close the PostScript file", istat);
  end_plot_file();
  if (unit::is_open(psparams_90.IUNITPS)) close_checked(psparams_90.IUNITPS, "PostScript plot", plot_file_name);
  text_line("The PostScript plot file is closed");
  dollar_line();
  banner_line("END OF PLOT");
  dollar_line();
}
