// The axis record of 15 axes and one box, and the set-up of the axes.
//
// Setter modes (mode) of s1axis1, s1axis and s1axuswdtyp: 2, 3 and 10 fetch the stored
// values into the arguments, 4 and 5 put the defaults into them, any other mode takes the
// arguments as they come; every even mode (negative ones too) then shows the menu until
// its EXIT item 99, and every mode ends by storing the arguments into the record. An axis
// number outside 1 to 15 is reported and nothing changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int max_axes = 15;
constexpr int axis_label_length = 30;
constexpr int box_label_length = 25;

// Numbers of the axis record; the per-axis arrays are indexed by axis number - 1.
struct AxisBlk7a {
  float USA1[max_axes] = {};            // user-space value at the start of the axis
  float USA2[max_axes] = {};            // user-space value at the end of the axis
  float WAU1[max_axes] = {};            // annotation value at the start
  float WAU2[max_axes] = {};            // annotation value at the end
  float WAUD[max_axes] = {};            // annotation increment, its sign leading from WAU1 to WAU2
  float WALAS[max_axes] = {};           // title height in cm (annotations 0.8 and tics 0.4 times it)
  float WAOUS[max_axes] = {};           // link scale of link type 2: annotation units per user unit
  std::int32_t NAWDIG[max_axes] = {};   // decimals of the annotations; 0 writes integers
  std::int32_t NASUBINT[max_axes] = {}; // subtic intervals between two major tics
  std::int32_t NLABINTK[max_axes] = {}; // major-tic intervals from one annotation to the next
  std::int32_t IUSWDTYP[max_axes] = {}; // link: 0 independent, 1 user = annotation, 2 annotation = user * scale
  std::int32_t IBXAXIS = 0;             // axis drawn as the box's X axis
  std::int32_t IBYAXIS = 0;             // axis drawn as the box's Y axis
  std::int32_t IBCLIP = 0;              // clipping flag of the box (kept, not used in drawing)
  std::int32_t IBZERO = 0;              // 1: the box also draws x = 0 and y = 0 inside it
  std::int32_t IBBORDER[4] = {};        // border types of the sides left, right, bottom, top
};
extern AxisBlk7a axisblk7a;

// Texts of the axis record: the axis titles (30 characters once stored) and the box label
// (25 characters once stored); empty until first stored.
struct AxisBlk7b {
  std::array<std::string, max_axes> WALAB;
  std::string WBLAB;
};
extern AxisBlk7b axisblk7b;

// Sets up axis IAX (menu "SETTING UP AXIS #"): user bounds, annotation bounds and increment,
// text size, title (any length), decimals, subtic intervals and tic intervals per annotation.
// An increment that does not lead from WAU1 to WAU2 is replaced with a warning. The stored
// user bounds follow the axis's link type; the USA1 and USA2 arguments are not changed by it.
// The menu refuses, with a warning, an answer that no drawing could use, and keeps the value:
// bounds beyond 9999999 in magnitude (user bounds also equal ones), a size outside 0.025 to
// 1000 cm, decimals outside 0 to 17, subtic intervals outside 0 to 10000, and bounds, an
// increment or subtic intervals that leave the axis no tic interval or more major tics or
// subtics than an axis draws.
void s1axis1(float& USA1, float& USA2, float& WAU1, float& WAU2, float& WAUD, float& WALAS, std::string& WALAB,
             int& NAWDIG, int& NASUBINT, int& NLABINTK, int IAX, int mode);
// The same without the tic intervals per annotation; an axis of link type 2 is stored as one of type 0.
void s1axis(float& USA1, float& USA2, float& WAU1, float& WAU2, float& WAUD, float& WALAS, std::string& WALAB,
            int& NAWDIG, int& NASUBINT, int IAX, int mode);
// Sets up the link type (0 to 2) and link scale of axis IAX; a scale of 0 becomes 1.0 with a warning.
void s1axuswdtyp(int& IUSWDTYP, float& WAOUS, int IAX, int mode);
// All axes: modes 4 and 5 reset the 15 axes to the generic axis; every even mode then shows
// the menu "AXIS SET UP" (modes of 10 and more also open the link set-up); other modes do nothing.
void snaxis(int mode);
// The stored user bounds of axis IAX; 0 and 10, after an error frame, for another number.
void g1axbd(float& U1, float& U2, int IAX);
