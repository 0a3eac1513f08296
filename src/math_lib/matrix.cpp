#include "math_lib/matrix.h"

#include <vector>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"

void m22determt(float& det, const float a[4]) {
  // a(2,2) a(1,1) - a(1,2) a(2,1), the two products first
  float p1 = a[3] * a[0];
  float p2 = a[2] * a[1];
  det = p1 - p2;
}

void m22invert(float ainv[4], const float b[4]) {
  float det;
  m22determt(det, b);
  if (det == 0.0f) {
    errorhead("m22invert", " 1.4", "2024-02-10");
    auto out = [](std::string_view t) { unit::write_line(iocom.iuout, t); };
    out(Line().x().a("det(B) =").x().g(det, 15, 3));
    out(Line().x().a("b(1,1) =").x().g(b[0], 15, 3).x().a("b(1,2) =").x().g(b[2], 15, 3));
    out(Line().x().a("b(2,1) =").x().g(b[1], 15, 3).x().a("b(2,2) =").x().g(b[3], 15, 3));
    out(" => Cannot Invert B");
    errortailstop(1);
    // The user chose to go on: a zero determinant has no inverse, so the output keeps
    // what it held rather than infinities.
    return;
  }
  float adj[4] = {b[3], -b[1], -b[2], b[0]};
  for (int k = 0; k < 4; ++k) ainv[k] = adj[k] / det;
}

void mnpxmpq(float c[], const float a[], const float b[], int n, int p, int q) {
  if (n < 1 || q < 1) return;
  std::vector<float> temp(static_cast<std::size_t>(n) * static_cast<std::size_t>(q));
  for (int j = 0; j < q; ++j)
    for (int i = 0; i < n; ++i) {
      float sum = 0.0f;
      for (int k = 0; k < p; ++k) sum = b[j * p + k] * a[k * n + i] + sum;
      temp[static_cast<std::size_t>(j * n + i)] = sum;
    }
  for (std::size_t k = 0; k < temp.size(); ++k) c[k] = temp[k];
}

void mnpxvp(float c[], const float a[], const float v[], int n, int p) {
  if (n < 1) return;
  std::vector<float> temp(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    float sum = 0.0f;
    for (int k = 0; k < p; ++k) sum = a[k * n + i] * v[k] + sum;
    temp[static_cast<std::size_t>(i)] = sum;
  }
  for (int i = 0; i < n; ++i) c[i] = temp[static_cast<std::size_t>(i)];
}
