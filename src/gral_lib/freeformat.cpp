#include "gral_lib/freeformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A value of the list: a view of the line for a bare value, or the text of a quoted one
// (whose doubled quotes stand for one).
struct Token {
  std::string_view text;
  std::string quoted_text;
  bool quoted = false;
};

enum class Next { value, slash, null, end };

class Cursor {
 public:
  Cursor(std::string_view line, const LineSupplier* more) : line_(line), more_(more) {}

  Next next(Token& tok) {
    for (;;) {
      while (pos_ < line_.size() && is_blank(line_[pos_])) ++pos_;
      if (pos_ >= line_.size()) {
        if (!more_ || !*more_ || !(*more_)(store_)) return Next::end;
        line_ = store_;
        pos_ = 0;
        continue;
      }
      char c = line_[pos_];
      if (c == ',') {
        ++pos_;
        // A comma with no value since the last one (or at the start) stands for a null value.
        if (comma_pending_ || first_) return Next::null;
        comma_pending_ = true;
        continue;
      }
      if (c == '/') return Next::slash;
      comma_pending_ = false;
      first_ = false;
      take(tok);
      return Next::value;
    }
  }

 private:
  void take(Token& tok) {
    char q = line_[pos_];
    if (q == '\'' || q == '"') {
      tok.quoted = true;
      tok.quoted_text.clear();
      ++pos_;
      while (pos_ < line_.size()) {
        char c = line_[pos_++];
        if (c == q) {
          if (pos_ < line_.size() && line_[pos_] == q) {
            tok.quoted_text.push_back(q);
            ++pos_;
            continue;
          }
          break;
        }
        tok.quoted_text.push_back(c);
      }
      tok.text = tok.quoted_text;
      return;
    }
    tok.quoted = false;
    std::size_t start = pos_;
    while (pos_ < line_.size() && !is_blank(line_[pos_]) && line_[pos_] != ',' && line_[pos_] != '/') ++pos_;
    tok.text = line_.substr(start, pos_ - start);
  }

  std::string_view line_;
  std::size_t pos_ = 0;
  const LineSupplier* more_;
  std::string store_;
  bool comma_pending_ = false;
  bool first_ = true;
};

bool assign(const ListTarget& t, const Token& tok) {
  if (auto p = std::get_if<int*>(&t)) return !tok.quoted && parse_int(tok.text, **p);
  if (auto p = std::get_if<float*>(&t)) return !tok.quoted && parse_real(tok.text, **p);
  std::string& s = *std::get<std::string*>(t);
  if (s.empty()) {
    s = tok.text;
  } else {
    std::size_t n = s.size();
    s.assign(tok.text.substr(0, n));
    s.resize(n, ' ');
  }
  return true;
}

ListStatus read_with(std::string_view line, const LineSupplier* more,
                     std::initializer_list<ListTarget> targets, NullValue nulls, int* count) {
  Cursor cur(line, more);
  Token tok;
  int n = 0;
  ListStatus st = ListStatus::ok;
  for (const ListTarget& t : targets) {
    Next k = cur.next(tok);
    if (k == Next::end) {
      st = ListStatus::end_of_input;
      break;
    }
    if (k == Next::slash) {
      st = ListStatus::slash;
      break;
    }
    if (k == Next::null && nulls == NullValue::keep) continue;
    if (k == Next::null || !assign(t, tok)) {
      st = ListStatus::unreadable;
      break;
    }
    ++n;
  }
  if (count) *count = n;
  return st;
}

}  // namespace

bool parse_int(std::string_view text, int& v) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i >= text.size()) return false;
  for (std::size_t j = i; j < text.size(); ++j)
    if (!is_digit(text[j])) return false;
  std::string_view body = text[0] == '+' ? text.substr(1) : text;
  int r = 0;
  auto res = std::from_chars(body.data(), body.data() + body.size(), r);
  if (res.ec != std::errc() || res.ptr != body.data() + body.size()) return false;
  v = r;
  return true;
}

bool parse_real(std::string_view text, float& v) {
  // Check the whole syntax first: sign, digits with an optional point, optional exponent
  // (E or D); anything else, "nan", "inf" and hexadecimal forms included, is refused. The
  // length does not matter: zero-padded numbers with many decimals are numbers.
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool plus = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) plus = text[i++] == '+';
  // Significant digits before the point and zeros after it before the first significant
  // one: they tell a number too small for single precision from one too large.
  int mant_digits = 0, whole_digits = 0, leading_zeros = 0;
  bool seen = false;
  for (; i < n && is_digit(text[i]); ++i, ++mant_digits) {
    seen = seen || text[i] != '0';
    if (seen) ++whole_digits;
  }
  if (i < n && text[i] == '.') {
    for (++i; i < n && is_digit(text[i]); ++i, ++mant_digits) {
      seen = seen || text[i] != '0';
      if (!seen) ++leading_zeros;
    }
  }
  if (mant_digits == 0) return false;
  std::size_t exp_at = n;
  long long exponent = 0;
  if (i < n) {
    char e = text[i];
    if (e != 'e' && e != 'E' && e != 'd' && e != 'D') return false;
    exp_at = i++;
    bool minus = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    int exp_digits = 0;
    for (; i < n && is_digit(text[i]); ++i, ++exp_digits)
      exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000LL);  // its size matters, not more
    if (exp_digits == 0 || i != n) return false;
    if (minus) exponent = -exponent;
  }
  // The number converter takes neither a leading plus nor a D exponent.
  std::string_view body = plus ? text.substr(1) : text;
  std::string mended;
  if (exp_at < n && (text[exp_at] == 'd' || text[exp_at] == 'D')) {
    mended = body;
    mended[exp_at - (plus ? 1 : 0)] = 'e';
    body = mended;
  }
  float r = 0.0f;
  auto res = std::from_chars(body.data(), body.data() + body.size(), r);
  // The decimal exponent of the first significant digit: below 0 the value is below 1.
  long long lead = whole_digits > 0 ? whole_digits - 1 : -(leading_zeros + 1);
  if (res.ec == std::errc::result_out_of_range && lead + exponent < 0) {
    // Too small for single precision: a number all the same, read as 0.
    v = 0.0f;
    return true;
  }
  if (res.ec != std::errc() || res.ptr != body.data() + body.size() || !std::isfinite(r)) return false;
  v = r;
  return true;
}

ListStatus read_list(std::string_view line, const LineSupplier& more,
                     std::initializer_list<ListTarget> targets, int* count) {
  return read_with(line, &more, targets, NullValue::unreadable, count);
}

ListStatus read_list(std::string_view line, const LineSupplier& more,
                     std::initializer_list<ListTarget> targets, NullValue nulls, int* count) {
  return read_with(line, &more, targets, nulls, count);
}

ListStatus read_list(std::string_view text, std::initializer_list<ListTarget> targets, int* count) {
  return read_with(text, nullptr, targets, NullValue::unreadable, count);
}
