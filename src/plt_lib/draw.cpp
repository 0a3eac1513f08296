#include "plt_lib/draw.h"

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psdraw.h"
#include "plt_lib/subplots.h"

PltBuff1 pltbuff1;

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

enum class Shape { cm_line, user_line, user_polygon };

// Converts n points of (x, y) into the buffer, in device units, and draws them.
void draw_converted(const float x[], const float y[], int n, Shape shape) {
  if (shape == Shape::cm_line)
    cm2de(pltbuff1.x, pltbuff1.y, x, y, n);
  else
    us2de(pltbuff1.x, pltbuff1.y, x, y, n);
  if (shape == Shape::user_polygon)
    depolygon(pltbuff1.x, pltbuff1.y, n);
  else
    deline(pltbuff1.x, pltbuff1.y, n);
}

// Draws (x, y) chunk by chunk through the buffer, converted in place to device units.
void draw_chunked(const float x[], const float y[], int n, Shape shape) {
  static constexpr std::string_view name = "uspolygon", version = "3.3 ", date = "2024-10-22";
  if (n >= 1 && n <= plot_buffer_size) {  // one chunk: converted straight into the buffer
    draw_converted(x, y, n, shape);
    return;
  }
  int is = 0;
  for (;;) {
    int nb = 0;
    buffer2(pltbuff1.x, pltbuff1.y, plot_buffer_size, nb, x, y, n, is);
    if (nb < 1) return;  // nothing to draw after the reported error
    draw_converted(pltbuff1.x, pltbuff1.y, nb, shape);
    if (is >= n - 1) return;
    if (shape == Shape::user_polygon) {
      warninghead(name, version, date);
      out(Line().x().a("Polygone vertices =").x().i(n, 6));
      out(Line().x().a("Plot buffer size  =").x().i(plot_buffer_size, 6));
      out(" ==> Decomposing in smaller polygons");
      warningtail00();
    }
  }
}

}  // namespace

void buffer2(float xb[], float yb[], int nbuf, int& nb, const float x[], const float y[], int nx, int& is) {
  static constexpr std::string_view name = "buffer2", version = "2.5 ", date = "2024-10-22";
  if (nx < is + 1) {
    errorhead(name, version, date);
    out(Line().x().a("is =").x().i(is + 1, 6).x().a("> nx =").x().i(nx, 6));
    out(" attempt to read past array");
    errortail00();
    return;
  }
  int last = is + nbuf - 1;
  nb = nbuf;
  if (nx - 1 < last) {
    last = nx - 1;
    nb = nx - is;
  }
  for (int k = 0; k < nb; ++k) {
    xb[k] = x[is + k];
    yb[k] = y[is + k];
  }
  is = last;
}

void cmline(const float x[], const float y[], int n) { draw_chunked(x, y, n, Shape::cm_line); }

void usline(const float x[], const float y[], int n) { draw_chunked(x, y, n, Shape::user_line); }

void uspolygon(const float x[], const float y[], int n) { draw_chunked(x, y, n, Shape::user_polygon); }

void uscellstack(const float x[4], const float y[4], const float dx[4], const float dy[4], int n) {
  float xde[4], yde[4];
  us2de(xde, yde, x, y, 4);
  // The steps are lengths: the map without its origin. A map that only scales each axis
  // scales them after they are counted, as it scales a polygon's corner.
  const float* m = plt1blk.USTODE[current_subplot() - 1];
  if (m[1] == 0.0f && m[2] == 0.0f) {
    decellstack(xde, yde, dx, dy, m[0], m[3], n);
    return;
  }
  float dxde[4], dyde[4];
  for (int p = 0; p < 4; ++p) {
    dxde[p] = m[0] * dx[p] + m[2] * dy[p];
    dyde[p] = m[1] * dx[p] + m[3] * dy[p];
  }
  decellstack(xde, yde, dxde, dyde, 1.0f, 1.0f, n);
}

void cmtext2(float xcm, float ycm, std::string_view text) {
  cm2de(&xcm, &ycm, &xcm, &ycm, 1);
  detext2(xcm, ycm, text);
}

void ustext2(float xu, float yu, std::string_view text) {
  us2de(&xu, &yu, &xu, &yu, 1);
  detext2(xu, yu, text);
}
