// Sub-plots and the three coordinate systems of the plot engine: user units of each
// sub-plot, centimetres on the paper (from the page's lower-left corner) and device units,
// PostScript points at 28.35 per centimetre. Every conversion uses the current sub-plot.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int max_subplots = 40;
// Device units (PostScript points) per centimetre.
constexpr float points_per_cm = 28.35f;

// Coordinate maps of the 40 sub-plots. A map takes a point (x, y) to O + M (x, y). The
// origin O of sub-plot s is a [s - 1][..] pair (x, y); a 2 by 2 matrix M is stored by
// columns: (1,1), (2,1), (1,2), (2,2).
struct Plt1Blk {
  float CM0TODE[max_subplots][2] = {};     // device coordinates of the cm origin
  float CMTODE[4] = {};                    // cm-to-device matrix, the same for all sub-plots
  float DEPERCM = 0.0f;                    // device units per cm; 0 until a plot file opens
  float US0TODE[max_subplots][2] = {};     // device coordinates of the user origin
  float USTODE[max_subplots][4] = {};      // user-to-device matrix
  float US0TOCM[max_subplots][2] = {};     // cm coordinates of the user origin
  float USTOCM[max_subplots][4] = {};      // user-to-cm matrix
  float CM0TOUS[max_subplots][2] = {};     // user coordinates of the cm origin
  float CMTOUS[max_subplots][4] = {};      // cm-to-user matrix
  float USMINTOCM[max_subplots][2] = {};   // paper position in cm of the user point (xumin, yumin)
  float USEXTR[max_subplots][4] = {};      // user limits xumin, xumax, yumin, yumax
  float CMAXLENGTH[max_subplots][2] = {};  // paper lengths in cm of the x and y extent
  std::int32_t ISOXY[max_subplots] = {};   // 1 = equal x and y scales imposed
  std::int32_t ISUBPLOT = 0;               // current sub-plot 1..40; 0 until the first choice
};
extern Plt1Blk plt1blk;

// Names of the plot engine: sub-plot names (20 characters once named, empty until then)
// and the names of colour numbers 0..18 (8 characters, kept by the colour table).
struct PltCharBlk {
  std::array<std::string, max_subplots> SUBPLOTITLE;
  std::array<std::string, 19> COLORNAM;
};
extern PltCharBlk pltcharblk;

// The sub-plot whose maps are used: ISUBPLOT, or 1 while none has been chosen yet.
int current_subplot();

// Points from cm to device units with the current sub-plot's cm-to-device map.
// In these three conversions the outputs may be the inputs; n < 1 converts nothing.
void cm2de(float xde[], float yde[], const float xcm[], const float ycm[], int n);
// A length from cm to device units: lde = DEPERCM * lcm.
void lengthcm2de(float& lde, float lcm);
// Points from user units of the current sub-plot to cm.
void us2cm(float xcm[], float ycm[], const float xu[], const float yu[], int n);
// Points from user units of the current sub-plot to device units.
void us2de(float xde[], float yde[], const float xu[], const float yu[], int n);

// Sets the cm-to-device map: 28.35 points per cm, origins at 0 for every sub-plot.
void scm2de();
// Derives the user-to-device map of the current sub-plot from its user-to-cm map.
void sus2de();
// Derives the cm-to-user map of the current sub-plot (inverse of its user-to-cm map).
// A singular map is reported and the user asked whether to stop.
void scm2us();
// Whether a user-to-cm map (origin o, matrix m) can serve in single precision: it, the
// user-to-device map derived from it and its inverse all finite, and m not singular.
bool map_drawable(const float o[2], const float m[4]);

// Chooses the current sub-plot. inter 0/1 (and values outside 2..7): nsub, 1..40;
// 2/3: hands back the current one; 4..7: sub-plot 1. Even modes show the change box.
void ssubplot(int& nsub, int inter);
// Copies the current sub-plot's map: imat 1 user-to-cm, 3 user-to-device; inter 2 or 3.
void splotunits(float V0TOW[2], float VTOW[4], int imat, int inter);
