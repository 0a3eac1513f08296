// PostScript drawing primitives: paths, polylines, polygons and texts at positions in
// points, and the line width, font and text height handed down by the attribute setters.
// Coordinates beyond +-9.9e7 points, and those that are not finite, are clamped; each
// drawing call that clamps any gives one warning: the first it clamped (in metres, or "not
// finite"), and how many.
#pragma once

#include <string_view>

// Moves the current point (x, y are clamped in place); mode 1 also begins a path.
void psmoveto(float& x, float& y, int mode);
// Appends n line segments to the path (the points are clamped in place).
void pslineto(float x[], float y[], int n);
// Draws the polyline through n points and strokes it (one point: a zero-length line).
void deline(float x[], float y[], int n);
// Draws the closed polygon of n points, filled or hollow by the fill style, and strokes
// its outline.
void depolygon(float x[], float y[], int n);
// Draws n stacked cells, cell k (k = 0..n-1) the closed polygon through the corners
// (x[p] + (c dx[p]) sx, y[p] + (c dy[p]) sy), p = 0..3, and back to the first, c = k for
// corners 0 and 3 and k + 1 for corners 1 and 2: each filled and outlined as depolygon draws
// it, in that order, by one loop of the plot file. A cell with a corner beyond the limits is
// drawn by depolygon, clamped.
void decellstack(const float x[4], const float y[4], const float dx[4], const float dy[4], float sx, float sy,
                 int n);
// Drawing calls told as one: from psclampgroup(true) to psclampgroup(false) the clamps of
// every call add up, and their one warning comes at the end (groups may nest).
void psclampgroup(bool begin);
// Draws a text at (x, y) by the justification code, angle, height, font and text colour.
void detext2(float x, float y, std::string_view text);
// Sets the line width, w in points.
void intslinewidth(float w);
// Sets the font number 1..16 used by the next text.
void intstextfont(int ifont);
// Sets the text height, h in centimetres.
void intstextsize(float h);
