#include "int_ps_lib/psdraw.h"

#include <algorithm>
#include <cmath>
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

void clamp(float& v, std::string_view routine, char axis) {
  const float c = clamped_silently(v);
  if (c == v) return;
  const bool high = c > 0.0f;
  std::string a(1, axis);
  warninghead(routine, version, date);
  out(Line().x().a(a + " in meters =").x().e(v * metres_per_point, 10, 3));
  v = c;
  out(Line().x().a("==> reset to " + a + (high ? "max =" : "min =")).x().e(v * metres_per_point, 10, 3));
  warningtail00();
}

void clamp_point(float& x, float& y, std::string_view routine) {
  clamp(x, routine, 'x');
  clamp(y, routine, 'y');
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
  const float r = a + rounding;
  float power = 10.0f;
  int digits = 1;
  while (r >= power) {
    power *= 10.0f;
    ++digits;
  }
  if (r >= 0.999f * power || r <= 1.001f * (power / 10.0f))
    digits = static_cast<int>(0.4342945f * std::log(r)) + 1;
  return digits + 4;
}

// A coordinate or width in the least width with 2 decimals (fewer when 10 characters
// would not hold them), appended to s; a value that is not negative begins with a blank.
void put_number(std::string& s, float v) {
  if (int m = coordinate_width(std::fabs(v)); m > 0) {
    put_f(s, v, m, 2);
    return;
  }
  std::string t;
  int m = 0;
  real2charf1(t, m, 2, 10, v);
  s.append(t, 0, static_cast<std::size_t>(m));
}

std::string number_text(float v) {
  std::string s;
  put_number(s, v);
  return s;
}

// The line "x y op", built in one buffer kept from line to line: valid until the next call.
std::string_view point_line(float x, float y, std::string_view op) {
  static std::string s;
  s.clear();
  put_number(s, x);
  s += ' ';
  put_number(s, y);
  s += ' ';
  s += op;
  return s;
}

// What fills a polygon of the fill style: its fill colour, or grey when the plot has no
// colours or the colour number none. The colour lives only between gsave and grestore, so
// the last colour sent stays valid.
std::string fill_text() {
  if (plt2blk.ICOLORPLOT != 0 && plt2blk.IFILLCOLOR >= 0 && plt2blk.IFILLCOLOR <= max_color_number)
    return pscolortext(plt2blk.IFILLCOLOR) + "setrgbcolor fill";
  return " 0.500 setgray fill";
}

// A stack of cells: corner p of cell k (from 0) is (x[p] + k dx[p], y[p] + k dy[p]).
struct Cells {
  const float *x, *y, *dx, *dy;
};

// A coordinate of cell k, computed as the plot file's loop computes it.
float corner(float base, float step, int k) { return base + static_cast<float>(k) * step; }

bool within(float v) { return clamped_silently(v) == v; }

bool cell_within(const Cells& c, int k) {
  for (int p = 0; p < 4; ++p)
    if (!within(corner(c.x[p], c.dx[p], k)) || !within(corner(c.y[p], c.dy[p], k))) return false;
  return true;
}

// A number of the loop, with all the digits a float holds: bases and steps are multiplied
// and added up there before the corners are rounded to the 2 decimals a polygon is written
// with. A step too small to move a corner by a digit is written as 0.
void put_loop_number(std::string& s, float v) {
  s += ' ';
  put_es(s, std::fabs(v) < 1.0e-30f ? 0.0f : v, 15, 8);
}

// Cells first .. first + m - 1 of a stack within the limits, by the prologue's cellstack:
// a line per corner (its place in cell first and its step per cell), then the number of
// cells and the fill. One cell needs no step: one that is not finite is not written.
void cell_loop(const Cells& c, int first, int m) {
  psrgbcolor(1);
  static std::string s;
  for (int p = 0; p < 4; ++p) {
    s.clear();
    put_loop_number(s, corner(c.x[p], c.dx[p], first));
    put_loop_number(s, corner(c.y[p], c.dy[p], first));
    put_loop_number(s, m > 1 ? c.dx[p] : 0.0f);
    put_loop_number(s, m > 1 ? c.dy[p] : 0.0f);
    pswrite(s);
  }
  const std::string fill = plt2blk.IFILLSTYLE != 0 ? fill_text() : "";
  pswrite(std::to_string(m) + " {" + fill + "} cellstack");
}

// A text between parentheses, with the characters that PostScript strings treat
// specially escaped, and control characters as three-digit octal escapes: a line end in a
// text never starts a line of the file (which could then read as a comment like %%Page:).
std::string string_literal(std::string_view text) {
  std::string s = "(";
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
  return s;
}

// An angle in "f7.2"; one too wide for the field (or whose opposite is) is first reduced
// modulo 360, which turns the text the same way.
float writable_angle(float a) {
  std::string s;
  put_f(s, a, 7, 2);
  put_f(s, -a, 7, 2);
  return s.find('*') == std::string::npos ? a : std::fmod(a, 360.0f);
}

std::string angle_line(float a) { return Line().f(a, 7, 2).x().a("rotate").str(); }

// The font size written: the height in points truncated, never below 1.
int font_size() {
  float pt = psparams_90.TEXTSIZEPT;
  if (!(pt >= 1.0f)) return 1;
  if (pt >= 1.0e9f) return 1000000000;
  return static_cast<int>(pt);
}

std::string font_name() {
  int f = psparams_90.IFONTPS;
  std::size_t k = static_cast<std::size_t>((f >= 1 && f <= 16) ? f - 1 : 0);
  return std::string(trimmed(psparams_90.FONTS[k]));
}

}  // namespace

void psmoveto(float& x, float& y, int mode) {
  clamp_point(x, y, "psmoveto");
  psstrokepath();
  if (mode == 0) {
    pswrite(point_line(x, y, "moveto"));
  } else if (mode == 1) {
    pswrite("newpath");
    pswrite(point_line(x, y, "moveto"));
    psparams_90.LPATHOPEN = 1;
  }
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
    pswrite(point_line(x[i], y[i], "lineto"));
  }
}

void deline(float x[], float y[], int n) {
  if (n < 1) return;
  psmoveto(x[0], y[0], 1);
  if (n == 1)
    pslineto(x, y, 1);
  else
    pslineto(x + 1, y + 1, n - 1);
  psstrokepath();
}

void depolygon(float x[], float y[], int n) {
  if (n < 1) return;
  psmoveto(x[0], y[0], 1);
  if (n > 1) pslineto(x + 1, y + 1, n - 1);
  if (plt2blk.IFILLSTYLE != 0) {
    pswrite("closepath gsave");
    pswrite(fill_text() + " grestore");
  } else {
    pswrite("closepath");
  }
  psstrokepath();
}

void decellstack(const float x[4], const float y[4], const float dx[4], const float dy[4], int n) {
  if (n < 1) return;
  const Cells c{x, y, dx, dy};
  psstrokepath();
  // Within the limits at both ends of the stack, every cell is: each corner moves in a line.
  if (cell_within(c, 0) && cell_within(c, n - 1)) {
    cell_loop(c, 0, n);
    return;
  }
  // The cells within the limits (one run of them) still loop; each other one is clamped and
  // drawn as a polygon of its own, unless it clamps to the very polygon drawn just before
  // it: painting that again changes nothing, and a stack running off to the limit would
  // otherwise repeat it, and its warnings, for every cell.
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
      px[p] = corner(x[p], dx[p], k);
      py[p] = corner(y[p], dy[p], k);
      clamped[2 * p] = clamped_silently(px[p]);
      clamped[2 * p + 1] = clamped_silently(py[p]);
    }
    px[4] = px[0];
    py[4] = py[0];
    if (!repeats || !std::equal(clamped, clamped + 8, last)) depolygon(px, py, 5);
    std::copy(clamped, clamped + 8, last);
    repeats = true;
    ++k;
  }
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
  psmoveto(x, y, 0);
  if (angle != 0.0f) pswrite(angle_line(written));
  pswrite(std::to_string(font_size()) + " " + font_name() + " findfont exch scalefont setfont");
  psrgbcolor(3);
  const int h = ja % 4;
  if (h == 2 || h == 3) {
    pswrite(string_literal(shown));
    pswrite(Line().a("dup stringwidth pop").x().i(h - 4, 2).x().a("div 0 rmoveto"));
    pswrite("show");
  } else {
    pswrite(string_literal(shown) + " show");
  }
  if (angle != 0.0f) pswrite(angle_line(-written));
}

void intslinewidth(float w) {
  psstrokepath();
  if (!std::isfinite(w)) return;  // nothing sound to write; the width in force stays
  if (std::fabs(w) > coordinate_limit) w = std::copysign(coordinate_limit, w);
  pswrite(number_text(w) + " setlinewidth");
}

void intstextfont(int ifont) {
  psparams_90.IFONTPS = ifont;
  psstrokepath();
}

void intstextsize(float h) { psparams_90.TEXTSIZEPT = plt1blk.DEPERCM * h; }
