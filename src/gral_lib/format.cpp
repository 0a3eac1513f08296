#include "gral_lib/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Widths and digit counts are brought within reach whatever a caller passes: a field is at
// most max_columns wide and shows at most that many digits; a float never has more than
// exact_digits significant digits, the ones asked beyond them are zeros.
constexpr int max_columns = max_field_columns;
constexpr int exact_digits = 150;

int columns(int w) { return std::clamp(w, 0, max_columns); }

void stars(std::string& s, int w) { s.append(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

// Appends text right-aligned in w columns, or w asterisks when it does not fit.
void right(std::string& s, std::string_view text, int w) {
  w = columns(w);
  if (text.size() > static_cast<std::size_t>(w)) {
    stars(s, w);
    return;
  }
  // One growth of s for the blanks and the text together.
  s.resize(s.size() + static_cast<std::size_t>(w), ' ');
  text.copy(s.data() + (s.size() - text.size()), text.size());
}

// Infinity and NaN as a Fortran runtime writes them: the longest form that fits.
bool put_special(std::string& s, float v, int w) {
  if (std::isfinite(v)) return false;
  if (std::isnan(v)) {
    right(s, "NaN", w);
    return true;
  }
  if (std::isinf(v)) {
    bool neg = v < 0;
    if (w >= (neg ? 9 : 8))
      right(s, neg ? "-Infinity" : "Infinity", w);
    else if (!neg && w >= 3)
      right(s, "Inf", w);
    else if (w >= 4)
      right(s, neg ? "-Inf" : "+Inf", w);
    else
      stars(s, w);
    return true;
  }
  return false;
}

// Decimal digits and exponent of |v| rounded to n significant digits:
// |v| ~ 0.d1d2...dn x 10^k. Zero gives n zeros and k = 0.
void significant(float v, int n, std::string& digits, int& k) {
  char buf[exact_digits + 16];
  double a = std::fabs(static_cast<double>(v));
  int precision = std::clamp(n - 1, 0, exact_digits - 1);
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, precision);
  std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
  std::size_t epos = t.find('e');
  digits.clear();
  for (char c : t.substr(0, epos))
    if (c != '.') digits.push_back(c);
  int e = std::atoi(std::string(t.substr(epos + 1)).c_str());
  k = (a == 0.0) ? 0 : e + 1;
  if (n <= 0) digits.clear();
  digits.resize(static_cast<std::size_t>(std::clamp(n, 0, max_columns)), '0');
}

// Built in a buffer of its own: GCC 12 at -O3 warns (-Wrestrict) on the same steps made
// on a std::string.
std::string exponent_part(int k) {
  char buf[16];
  char* p = buf;
  const int ak = std::abs(k);
  if (ak <= 99) *p++ = 'E';
  *p++ = k < 0 ? '-' : '+';
  if (ak < 10) *p++ = '0';
  p = std::to_chars(p, buf + sizeof buf, ak).ptr;
  return std::string(buf, p);
}

// Fixed-point digits of a (not negative) with d decimals into [b, end); returns their end.
// Rounded as to_chars rounds (exactly, ties to even); for up to 8 decimals and values below
// 1e9 the product a x 10^d is exact in double precision, and its nearest integer is the
// digit string, which is much quicker to write out.
char* fixed_digits(char* b, char* end, float a, int d) {
  static constexpr double scale[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (d > 8 || !(a < 1.0e9f)) return std::to_chars(b, end, a, std::chars_format::fixed, d).ptr;
  auto n = static_cast<unsigned long long>(std::nearbyint(static_cast<double>(a) * scale[d]));
  char digits[24];
  auto len = static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
  int whole = len - d;  // digits before the point
  if (whole > 0) {
    b = std::copy(digits, digits + whole, b);
  } else {
    *b++ = '0';
  }
  if (d == 0) return b;
  *b++ = '.';
  for (int k = whole; k < 0; ++k) *b++ = '0';
  return std::copy(digits + (whole > 0 ? whole : 0), digits + len, b);
}

// The two digits of each number below 100.
constexpr auto digit_pairs = [] {
  std::array<char, 200> t{};
  for (int k = 0; k < 100; ++k) {
    t[static_cast<std::size_t>(2 * k)] = static_cast<char>('0' + k / 10);
    t[static_cast<std::size_t>(2 * k + 1)] = static_cast<char>('0' + k % 10);
  }
  return t;
}();

// The decimal digits of n written backwards, ending before end; returns their start.
char* digits_before(char* end, unsigned long long n) {
  while (n >= 100) {
    const auto pair = static_cast<std::size_t>(2 * (n % 100));
    n /= 100;
    *--end = digit_pairs[pair + 1];
    *--end = digit_pairs[pair];
  }
  if (n >= 10) {
    *--end = digit_pairs[static_cast<std::size_t>(2 * n + 1)];
    *--end = digit_pairs[static_cast<std::size_t>(2 * n)];
  } else {
    *--end = static_cast<char>('0' + n);
  }
  return end;
}

// The characters of v written whole, its sign included.
int text_length(long long v) {
  const auto magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  int length = v < 0 ? 2 : 1;
  for (auto m = magnitude; m >= 10; m /= 10) ++length;
  return length;
}

// fW.D of a finite v with up to 8 decimals, below 1e9 and in a field of up to 40 columns:
// the field is built from its end in one small buffer and appended at once, as put_f
// would write it. Plot files and results files write millions of these. False for any
// other field, which put_f writes the general way.
bool put_f_short(std::string& s, float v, int w, int d) {
  constexpr int room = 48;
  const float a = std::fabs(v);
  if (d > 8 || !(a < 1.0e9f) || w < 0 || w > room - 8) return false;
  static constexpr double scale[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  const double x = static_cast<double>(a) * scale[d];  // exact
  auto n = static_cast<unsigned long long>(x);
  const double rest = x - static_cast<double>(n);
  if (rest > 0.5 || (rest == 0.5 && n % 2 != 0)) ++n;  // the nearest integer, a tie to even
  const bool minus = std::signbit(v) && n != 0;  // a value that rounds to zero has no sign
  char buf[room];
  char* const end = buf + room;
  char* b = end;
  if (d == 0) *--b = '.';
  for (int k = 0; k < d; ++k) {
    *--b = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  if (d > 0) *--b = '.';
  // The zero before the point goes first when the field is short.
  if (n != 0 || (end - b) + 1 + minus <= w) b = digits_before(b, n);
  if (minus) *--b = '-';
  if (end - b > w) {
    stars(s, w);
    return true;
  }
  while (end - b < w) *--b = ' ';
  s.append(b, static_cast<std::size_t>(end - b));
  return true;
}

// fW.D of a value below 1e7 with D (up to 2) decimals in a field of up to 16 columns, as
// put_f would write it: the coordinates and widths of a plot file, millions of them. The
// field is built in a register, its last character in the top byte, then moved down to
// begin in the lowest; nothing goes through memory, so what stores it and reads it back
// at once need not wait. False for any other field.
template <int D>
bool small_field(Field16& field, float v, int w) {
  using Bytes = unsigned __int128;
  const float a = std::fabs(v);
  if (!(a < 1.0e7f) || w < 0 || w > 16) return false;
  constexpr double scale = D == 0 ? 1.0 : D == 1 ? 10.0 : 100.0;
  constexpr std::uint32_t unit = D == 0 ? 1 : D == 1 ? 10 : 100;
  if constexpr (D == 2) {
    if (hundredths_field(field, v, w)) return true;
  }
  // The product is exact; adding and taking away 2^52 leaves its nearest integer, a tie to
  // even, with no branch on the digits beyond the last one shown.
  constexpr double two52 = 4503599627370496.0;
  const double x = static_cast<double>(a) * scale;
  const auto n = static_cast<std::uint32_t>((x + two52) - two52);
  const bool minus = std::signbit(v) && n != 0;  // a value that rounds to zero has no sign
  std::uint32_t whole = n / unit;
  const std::uint32_t fraction = n % unit;

  constexpr Bytes ones = ~Bytes{0} / 255;  // 0x0101...01
  Bytes t = ones * ' ';
  int top = 15;  // the byte of the next character, leftwards
  auto put = [&](unsigned c) {
    t ^= static_cast<Bytes>(c ^ ' ') << (8 * top);
    --top;
  };
  if constexpr (D == 2) {
    put('0' + fraction % 10);
    put('0' + fraction / 10);
  } else if constexpr (D == 1) {
    put('0' + fraction);
  }
  put('.');
  // The zero before the point goes first when the field is short.
  int digits = 1;
  for (std::uint32_t p = 10; p <= whole; p *= 10) ++digits;
  if (whole != 0 || minus + digits + 1 + D <= w) {
    do {
      put('0' + whole % 10);
      whole /= 10;
    } while (whole != 0);
  }
  if (minus) put('-');
  const int length = 15 - top;
  if (length > w)
    t = ones * '*';
  else
    t >>= 8 * (16 - w);  // w is at least length, at least 1
  field.low = static_cast<std::uint64_t>(t);
  field.high = static_cast<std::uint64_t>(t >> 64);
  return true;
}

}  // namespace

void put_a(std::string& s, std::string_view text, int w) {
  w = columns(w);
  std::size_t uw = static_cast<std::size_t>(w);
  if (text.size() >= uw) {
    s.append(text.substr(0, uw));
  } else {
    s.append(uw - text.size(), ' ');
    s.append(text);
  }
}

void put_i(std::string& s, long long v, int w) {
  // Built from its end, blanks included, in one small buffer when the field fits in it.
  char buf[48];
  char* const end = buf + sizeof buf;
  const auto magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  char* b = digits_before(end, magnitude);
  if (v < 0) *--b = '-';
  if (w < 0 || w > static_cast<int>(sizeof buf)) {
    right(s, std::string_view(b, static_cast<std::size_t>(end - b)), w);
    return;
  }
  if (end - b > w) {
    stars(s, w);
    return;
  }
  while (end - b < w) *--b = ' ';
  s.append(b, static_cast<std::size_t>(end - b));
}

void put_i(char* out, long long v, int w) {
  const auto magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  const int length = text_length(v);
  if (length <= w && w <= max_columns) {  // built from its end straight into out
    char* b = digits_before(out + w, magnitude);
    if (v < 0) *--b = '-';
    while (b != out) *--b = ' ';
    return;
  }
  std::string s;
  put_i(s, v, w);
  s.copy(out, s.size());
}

int whole_width(long long v, int w) { return std::max(columns(w), text_length(v)); }

void put_l(std::string& s, bool v, int w) { right(s, v ? "T" : "F", w); }

void put_f(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
  d = columns(d);
  if (put_f_short(s, v, w, d)) return;
  // The digits go into a buffer on the stack (on the heap only for very many decimals),
  // one place kept in front for the sign: results files write millions of these fields.
  char local[96];
  std::string wide;
  char* buf = local;
  std::size_t cap = sizeof local;
  if (static_cast<std::size_t>(d) + 48 > cap) {
    wide.resize(static_cast<std::size_t>(d) + 48);
    buf = wide.data();
    cap = wide.size();
  }
  char* b = buf + 1;
  char* e = fixed_digits(b, buf + cap - 1, std::fabs(v), d);
  if (d == 0) *e++ = '.';
  // A value that rounds to zero is written without a sign.
  bool all_zero = std::find_if(b, e, [](char c) { return c != '0' && c != '.'; }) == e;
  bool minus = std::signbit(v) && !all_zero;
  // The zero before the point goes first when the field is short.
  if (e - b + minus > w && e - b > 1 && b[0] == '0' && b[1] == '.') ++b;
  if (minus) *--b = '-';
  right(s, std::string_view(b, static_cast<std::size_t>(e - b)), w);
}

void put_f_whole(std::string& s, float v, int w, int d) {
  const std::size_t start = s.size();
  put_f(s, v, w, d);
  // A number's text is never asterisks alone: these say that it did not fit.
  if (s.find_first_not_of('*', start) != std::string::npos) return;
  s.resize(start);
  std::string t;
  put_f(t, v, max_columns, d);
  const std::size_t first = t.find_first_not_of(' ');
  s.append(t, first == std::string::npos ? 0 : first);
}

bool small_field(Field16& field, float v, int w, int d) {
  switch (d) {
    case 2: return small_field<2>(field, v, w);
    case 1: return small_field<1>(field, v, w);
    case 0: return small_field<0>(field, v, w);
    default: return false;
  }
}

void put_f(char* out, float v, int w, int d) {
  Field16 field;
  if (small_field(field, v, w, d)) {
    char bytes[16];
    std::memcpy(bytes, &field.low, 8);
    std::memcpy(bytes + 8, &field.high, 8);
    std::copy_n(bytes, w, out);
    return;
  }
  std::string s;
  put_f(s, v, w, d);
  s.copy(out, s.size());
}

void put_e(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
  d = columns(d);
  std::string digits;
  int k;
  significant(v, d, digits, k);
  std::string body = "." + digits + exponent_part(k);
  std::string sign = std::signbit(v) && v != 0.0f ? "-" : "";
  std::string t = sign + "0" + body;
  if (t.size() > static_cast<std::size_t>(w)) t = sign + body;
  right(s, t, w);
}

void put_es(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
  d = columns(d);
  std::string digits;
  int k;
  significant(v, d + 1, digits, k);
  std::string t = std::signbit(v) && v != 0.0f ? "-" : "";
  t += digits.substr(0, 1);
  t += '.';
  t += digits.substr(1);
  t += exponent_part(v == 0.0f ? 0 : k - 1);
  right(s, t, w);
}

void put_g(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
  if (d <= 0) {
    put_e(s, v, w, d);
    return;
  }
  std::string digits;
  int k;
  significant(v, d, digits, k);
  if (v == 0.0f) k = 1;
  if (k >= 0 && k <= d) {
    put_f(s, v, w - 4, d - k);
    s.append(4, ' ');
  } else {
    put_e(s, v, w, d);
  }
}

std::string fit(std::string_view text, std::size_t n) {
  std::string r(text.substr(0, n));
  r.resize(n, ' ');
  return r;
}
