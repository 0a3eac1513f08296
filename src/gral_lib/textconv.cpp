#include "gral_lib/textconv.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }
void err(std::string_view text) { unit::write_line(iocom.iuerrout, text); }

// Integer part of log10 of a magnitude, in single precision as the field widths expect.
int log10_part(float a) { return static_cast<int>(0.4342945f * std::log(a)); }

// 10 to the power -n in single precision, as an integer power is formed. Beyond 10^38 the
// power overflows and its inverse is 0, so a count of decimals near the integer limit is
// worked out at once rather than one multiplication per decimal.
float tenth_power(int n) {
  constexpr int last_finite = 38;
  if (n > last_finite) return 0.0f;
  float p = 1.0f;
  for (int i = 0; i < n; ++i) p *= 10.0f;
  return 1.0f / p;
}

}  // namespace

void textlen(int& ifirst, int& ilast, std::string_view ctext) {
  // Blank runs are skipped eight characters at a time: long blank-padded fields are the
  // usual case (a results record's comment, for one).
  constexpr std::uint64_t blanks = 0x2020202020202020ULL;
  const char* p = ctext.data();
  std::size_t n = ctext.size();
  if (n == 0) {
    ifirst = ilast = 1;
    return;
  }
  std::size_t last = n;  // one past the last non-blank, or 0 for a blank text
  for (std::uint64_t w; last >= 8 && (std::memcpy(&w, p + last - 8, 8), w == blanks);) last -= 8;
  while (last > 0 && p[last - 1] == ' ') --last;
  if (last == 0) {
    ifirst = ilast = static_cast<int>(n);
    return;
  }
  std::size_t first = 0;
  for (std::uint64_t w; first + 8 <= last && (std::memcpy(&w, p + first, 8), w == blanks);) first += 8;
  while (p[first] == ' ') ++first;
  ifirst = static_cast<int>(first) + 1;
  ilast = static_cast<int>(last);
}

std::string_view trimmed(std::string_view ctext) {
  if (ctext.empty()) return ctext;
  int i1, i2;
  textlen(i1, i2, ctext);
  return ctext.substr(static_cast<std::size_t>(i1 - 1), static_cast<std::size_t>(i2 - i1 + 1));
}

void integlen(int& nlen, int iv) {
  if (iv == 0) {
    nlen = 1;
    return;
  }
  // The magnitude is taken in floating point, so the most negative integer does not overflow.
  float a = std::fabs(static_cast<float>(iv));
  nlen = log10_part(a) + (iv > 0 ? 1 : 2);
}

void path2basename(int& nlen, std::string& cbase, std::string_view cpath) {
  int i1, i2;
  textlen(i1, i2, cpath);
  std::string_view part;
  if (cpath.empty()) {
    part = " ";
  } else if (i1 == i2) {
    part = cpath.substr(static_cast<std::size_t>(i1 - 1), 1);
  } else {
    int i = i2 - 1;
    while (i >= i1 && cpath[static_cast<std::size_t>(i - 1)] != '/') --i;
    if (i >= i1)
      part = cpath.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(i2 - i));
    else
      part = cpath.substr(static_cast<std::size_t>(i1 - 1), static_cast<std::size_t>(i2 - i1 + 1));
  }
  nlen = static_cast<int>(part.size());
  cbase = cbase.empty() ? std::string(part) : fit(part, cbase.size());
}

void intg2char(std::string& cstr, int& nchar, int mchar, int iv) {
  if (mchar < 0) mchar = 0;
  if (cstr.size() < static_cast<std::size_t>(mchar)) cstr.resize(static_cast<std::size_t>(mchar), ' ');
  if (iv <= -10)
    nchar = log10_part(std::fabs(static_cast<float>(iv)) + 1e-7f) + 2;
  else if (iv <= -1)
    nchar = 2;
  else if (iv <= 9)
    nchar = 1;
  else
    nchar = log10_part(static_cast<float>(iv) + 1e-7f) + 1;
  if (nchar > mchar) {
    errorhead("intg2char  ", " 4.0", "2024-10-03");
    out(Line().x().a("integer =").x().i(iv, 20));
    out(Line().x().a("nchar   =").x().i(nchar, 20));
    out(Line().x().a("mchar   =").x().i(mchar, 20));
    out(" CANNOT WRITE INTEGER IN CHARACTER STRING");
    out(" ==> NEED LONGER CHARACTER STRING");
    out(Line().x().a("==> fill with 9 and set nchar =").x().i(mchar, 20));
    errortail00();
    std::fill_n(cstr.begin(), mchar, '9');
    nchar = mchar;
    return;
  }
  // Written in place: an axis turns a number into text at every annotated tic.
  put_i(cstr.data(), iv, nchar);
  std::fill(cstr.begin() + nchar, cstr.begin() + mchar, ' ');
}

void real2charf1(std::string& cstr, int& m, int n, int mavail, float r) {
  static constexpr std::string_view name = "real2charf1", version = " 2.4", date = "2024-10-16";
  int nloc = n;
  if (n < 0) {
    errorhead(name, version, date);
    err(" Writing fm.n");
    err(Line().x().a("with  n =").x().i(n, 11).x().a("< 0"));
    err(" ==> n SHOULD NOT BE < 0");
    err(Line().x().a("==> reset n =").x().i(1, 11));
    errortail00();
    nloc = 1;
  }
  int code = 0;
  float a = std::fabs(r);
  int nb = 0;
  float rabsmax = 0.0f;
  m = 0;
  if (a >= 0.0f && a <= 3.4028235e38f) {
    for (;;) {
      if (a <= 9.0f) {
        nb = 1;
      } else {
        rabsmax = a + 0.6f * tenth_power(nloc);
        nb = log10_part(rabsmax) + 1;
      }
      // In 64 bits: a decimal count near the integer limit must not wrap round.
      const long long need = static_cast<long long>(nb) + nloc + 2;
      if (need <= mavail) {
        m = static_cast<int>(need);
        break;
      }
      if (mavail >= nb + 2) {
        nloc = mavail - (nb + 2);
        continue;
      }
      m = std::min(mavail, 99);
      nloc = 0;
      code = 104;
      break;
    }
  } else {
    code = std::isnan(a) ? 102 : 101;
    m = std::min(mavail, 5);
    nloc = 0;
  }
  if (m > 99) {
    code = 103;
    m = 99;
    nloc = std::max(99 - (nb + 2), 0);
  }
  if (m < 0) m = 0;

  std::size_t room = static_cast<std::size_t>(std::max(mavail, 0));
  if (cstr.size() < room) cstr.resize(room, ' ');
  std::string field;
  if (m > 0) put_f(field, r, m, nloc);
  field.resize(room, ' ');
  cstr.replace(0, room, field);

  if (code == 0 || !more_output()) return;
  if (code == 103)
    warninghead(name, version, date);
  else
    errorhead(name, version, date);
  err(" PROBLEM WRITING REAL NUMBER WITH fm.n");
  err(" m = total length");
  err(" n = number of digits after .");
  err(Line().x().a("r = real number                 =").x().g(r, 30, 7));
  err(Line().x().a("|r|                             =").x().g(a, 30, 7));
  if (code == 101) err(Line().x().a("max single precision real       =").x().g(3.4028235e38f, 30, 7));
  err(Line().x().a("wanted   n                      =").x().i(n, 11));
  err(Line().x().a("adjusted n                      =").x().i(nloc, 11));
  if (code == 103 || code == 104) {
    if (a > 9.0f) {
      float lg = 0.4342945f * std::log(rabsmax);
      err(" Used only for |r| > 9.0 :");
      err("   nb = int(log10(rabsmax)) + 1");
      err(Line().x().a("  rabsmax = |r| + 10.0**(-n)    =").x().g(rabsmax, 30, 7));
      err(Line().x().a("  log10(rabsmax)                =").x().g(lg, 30, 7));
      err(Line().x().a("  int(log10(rabsmax))           =").x().i(static_cast<int>(lg), 11));
    }
    err(Line().x().a("nb = number of digits before .  =").x().i(nb, 11));
    err(Line().x().a("required m = nb + n + 2         =").x().i(nb + nloc + 2, 11));
  }
  err(Line().x().a("adjusted m                      =").x().i(m, 11));
  err(Line().x().a("available character length      =").x().i(mavail, 11));
  switch (code) {
    case 101:
      err(" |r| = INF");
      err(" => CANNOT GET SIZE OF REAL NUMBER");
      break;
    case 102:
      err(" |r| = NaN");
      err(" => CANNOT GET SIZE OF REAL NUMBER");
      break;
    case 103:
      err(" => WANTED > 99 DIGITS + SYMBOLS FOR r");
      err(" => SINGLE PRECISION REAL ARGUMENT");
      err("    SHOUD NOT REQUIRE DIGITS + SYMBOLS > 99");
      break;
    default:
      err(" required m > available character length");
      err(" => NEED LONGER CHARACTER STRING");
      break;
  }
  if (code == 103)
    warningtail00();
  else
    errortail00();
}

void crevin3(float& v, float vmin, float vmax, std::string_view cname, std::string_view croutine, int igrav,
             int& istat) {
  static constexpr std::string_view name = "crevin3    ", version = " 4.0", date = "2024-02-13";
  int level;
  bool reset;
  if ((igrav >= 0 && igrav <= 4) || (igrav >= 10 && igrav <= 14)) {
    level = igrav % 10;
    reset = igrav >= 10;
  } else {
    warninghead(name, version, date);
    err(Line().x().a("gravity =").x().i(igrav, 3).x().a("not in [0,4]U[10,14]"));
    err(" ==> Do as if gravity = 3");
    warningtail00();
    level = 3;
    reset = false;
  }
  istat = 0;
  if (!(vmin > v || v > vmax)) return;
  if (level == 0)
    warninghead(name, version, date);
  else
    errorhead(name, version, date);
  std::string tname(trimmed(cname));
  err(Line().x().a("Problem in subroutine:").x().a(trimmed(croutine)));
  err(Line().x().a("Gravity level [0-4]U[10,14] =").x().i(igrav, 3));
  err(Line().x().a(tname + " =").x().g(v, 14, 4).x().a("outside [").x().g(vmin, 14, 4).x().a(",").x()
          .g(vmax, 14, 4).x().a("]"));
  if (vmin > v) {
    err(Line().x().a(tname + " =").x().g(v, 14, 4).x().a("<").x().g(vmin, 14, 4));
    istat = 1;
    if (reset) v = vmin;
  } else {
    err(Line().x().a(tname + " =").x().g(v, 14, 4).x().a(">").x().g(vmax, 14, 4));
    istat = 2;
    if (reset) v = vmax;
  }
  if (reset)
    err(Line().x().a("==> RESET " + tname + " =").x().g(v, 14, 4));
  else
    err(Line().x().a("==> UNALTERED " + tname + " =").x().g(v, 14, 4));
  switch (level) {
    case 0: warningtail00(); break;
    case 1: errortail00(); break;
    default: errortailstop(level - 2); break;
  }
}
