#include "plt_lib/subplots.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"
#include "math_lib/matrix.h"

Plt1Blk plt1blk;
PltCharBlk pltcharblk;

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

std::size_t slot(int s) { return static_cast<std::size_t>(s - 1); }

// Applies the map (o, m) to n points; both results of a point are computed before either
// is stored, so the outputs may be the inputs.
void apply_map(float xo[], float yo[], const float xi[], const float yi[], int n, const float o[2],
               const float m[4]) {
  for (int k = 0; k < n; ++k) {
    float xv = (o[0] + m[0] * xi[k]) + m[2] * yi[k];
    float yv = (o[1] + m[1] * xi[k]) + m[3] * yi[k];
    xo[k] = xv;
    yo[k] = yv;
  }
}

// The inverse of a 2 by 2 matrix, worked out on the matrix scaled by the power of two that
// brings its largest element into [0.5, 1): the map of a very wide or very narrow window
// has a determinant beyond single precision though its inverse is not. A power of two
// changes no digit, so an ordinary map inverts exactly as m22invert inverts it. False, inv
// untouched, for a matrix that is singular or not finite, or whose inverse is not finite.
bool scaled_inverse(float inv[4], const float m[4]) {
  float largest = 0.0f;
  for (int k = 0; k < 4; ++k) {
    if (!std::isfinite(m[k])) return false;
    largest = std::max(largest, std::fabs(m[k]));
  }
  if (largest == 0.0f) return false;
  int e = 0;
  std::frexp(largest, &e);
  float scaled[4];
  for (int k = 0; k < 4; ++k) scaled[k] = std::ldexp(m[k], -e);
  float det = 0.0f;
  m22determt(det, scaled);
  if (det == 0.0f) return false;
  float r[4];
  m22invert(r, scaled);
  for (int k = 0; k < 4; ++k) {
    r[k] = std::ldexp(r[k], -e);
    if (!std::isfinite(r[k])) return false;
  }
  std::copy(r, r + 4, inv);
  return true;
}

void dash_line() { out(Line().x().rep('-', 43)); }

void number_line(std::string_view text, int v) { out(Line().x().a(text).x().i(v, 3)); }

void name_line(int s) {
  out(Line().x().a("Subplot name   :").x().a(fit(pltcharblk.SUBPLOTITLE[slot(s)], 20)));
}

void change_box(int nsub) {
  static constexpr std::string_view name = "ssubplot", version = "1.5 ", date = "2024-10-22";
  int current = current_subplot();
  submenuhead(name, version, date);
  dash_line();
  out(Line().x().a("             CHANGING SUBPLOT"));
  dash_line();
  number_line("Maximum nb of subplots :", max_subplots);
  dash_line();
  out(" CURRENT SUBPLOT:");
  number_line("Subplot nb     :", current);
  name_line(current);
  dash_line();
  out(" SWITCHING TO SUBPLOT:");
  number_line("Subplot nb     :", nsub);
  name_line(nsub);
  menutail();
}

}  // namespace

int current_subplot() {
  int s = plt1blk.ISUBPLOT;
  return (s >= 1 && s <= max_subplots) ? s : 1;
}

void cm2de(float xde[], float yde[], const float xcm[], const float ycm[], int n) {
  apply_map(xde, yde, xcm, ycm, n, plt1blk.CM0TODE[slot(current_subplot())], plt1blk.CMTODE);
}

void lengthcm2de(float& lde, float lcm) { lde = plt1blk.DEPERCM * lcm; }

void us2cm(float xcm[], float ycm[], const float xu[], const float yu[], int n) {
  std::size_t s = slot(current_subplot());
  apply_map(xcm, ycm, xu, yu, n, plt1blk.US0TOCM[s], plt1blk.USTOCM[s]);
}

void us2de(float xde[], float yde[], const float xu[], const float yu[], int n) {
  std::size_t s = slot(current_subplot());
  apply_map(xde, yde, xu, yu, n, plt1blk.US0TODE[s], plt1blk.USTODE[s]);
}

void scm2de() {
  plt1blk.DEPERCM = points_per_cm;
  for (auto& o : plt1blk.CM0TODE) o[0] = o[1] = 0.0f;
  plt1blk.CMTODE[0] = plt1blk.DEPERCM;
  plt1blk.CMTODE[1] = 0.0f;
  plt1blk.CMTODE[2] = 0.0f;
  plt1blk.CMTODE[3] = plt1blk.DEPERCM;
}

void sus2de() {
  std::size_t s = slot(current_subplot());
  float a[4], x[2];
  for (int i = 0; i < 4; ++i) a[i] = plt1blk.USTOCM[s][i];
  for (int i = 0; i < 2; ++i) x[i] = plt1blk.US0TOCM[s][i];
  mnpxvp(x, plt1blk.CMTODE, x, 2, 2);
  for (int i = 0; i < 2; ++i) x[i] = x[i] + plt1blk.CM0TODE[s][i];
  mnpxmpq(a, plt1blk.CMTODE, a, 2, 2, 2);
  for (int i = 0; i < 2; ++i) plt1blk.US0TODE[s][i] = x[i];
  for (int i = 0; i < 4; ++i) plt1blk.USTODE[s][i] = a[i];
}

void scm2us() {
  std::size_t s = slot(current_subplot());
  float a[4], x[2];
  for (int i = 0; i < 2; ++i) x[i] = plt1blk.US0TOCM[s][i];
  for (int i = 0; i < 4; ++i) a[i] = plt1blk.USTOCM[s][i];
  if (!scaled_inverse(a, a)) m22invert(a, a);  // a singular matrix is reported there; nothing reads this map
  mnpxvp(x, a, x, 2, 2);
  for (int i = 0; i < 2; ++i) plt1blk.CM0TOUS[s][i] = -x[i];
  for (int i = 0; i < 4; ++i) plt1blk.CMTOUS[s][i] = a[i];
}

bool map_drawable(const float o[2], const float m[4]) {
  float inv[4];
  if (!scaled_inverse(inv, m)) return false;
  float user_origin[2];  // of the cm origin, as scm2us derives it
  mnpxvp(user_origin, inv, o, 2, 2);
  for (int i = 0; i < 2; ++i)
    if (!std::isfinite(o[i]) || !std::isfinite(points_per_cm * o[i]) || !std::isfinite(user_origin[i])) return false;
  for (int k = 0; k < 4; ++k)
    if (!std::isfinite(points_per_cm * m[k])) return false;
  return true;
}

void ssubplot(int& nsub, int inter) {
  static constexpr std::string_view name = "ssubplot", version = "1.5 ", date = "2024-10-22";
  bool fetch = inter == 2 || inter == 3;
  if (fetch) {
    nsub = current_subplot();
  } else if (inter >= 4 && inter <= 7) {
    submenuhead(name, version, date);
    out(Line().x().a("INITIALISING SUBPLOT =").x().i(1, 3));
    nsub = 1;
  } else if (nsub < 1 || nsub > max_subplots) {
    errorhead(name, version, date);
    number_line("trying to set subplot nb =", nsub);
    number_line("max subpplot nb          =", max_subplots);
    out(" ===> NO ACTION");
    errortail00();
    return;
  }
  if (inter % 2 == 0) change_box(nsub);
  if (!fetch) plt1blk.ISUBPLOT = nsub;
}

void splotunits(float V0TOW[2], float VTOW[4], int imat, int inter) {
  static constexpr std::string_view name = "splotunits", version = "4.3 ", date = "2024-10-22";
  if ((inter == 2 || inter == 3) && (imat == 1 || imat == 3)) {
    std::size_t s = slot(current_subplot());
    const float* o = imat == 1 ? plt1blk.US0TOCM[s] : plt1blk.US0TODE[s];
    const float* m = imat == 1 ? plt1blk.USTOCM[s] : plt1blk.USTODE[s];
    for (int i = 0; i < 2; ++i) V0TOW[i] = o[i];
    for (int i = 0; i < 4; ++i) VTOW[i] = m[i];
    return;
  }
  warninghead(name, version, date);
  out(Line().x().a("inter =").x().i(inter, 6));
  out(Line().x().a("imat  =").x().i(imat, 6));
  out(" ===> NO ACTION");
  warningtail00();
}
