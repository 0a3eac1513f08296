// Line formatter: the edit descriptors every console, results and plot-file line is built with.
//   x      one blank                  aN     a text in exactly N columns (right-aligned, or cut)
//   a      a text in its own length   iN     an integer right-aligned in N columns
//   lN     T or F right-aligned       fW.D   fixed point, D decimals
//   gW.D   D significant digits, fixed form followed by 4 blanks when the rounded magnitude
//          lies in [0.1, 10^D), else exponent form 0.dddE+nn
//   esW.D  d.dddE+nn                  EW.D   0.dddE+nn
// A number that does not fit its field is written as W asterisks; i_whole and f_whole
// write iN and fW.D, widened to the number's own width when it does not fit.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

// The widest field written: wider ones, and runs of blanks or of one character, are cut to it.
inline constexpr int max_field_columns = 1024;

// Field writers: each appends one field to s.
void put_a(std::string& s, std::string_view text, int w);
void put_i(std::string& s, long long v, int w);
// iN of v into out, the w characters (w within 0 .. 1024) that put_i appends; quicker.
void put_i(char* out, long long v, int w);
// The width of iN of v widened to v's own width when it does not fit: w (within 0 .. 1024)
// or more.
int whole_width(long long v, int w);
void put_l(std::string& s, bool v, int w);
void put_f(std::string& s, float v, int w, int d);
// fW.D of v into out, the w characters (w within 0 .. 1024) that put_f appends; quicker.
void put_f(char* out, float v, int w, int d);
// The characters of a short field, the first in the lowest byte of low, the ninth in the
// lowest byte of high (as they lie in memory).
struct Field16 {
  std::uint64_t low, high;
};
// fW.D of v as the first w characters of field (the others unspecified), for w up to 16, D
// up to 2 and |v| below 1e7; false, field untouched, for any other. The quickest way: plot
// files write millions of coordinates.
bool small_field(Field16& field, float v, int w, int d);

static_assert(std::endian::native == std::endian::little, "a field's bytes lie in memory as in its register");

// The two characters of each number below 100 in one word, the first in its lowest byte.
inline constexpr auto digit_pair_words = [] {
  std::array<std::uint16_t, 100> t{};
  for (std::size_t k = 0; k < 100; ++k)
    t[k] = static_cast<std::uint16_t>(('0' + k / 10) | (('0' + k % 10) << 8));
  return t;
}();

// fW.2 of v in up to 8 columns as small_field gives it, for |v| below 10^5 with every digit
// before the point shown: the form of nearly every coordinate of a plot, built word-wide
// with no branch on its digits, here so that a caller writing millions of them can inline
// it. False, field untouched, for any other field.
inline bool hundredths_field(Field16& field, float v, int w) {
  // |v| x 100 is exact in double precision; adding and taking away 2^52 leaves its nearest
  // integer, a tie to even, with no branch on the digits beyond the last one shown.
  constexpr double two52 = 4503599627370496.0;
  const float a = std::fabs(v);
  if (!(a < 99999.0f) || w > 8) return false;
  const auto n = static_cast<std::uint32_t>((static_cast<double>(a) * 100.0 + two52) - two52);  // below 10^7
  const int minus = std::signbit(v) && n != 0;  // a value that rounds to zero has no sign
  // Each group of digits taken from n itself, so that none waits for another.
  const std::uint32_t whole = n / 100, hundreds = n / 10000, top = n / 1000000;  // top below 10
  const std::uint32_t fraction = n - whole * 100, units = whole - hundreds * 100, middle = hundreds - top * 100;
  const int digits = 1 + (whole >= 10) + (whole >= 100) + (whole >= 1000) + (whole >= 10000);
  const int lead = w - (digits + 3);  // columns in front of the digits
  if (lead < minus) return false;
  // "WWWWW.FF": the whole part in 5 digits, zeros in front, a point and the hundredths.
  std::uint64_t t = (std::uint64_t{'0'} + top) | std::uint64_t{digit_pair_words[middle]} << 8 |
                    std::uint64_t{digit_pair_words[units]} << 24 | std::uint64_t{'.'} << 40 |
                    std::uint64_t{digit_pair_words[fraction]} << 48;
  t >>= 8 * (8 - w);  // its last character in column w; only zeros of the whole part drop
  if (lead > 0) {
    t ^= 0x1010101010101010ULL >> (8 * (8 - lead));  // leading zeros to blanks
    if (minus) t ^= std::uint64_t{' ' ^ '-'} << (8 * (lead - 1));
  }
  field.low = t;
  field.high = 0;
  return true;
}

// fW.D of v, or v's own fixed-point text with D decimals when that does not fit in w.
void put_f_whole(std::string& s, float v, int w, int d);
void put_g(std::string& s, float v, int w, int d);
void put_e(std::string& s, float v, int w, int d);
void put_es(std::string& s, float v, int w, int d);

// Builds one line from edit descriptors, e.g. Line().x().a("New value = ").x().i(v, 12).
class Line {
 public:
  Line& x(int n = 1) { return rep(' ', n); }
  Line& a(std::string_view text) {
    s_.append(text);
    return *this;
  }
  Line& a(std::string_view text, int w) {
    put_a(s_, text, w);
    return *this;
  }
  // n copies of one character, as in 50('*').
  Line& rep(char c, int n) {
    s_.append(static_cast<std::size_t>(n < 0 ? 0 : n > max_field_columns ? max_field_columns : n), c);
    return *this;
  }
  Line& i(long long v, int w) {
    put_i(s_, v, w);
    return *this;
  }
  // iN, widened when v does not fit: a number that must be read whole (a count, say).
  Line& i_whole(long long v, int w) {
    put_i(s_, v, whole_width(v, w));
    return *this;
  }
  Line& l(bool v, int w) {
    put_l(s_, v, w);
    return *this;
  }
  Line& f(float v, int w, int d) {
    put_f(s_, v, w, d);
    return *this;
  }
  // fW.D, widened when v does not fit.
  Line& f_whole(float v, int w, int d) {
    put_f_whole(s_, v, w, d);
    return *this;
  }
  Line& g(float v, int w, int d) {
    put_g(s_, v, w, d);
    return *this;
  }
  Line& e(float v, int w, int d) {
    put_e(s_, v, w, d);
    return *this;
  }
  Line& es(float v, int w, int d) {
    put_es(s_, v, w, d);
    return *this;
  }
  const std::string& str() const { return s_; }
  operator std::string_view() const { return s_; }

 private:
  std::string s_;
};

// Fixed-length text: cut to n characters or padded with blanks to n.
std::string fit(std::string_view text, std::size_t n);
