// Captions at the top of a plot page: lines of a caption block and the run-information
// block. Both draw in centimetres on the current page at half the text height in force,
// with the justification, font and colour in force, and set the height back afterwards.
#pragma once

#include <string_view>

// Line ILINE (1 = the first) of a caption block whose first line stands at (X, Y): TEXT in
// its whole length, 1.5 half-heights below the line before. IDUM is not read.
void cmplotcharinfo2(std::string_view TEXT, int ILINE, float X, float Y, int IDUM);
// The run-information block whose first line stands at (X, Y): date and time of drawing,
// user and host (codes 0 and 1), system and processor, the chain of program names and
// versions, and the last command (codes 0 and 2).
void cmplotruninfo2(float X, float Y);
