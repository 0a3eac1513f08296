// Drawing of one annotated axis on the page, in centimetres: line, major tics, subtics,
// annotations and title. The annotation values run from WAU1 at the first point to WAU2 at
// the last, whatever user coordinates the points have.
#pragma once

#include <string_view>

// Most major tics, and most subtics, drawn along one axis; beyond, a warning and none.
constexpr int max_tics_per_axis = 10000;

// Why an axis from WAU1 to WAU2 with the increment WAUD and NASUBINT subtic intervals
// would be drawn without its tics or its subtics, found as cmaxis11 and cmtic2 find it:
// equal bounds (no interval), more major tics than an axis draws, or more subtics.
enum class TicFault { none, identical_bounds, too_many_tics, too_many_subtics };
TicFault axis_tic_fault(float WAU1, float WAU2, float WAUD, int NASUBINT);

// Draws the axis from (X1, Y1) to (X2, Y2) cm. TICANG: direction of the tics in degrees,
// counter-clockwise from the axis direction; NASUBINT subtic intervals per tic interval;
// an annotation every NLABINTK tics (0 acts as 1); increment WAUD (0: one interval from
// WAU1 to WAU2); NAWDIG decimals (0: integers); WALAS the title height in cm (annotations
// 0.8 times it, tics 0.4 times it), corrected in place first when the text-size setter refuses
// it; IXY 2 writes the annotations along the axis, any other value along the tics.
// The text size, angle and justification are as found on entry when it returns.
void cmaxis11(float X1, float Y1, float X2, float Y2, float TICANG, int NASUBINT, int NLABINTK, float WAU1,
              float WAU2, float WAUD, int NAWDIG, float& WALAS, int IXY, std::string_view LABEL);
// Draws NTICS major tics from ORIG, DTIC apart, each the vector VTIC; NSUBINT - 1 subtics
// (SUBRATIO times as long) between two major tics and NSUBLAST after the last one.
void cmtic2(const float ORIG[2], const float DTIC[2], const float VTIC[2], float SUBRATIO, int NTICS, int NSUBINT,
            int NSUBLAST);
