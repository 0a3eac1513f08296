// Drawing in centimetres and in user units of the current sub-plot. Lines and polygons go
// through one buffer of 501 points: a longer line is drawn in chunks that share their end
// points, a longer polygon as several polygons. The callers' arrays are never changed.
#pragma once

#include <string_view>

constexpr int plot_buffer_size = 501;

// The drawing buffer: one chunk of points while it is converted and drawn.
struct PltBuff1 {
  float x[plot_buffer_size] = {};
  float y[plot_buffer_size] = {};
};
extern PltBuff1 pltbuff1;

// Copies into (xb, yb) at most nbuf points of (x, y) from index is (counted from 0); nb
// receives the number copied and is the index of the last one, so that the next chunk
// starts with it. is beyond the last point is reported and nothing is copied.
void buffer2(float xb[], float yb[], int nbuf, int& nb, const float x[], const float y[], int nx, int& is);

// Polyline through n points in centimetres.
void cmline(const float x[], const float y[], int n);
// Polyline through n points in user units.
void usline(const float x[], const float y[], int n);
// Polygon of n vertices in user units (fill and outline by the current attributes).
void uspolygon(const float x[], const float y[], int n);
// Stack of n cells in user units: cell k (k = 1..n) the polygon through the corners
// (x[p] + c dx[p], y[p] + c dy[p]), p = 0..3, and back to the first, c = k - 1 for corners
// 0 and 3 and k for corners 1 and 2; each filled and outlined as uspolygon draws it, by one
// loop in the plot file.
void uscellstack(const float x[4], const float y[4], const float dx[4], const float dy[4], int n);
// Text with its anchor point in centimetres.
void cmtext2(float xcm, float ycm, std::string_view text);
// Text with its anchor point in user units.
void ustext2(float xu, float yu, std::string_view text);
