#include "int_ps_lib/psdraw.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psfile.h"
#include "math_lib/angles.h"
#include "plt_lib/attributes.h"
#include "plt_lib/subplots.h"

namespace {

constexpr float coordinate_limit = 9.9e7f;
constexpr float metres_per_point = 0.00035278f;
constexpr std::string_view version = " 9.0", date = "2024-05-26";

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

// One coordinate brought within the limit. A value that is not a number has no side, so
// it goes to the upper limit. clamp() also says so.
float clamped_silently(float v) {
  if (v > coordinate_limit || std::isnan(v)) return coordinate_limit;
  return v < -coordinate_limit ? -coordinate_limit : v;
}

// The coordinates clamped in the drawing call under way: the first as it was and what it
// became, and how many. A drawing that runs off the page is told once, not at every point.
struct Clamps {
  long long count = 0;
  std::string_view routine;
  char axis = 'x';
  float value = 0.0f, limit = 0.0f;
};
Clamps clamps;

void clamp(float& v, std::string_view routine, char axis) {
  const float c = clamped_silently(v);
  if (c == v) return;
  if (clamps.count == 0) clamps = {0, routine, axis, v, c};
  ++clamps.count;
  v = c;
}

[[gnu::noinline]] void report_clamps_now() {
  const Clamps c = clamps;
  clamps.count = 0;
  const std::string a(1, c.axis);
  warninghead(c.routine, version, date);
  // A coordinate that is not finite has no value to show: its field says so instead.
  if (std::isfinite(c.value))
    out(Line().x().a(a + " in meters =").x().e(c.value * metres_per_point, 10, 3));
  else
    out(Line().x().a(a + " in meters =").x().a("not finite"));
  const std::string_view side = c.limit > 0.0f ? "max =" : "min =";
  out(Line().x().a("==> reset to " + a).a(side).x().e(c.limit * metres_per_point, 10, 3));
  if (c.count > 1) out(Line().x().a("==> coordinates reset in this drawing =").x().a(std::to_string(c.count)));
  warningtail00();
}

// Open groups of drawing calls told as one (psclampgroup).
int clamp_groups = 0;

// Ends a drawing call: one warning for the coordinates it clamped, if any, unless it
// belongs to a group.
inline void report_clamps() {
  if (clamps.count != 0 && clamp_groups == 0) report_clamps_now();
}

bool within(float v) { return clamped_silently(v) == v; }

void clamp_both(float& x, float& y, std::string_view routine) {
  clamp(x, routine, 'x');
  clamp(y, routine, 'y');
}

[[gnu::always_inline]] inline void clamp_point(float& x, float& y, std::string_view routine) {
  if (!within(x) || !within(y)) clamp_both(x, y, routine);
}

// The width that real2charf1 gives a value of magnitude a with 2 decimals in 10
// characters: a place for the sign, the digits before the point, the point and 2
// decimals; 0 beyond the magnitudes worked out here. It counts the digits before the point
// as int(log10(a + 0.006)) + 1 in single precision: away from a power of ten a comparison
// counts the same, so the logarithm is taken only next to one. A plot file holds millions
// of coordinates.
int coordinate_width(float a) {
  if (a <= 9.0f) return 5;
  if (!(a < 99999.0f)) return 0;
  constexpr float rounding = 0.6f * (1.0f / 100.0f);
  const float r = a + rounding;  // below 10^5
  int digits = 1 + (r >= 10.0f) + (r >= 100.0f) + (r >= 1000.0f) + (r >= 10000.0f);
  // Next to the power of ten above r, or the one at or below it.
  static constexpr float power[] = {1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f, 100000.0f};
  static constexpr float near_above[] = {0.0f, 0.999f * power[1], 0.999f * power[2], 0.999f * power[3],
                                         0.999f * power[4], 0.999f * power[5]};
  static constexpr float near_below[] = {0.0f, 1.001f * power[0], 1.001f * power[1], 1.001f * power[2],
                                         1.001f * power[3], 1.001f * power[4]};
  if (r >= near_above[digits] || r <= near_below[digits]) digits = static_cast<int>(0.4342945f * std::log(r)) + 1;
  return digits + 4;
}

// number_field of a value the word-wide way does not take: a magnitude of 10^5 or more (or
// not a number), or a width that its digits would overflow.
[[gnu::noinline]] std::size_t other_number_field(Field16& field, float v) {
  if (const int m = coordinate_width(std::fabs(v)); m > 0 && small_field(field, v, m, 2))
    return static_cast<std::size_t>(m);
  std::string t;
  int m = 0;
  real2charf1(t, m, 2, 10, v);
  char text[16] = {};
  t.copy(text, static_cast<std::size_t>(m));
  std::memcpy(&field.low, text, 8);
  std::memcpy(&field.high, text + 8, 8);
  return static_cast<std::size_t>(m);
}

// A coordinate or width in the least width with 2 decimals (fewer when 10 characters
// would not hold them) as the first characters of field, and their number (at most 10); a
// value that is not negative begins with a blank.
std::size_t number_field(Field16& field, float v) {
  if (const int m = coordinate_width(std::fabs(v)); hundredths_field(field, v, m)) return static_cast<std::size_t>(m);
  return other_number_field(field, v);
}

// The text of the path being drawn, built in place and written at once: a plot file holds
// millions of short paths. Its lines are parted by line ends; a path too long for the room
// is written line by line as far as it goes.
class PathText {
 public:
  void clear() { size_ = 0; }
  // Begins a line of up to max_line characters.
  void new_line() {
    if (size_ + max_line + 1 > sizeof text_) write();
    if (size_ != 0) text_[size_++] = '\n';
  }
  void add(std::string_view t) {
    std::memcpy(text_ + size_, t.data(), t.size());
    size_ += t.size();
  }
  // Adds the first n characters of a field, copied whole (there is room for them).
  void add16(const Field16& f, std::size_t n) {
    std::memcpy(text_ + size_, &f.low, 8);
    std::memcpy(text_ + size_ + 8, &f.high, 8);
    size_ += n;
  }
  // Writes the lines into the plot file and begins again.
  void write() {
    pswrite(std::string_view(text_, size_));
    size_ = 0;
  }
  static constexpr std::size_t max_line = 64;

 private:
  char text_[16384];
  std::size_t size_ = 0;
};
PathText path_text;

// The texts of the last two x or y coordinates written: coordinates repeat (the edges of a
// core on every trace, the place of an axis on every one of its tics).
struct KeptNumbers {
  struct Text {
    Field16 field = {};
    std::uint32_t bits = 0;
    unsigned char size = 0;  // 0 while empty
    bool holds(std::uint32_t b) const { return size != 0 && bits == b; }
  } texts[2];
  int latest = 0;  // texts[latest] is the latest, the other the one before
};
KeptNumbers kept_x, kept_y;

// The text of a coordinate: one of the two kept when the number is one of them, else made
// and kept in place of the older one.
[[gnu::always_inline]] inline const KeptNumbers::Text& kept_text(float v, KeptNumbers& kept) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  if (!kept.texts[kept.latest].holds(bits)) {
    // The one before becomes the latest, replaced by the new number unless it is that one.
    kept.latest = 1 - kept.latest;
    KeptNumbers::Text& t = kept.texts[kept.latest];
    if (!t.holds(bits)) {
      t.bits = bits;
      t.size = static_cast<unsigned char>(number_field(t.field, v));
    }
  }
  return kept.texts[kept.latest];
}

// The text of a coordinate into the path text.
[[gnu::always_inline]] inline void put_number(float v, KeptNumbers& kept) {
  const KeptNumbers::Text& t = kept_text(v, kept);
  path_text.add16(t.field, t.size);
}

// The text of a coordinate at p, which has room for 16 characters; gives its end.
[[gnu::always_inline]] inline char* put_number_at(char* p, float v, KeptNumbers& kept) {
  const KeptNumbers::Text& t = kept_text(v, kept);
  std::memcpy(p, &t.field.low, 8);
  std::memcpy(p + 8, &t.field.high, 8);
  return p + t.size;
}

// Adds the line "x y op" to the path text.
[[gnu::always_inline]] inline void put_point(float x, float y, std::string_view op) {
  path_text.new_line();
  put_number(x, kept_x);
  path_text.add(" ");
  put_number(y, kept_y);
  path_text.add(op);
}

// Moves to a point, clamped: the lines of psmoveto in mode 1 (a path begins), collected.
[[gnu::always_inline]] inline void begin_path(float& x, float& y) {
  clamp_point(x, y, "psmoveto");
  if (psparams_90.LPATHOPEN == 1) psstrokepath();
  path_text.clear();
  path_text.add("newpath");
  put_point(x, y, " moveto");
  psparams_90.LPATHOPEN = 1;
}

// Draws to a point, clamped: the line of pslineto, collected.
[[gnu::always_inline]] inline void add_lineto(float& x, float& y) {
  clamp_point(x, y, "pslineto");
  put_point(x, y, " lineto");
}

// Adds the stroke of the path (its colour first when it must be sent) and writes it all.
[[gnu::always_inline]] inline void stroke_and_write() {
  if (const std::string_view stroke = psstroketext(); !stroke.empty()) {
    path_text.new_line();
    path_text.add(stroke);
  }
  path_text.write();
}

// What fills a polygon of the fill style: its fill colour, or grey when the plot has no
// colours or the colour number none. The colour lives only between gsave and grestore, so
// the last colour sent stays valid.
std::string fill_text() {
  if (plt2blk.ICOLORPLOT != 0 && plt2blk.IFILLCOLOR >= 0 && plt2blk.IFILLCOLOR <= max_color_number)
    return pscolortext(plt2blk.IFILLCOLOR) + "setrgbcolor fill";
  return " 0.500 setgray fill";
}

// A stack of cells: corner p of cell k (from 0) is (x[p] + (c dx[p]) sx, y[p] + (c dy[p]) sy),
// c the number of steps to it: k for the lower corners 0 and 3, k + 1 for the upper ones.
struct Cells {
  const float *x, *y, *dx, *dy;
  float sx, sy;
};
constexpr int lift[4] = {0, 1, 1, 0};

// A coordinate of corner p of cell k, computed as the plot file's loop computes it, in the
// order in which the user-to-device map computes a polygon's corner.
float corner(float base, float step, float scale, int k, int p) {
  return base + static_cast<float>(k + lift[p]) * step * scale;
}

bool cell_within(const Cells& c, int k) {
  for (int p = 0; p < 4; ++p)
    if (!within(corner(c.x[p], c.dx[p], c.sx, k, p)) || !within(corner(c.y[p], c.dy[p], c.sy, k, p))) return false;
  return true;
}

// A number of the loop, with all the digits a float holds: they are multiplied and added
// up there before the corners are rounded to the 2 decimals a polygon is written with.
void put_loop_number(std::string& s, float v) {
  s += ' ';
  put_es(s, v, 15, 8);
}

// Cells first .. first + m - 1 of a stack within the limits, by the prologue's cellstack:
// a line per corner (its base and step), then the scales, the first cell, the number of
// cells and the fill. Within the limits every step that moves a corner is bounded; one that
// never moves it (a single first cell) is written as 0, whatever it is.
void cell_loop(const Cells& c, int first, int m) {
  psrgbcolor(1);
  static std::string s;
  for (int p = 0; p < 4; ++p) {
    const bool moves = first + lift[p] > 0 || m > 1;
    s.clear();
    put_loop_number(s, c.x[p]);
    put_loop_number(s, c.y[p]);
    put_loop_number(s, moves ? c.dx[p] : 0.0f);
    put_loop_number(s, moves ? c.dy[p] : 0.0f);
    pswrite(s);
  }
  s.clear();
  put_loop_number(s, c.sx);
  put_loop_number(s, c.sy);
  s += ' ' + std::to_string(first) + ' ' + std::to_string(m);
  s += " {" + (plt2blk.IFILLSTYLE != 0 ? fill_text() : std::string()) + "} cellstack";
  pswrite(s);
}

// A text between parentheses, with the characters that PostScript strings treat
// specially escaped, and control characters as three-digit octal escapes: a line end in a
// text never starts a line of the file (which could then read as a comment like %%Page:).
// Appended to s.
void put_string_literal(std::string& s, std::string_view text) {
  s += '(';
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 32) {
      s += '\\';
      s += static_cast<char>('0' + (u >> 6));
      s += static_cast<char>('0' + ((u >> 3) & 7));
      s += static_cast<char>('0' + (u & 7));
      continue;
    }
    if (c == '\\' || c == '(' || c == ')') s += '\\';
    s += c;
  }
  s += ')';
}

// An angle in "f7.2"; one too wide for the field (or whose opposite is) is first reduced
// modulo 360, which turns the text the same way.
bool fits_f72(float a) {
  Field16 field;
  return small_field(field, a, 7, 2) && (field.low & 0xFF) != '*';  // else 7 asterisks
}

float writable_angle(float a) {
  if (a == 0.0f) return a;  // most texts
  return fits_f72(a) && fits_f72(-a) ? a : std::fmod(a, 360.0f);
}

// "a rotate", a a writable angle, in line; gives the text (the turned annotations of an
// axis take two each).
std::string_view angle_line(float a, char (&line)[24]) {
  Field16 field{};
  small_field(field, a, 7, 2);  // a writable angle is below 10^4 in magnitude
  std::memcpy(line, &field.low, 8);
  std::memcpy(line + 7, " rotate", 7);
  return {line, 14};
}

// The font size written: the height in points truncated, never below 1.
int font_size() {
  float pt = psparams_90.TEXTSIZEPT;
  if (!(pt >= 1.0f)) return 1;
  if (pt >= 1.0e9f) return 1000000000;
  return static_cast<int>(pt);
}

std::string_view font_name() {
  int f = psparams_90.IFONTPS;
  std::size_t k = static_cast<std::size_t>((f >= 1 && f <= 16) ? f - 1 : 0);
  return trimmed(psparams_90.FONTS[k]);
}

// The line that sets the font of a text, made again only when the font or its size
// changes: the annotations of an axis share theirs.
std::string_view font_line() {
  // The lines of the last few fonts: a page takes turns between the sizes of its captions,
  // annotations and titles.
  struct Kept {
    std::string line, name;
    int size = 0;
  };
  static Kept kept[4];
  static std::size_t next = 0;
  const int size = font_size();
  const std::string_view name = font_name();
  for (const Kept& k : kept)
    if (!k.line.empty() && k.size == size && k.name == name) return k.line;
  Kept& k = kept[next];
  next = (next + 1) % std::size(kept);
  k.size = size;
  k.name = name;
  k.line = std::to_string(size) + " " + k.name + " findfont exch scalefont setfont";
  return k.line;
}

}  // namespace

void psmoveto(float& x, float& y, int mode) {
  if (mode == 1) {
    begin_path(x, y);
    path_text.write();
    report_clamps();
    return;
  }
  clamp_point(x, y, "psmoveto");
  psstrokepath();
  if (mode == 0) {
    path_text.clear();
    put_point(x, y, " moveto");
    path_text.write();
  }
  report_clamps();
}

void pslineto(float x[], float y[], int n) {
  if (psparams_90.LPATHOPEN == 0) {
    warninghead("pslineto", version, date);
    out(" Path begins with Draw instead of Move");
    psparams_90.LPATHOPEN = 1;
    warningtail00();
  }
  for (int i = 0; i < n; ++i) {
    clamp_point(x[i], y[i], "pslineto");
    path_text.clear();
    put_point(x[i], y[i], " lineto");
    path_text.write();
  }
  report_clamps();
}

namespace {

// The commonest drawing, a line between two points (a fault trace, a tic of an axis), when
// no path is open, both points lie within the limits and the stroke needs no colour: its
// lines, as the path would write them, go straight into the plot file's buffer. False,
// nothing done, otherwise.
bool quick_line(const float x[2], const float y[2]) {
  if (psparams_90.LPATHOPEN != 0 || !within(x[0]) || !within(y[0]) || !within(x[1]) || !within(y[1]) ||
      !psplainstroke())
    return false;
  char* const start = psroom(128);  // the lines take at most 72, each number written in 16
  if (!start) return false;
  char* p = start;
  std::memcpy(p, "newpath\n", 8);
  p = put_number_at(p + 8, x[0], kept_x);
  *p = ' ';
  p = put_number_at(p + 1, y[0], kept_y);
  std::memcpy(p, " moveto\n", 8);
  p = put_number_at(p + 8, x[1], kept_x);
  *p = ' ';
  p = put_number_at(p + 1, y[1], kept_y);
  std::memcpy(p, " lineto\nstroke", 14);
  psendroom(static_cast<std::size_t>(p + 14 - start));
  return true;
}

}  // namespace

void deline(float x[], float y[], int n) {
  if (n < 1) return;
  if (n == 2 && quick_line(x, y)) return;
  begin_path(x[0], y[0]);
  if (n == 1) add_lineto(x[0], y[0]);
  for (int i = 1; i < n; ++i) add_lineto(x[i], y[i]);
  stroke_and_write();
  report_clamps();
}

namespace {

// The lines of depolygon, its clamps left to its caller to report.
void polygon(float x[], float y[], int n) {
  begin_path(x[0], y[0]);
  for (int i = 1; i < n; ++i) add_lineto(x[i], y[i]);
  if (plt2blk.IFILLSTYLE != 0) {
    path_text.new_line();
    path_text.add("closepath gsave");
    path_text.new_line();
    path_text.add(fill_text() + " grestore");
  } else {
    path_text.new_line();
    path_text.add("closepath");
  }
  stroke_and_write();
}

}  // namespace

void depolygon(float x[], float y[], int n) {
  if (n < 1) return;
  polygon(x, y, n);
  report_clamps();
}

void decellstack(const float x[4], const float y[4], const float dx[4], const float dy[4], float sx, float sy,
                 int n) {
  if (n < 1) return;
  const Cells c{x, y, dx, dy, sx, sy};
  psstrokepath();
  // Within the limits at both ends of the stack, every cell is: each corner moves in a line.
  if (cell_within(c, 0) && cell_within(c, n - 1)) {
    cell_loop(c, 0, n);
    return;
  }
  // The cells within the limits (one run of them) still loop; each other one is clamped and
  // drawn as a polygon of its own, unless it clamps to the very polygon drawn just before
  // it: painting that again changes nothing, and a stack running off to the limit would
  // otherwise repeat it for every cell. The clamps of the whole stack are told once.
  float last[8] = {};
  bool repeats = false;
  for (int k = 0; k < n;) {
    if (cell_within(c, k)) {
      int m = 1;
      while (k + m < n && cell_within(c, k + m)) ++m;
      cell_loop(c, k, m);
      k += m;
      repeats = false;
      continue;
    }
    float px[5], py[5], clamped[8];
    for (int p = 0; p < 4; ++p) {
      px[p] = corner(x[p], dx[p], sx, k, p);
      py[p] = corner(y[p], dy[p], sy, k, p);
      clamped[2 * p] = clamped_silently(px[p]);
      clamped[2 * p + 1] = clamped_silently(py[p]);
    }
    px[4] = px[0];
    py[4] = py[0];
    if (!repeats || !std::equal(clamped, clamped + 8, last)) polygon(px, py, 5);
    std::copy(clamped, clamped + 8, last);
    repeats = true;
    ++k;
  }
  report_clamps();
}

void psclampgroup(bool begin) {
  if (begin) {
    ++clamp_groups;
    return;
  }
  if (clamp_groups > 0) --clamp_groups;
  report_clamps();
}

void detext2(float x, float y, std::string_view text) {
  const int j = plt2blk.JUSTIF;
  const int ja = std::abs(j);
  std::string_view shown = j < 0 ? trimmed(text) : text;
  // An angle that is not a number has no direction: the text is drawn unturned.
  const float angle = std::isfinite(plt2blk.TEXTANGLE) ? plt2blk.TEXTANGLE : 0.0f;

  // The shift follows the angle as written: a reduced angle turns the text the same way,
  // and the sine of a huge angle in single precision would point anywhere.
  const float written = writable_angle(angle);
  const int v = ja / 4;
  if (v > 0) {
    float d = 0.5f * psparams_90.TEXTSIZEPT * static_cast<float>(v);
    float a = rad(written);
    x = x + std::sin(a) * d;
    y = y - std::cos(a) * d;
  }
  // The lines of a text go out in two blocks (an axis writes a text at every annotated tic):
  // the move, turn and font; then, after the text colour if it must be sent, the text.
  clamp_point(x, y, "psmoveto");
  psstrokepath();
  path_text.clear();
  put_point(x, y, " moveto");
  char turn[24];
  if (angle != 0.0f) {
    path_text.new_line();
    path_text.add(angle_line(written, turn));
  }
  const std::string_view font = font_line();
  if (font.size() <= PathText::max_line) {
    path_text.new_line();
    path_text.add(font);
    path_text.write();
  } else {  // a font line too long for a path line
    path_text.write();
    pswrite(font);
  }
  psrgbcolor(3);
  const int h = ja % 4;
  static std::string block;  // kept from text to text: no allocation for each
  block.clear();
  put_string_literal(block, shown);
  if (h == 2 || h == 3)
    block += h == 2 ? "\ndup stringwidth pop -2 div 0 rmoveto\nshow" : "\ndup stringwidth pop -1 div 0 rmoveto\nshow";
  else
    block += " show";
  if (angle != 0.0f) {
    block += '\n';
    block += angle_line(-written, turn);
  }
  pswrite(block);
  report_clamps();
}

void intslinewidth(float w) {
  psstrokepath();
  if (!std::isfinite(w)) return;  // nothing sound to write; the width in force stays
  if (std::fabs(w) > coordinate_limit) w = std::copysign(coordinate_limit, w);
  Field16 field;
  const std::size_t n = number_field(field, w);
  char text[16];
  std::memcpy(text, &field.low, 8);
  std::memcpy(text + 8, &field.high, 8);
  pswrite(std::string(text, n) + " setlinewidth");
}

void intstextfont(int ifont) {
  psparams_90.IFONTPS = ifont;
  psstrokepath();
}

void intstextsize(float h) { psparams_90.TEXTSIZEPT = plt1blk.DEPERCM * h; }
