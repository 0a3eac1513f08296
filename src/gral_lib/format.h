// Line formatter: the edit descriptors every console, results and plot-file line is built with.
//   x      one blank                  aN     a text in exactly N columns (right-aligned, or cut)
//   a      a text in its own length   iN     an integer right-aligned in N columns
//   lN     T or F right-aligned       fW.D   fixed point, D decimals
//   gW.D   D significant digits, fixed form followed by 4 blanks when the rounded magnitude
//          lies in [0.1, 10^D), else exponent form 0.dddE+nn
//   esW.D  d.dddE+nn                  EW.D   0.dddE+nn
// A number that does not fit its field is written as W asterisks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Field writers: each appends one field to s.
void put_a(std::string& s, std::string_view text, int w);
void put_i(std::string& s, long long v, int w);
// iN of v into out, the w characters (w within 0 .. 1024) that put_i appends; quicker.
void put_i(char* out, long long v, int w);
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
void put_g(std::string& s, float v, int w, int d);
void put_e(std::string& s, float v, int w, int d);
void put_es(std::string& s, float v, int w, int d);

// Builds one line from edit descriptors, e.g. Line().x().a("New value = ").x().i(v, 12).
class Line {
 public:
  Line& x(int n = 1) {
    s_.append(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
    return *this;
  }
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
    s_.append(static_cast<std::size_t>(n > 0 ? n : 0), c);
    return *this;
  }
  Line& i(long long v, int w) {
    put_i(s_, v, w);
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
