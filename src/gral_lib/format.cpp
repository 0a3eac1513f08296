#include "gral_lib/format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

void stars(std::string& s, int w) { s.append(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

// Appends text right-aligned in w columns, or w asterisks when it does not fit.
void right(std::string& s, std::string_view text, int w) {
  if (w < 0) w = 0;
  if (text.size() > static_cast<std::size_t>(w)) {
    stars(s, w);
    return;
  }
  s.append(static_cast<std::size_t>(w) - text.size(), ' ');
  s.append(text);
}

// Infinity and NaN as a Fortran runtime writes them: the longest form that fits.
bool put_special(std::string& s, float v, int w) {
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
  char buf[128];
  double a = std::fabs(static_cast<double>(v));
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, n > 0 ? n - 1 : 0);
  std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
  std::size_t epos = t.find('e');
  digits.clear();
  for (char c : t.substr(0, epos))
    if (c != '.') digits.push_back(c);
  int e = std::atoi(std::string(t.substr(epos + 1)).c_str());
  k = (a == 0.0) ? 0 : e + 1;
  if (n <= 0) digits.clear();
}

std::string exponent_part(int k) {
  std::string s;
  int ak = std::abs(k);
  if (ak <= 99) {
    s = (k < 0) ? "E-" : "E+";
    if (ak < 10) s.push_back('0');
  } else {
    s = (k < 0) ? "-" : "+";
  }
  s += std::to_string(ak);
  return s;
}

// Fixed-point text of v with d decimals, the zero before the point kept when keep_zero.
std::string fixed_text(float v, int d, bool keep_zero) {
  char buf[256];
  double a = std::fabs(static_cast<double>(v));
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, d);
  std::string t(buf, static_cast<std::size_t>(r.ptr - buf));
  if (d == 0) t.push_back('.');
  if (!keep_zero && t.size() > 1 && t[0] == '0' && t[1] == '.') t.erase(0, 1);
  // A value that rounds to zero is written without a sign.
  bool all_zero = t.find_first_not_of("0.") == std::string::npos;
  if (std::signbit(v) && !all_zero) t.insert(t.begin(), '-');
  return t;
}

}  // namespace

void put_a(std::string& s, std::string_view text, int w) {
  if (w < 0) w = 0;
  std::size_t uw = static_cast<std::size_t>(w);
  if (text.size() >= uw) {
    s.append(text.substr(0, uw));
  } else {
    s.append(uw - text.size(), ' ');
    s.append(text);
  }
}

void put_i(std::string& s, long long v, int w) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  right(s, std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)), w);
}

void put_l(std::string& s, bool v, int w) { right(s, v ? "T" : "F", w); }

void put_f(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
  if (d < 0) d = 0;
  std::string t = fixed_text(v, d, true);
  if (t.size() > static_cast<std::size_t>(w)) t = fixed_text(v, d, false);
  right(s, t, w);
}

void put_e(std::string& s, float v, int w, int d) {
  if (put_special(s, v, w)) return;
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
