// The box: a four-sided frame of plain lines or annotated axes around a plot, given in the
// user units of the current sub-plot, and the set-up of box 1 in the axis record.
#pragma once

#include <string>
#include <string_view>

// Draws the box [XU1, XU2] x [YU1, YU2]. The sides at the smaller and the larger user y
// carry the X axis (annotations WAU1x at the XU1 end to WAU2x at the XU2 end), the sides at
// the smaller and the larger user x the Y axis (WAU1y at YU1 to WAU2y at YU2); the eight
// values of each axis mean what they mean to cmaxis11 (the sizes are corrected in place
// when the text-size setter refuses them). A side flag of 0 draws a plain line, any other
// value an annotated axis whose tics and texts point out of the box, whichever way the
// bounds run and also when the sub-plot's map mirrors the plot. IZERO 1 adds the lines
// x = 0 and y = 0 where they fall strictly inside the box. Bounds that are not finite
// numbers are reported and nothing is drawn.
void usbax6(float XU1, float XU2, float YU1, float YU2, float WAU1x, float WAU2x, float WAUDx,
            std::string_view LABELx, int NAWDIGx, float& WALASx, int NASUBINTx, int NLABINTKx, float WAU1y,
            float WAU2y, float WAUDy, std::string_view LABELy, int NAWDIGy, float& WALASy, int NASUBINTy,
            int NLABINTKy, int IZERO, int ITOP, int IBOTTOM, int ILEFT, int IRIGHT);
// Draws box IB (only 1 exists) at the user bounds of its X and Y axes, annotated from them.
void d1bx2d(int IB);
// Sets up box IB (menu "SETTING BOX #"): X and Y axis numbers (1 to 15), border types of the
// left, right, bottom and top sides (0 a plain line, any other an annotated axis; the menu
// offers 1 to 5), clipping flag, zero-line flag and label (any length). Modes as for the
// axes (axes.h); an axis number outside 1 to 15 given to a storing mode is reset to 1 (X)
// or 2 (Y) with an error frame.
void s1bx2d(int& IBXAXIS, int& IBYAXIS, int& IBLEFT, int& IBRIGHT, int& IBBOTTOM, int& IBTOP, int& IBCLIP,
            int& IBZERO, std::string& WBLAB, int IB, int mode);
