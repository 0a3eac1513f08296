// Setters of the text attributes: height, angle, justification code and font. Each takes
// its value (in and out) and a setter mode 0..7 as the line setters do (linefill.h); height
// and font are sent to the open plot file, angle and justification are read by each text
// drawn. Callers change one for a drawing by fetching it (3), setting theirs (1) and
// setting the fetched value back (1).
#pragma once

// Text height in cm: at most 0.02 becomes 0.02, above 1000 becomes 0.5 (with a warning).
void stextsize(float& h, int inter);
// Text angle in degrees, counter-clockwise; every angle is accepted.
void stextangle(float& a, int inter);
// Text justification code -11..11 (|j| mod 4: 1 left, 2 centre, 3 right; |j| div 4: 0
// baseline, 1 half height, 2 top; negative: blanks trimmed); 0, -4, -8 become -1 and 4, 8 become 1.
void stextalign(int& j, int inter);
// Font number 1..16 (Helvetica, Times, Courier and Symbol, each plain, bold, oblique, both).
void stextfont(int& ifont, int inter);
