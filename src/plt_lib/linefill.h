// Setters of the line and fill attributes and of the colour numbers of lines, fills and
// texts. Each takes its value (in and out) and a setter mode 0..7:
// 0 given value + dialogue, 1 given value, 2 stored value + dialogue, 3 fetch only,
// 4 default + dialogue, 5 default, 6/7 re-send to the open plot file (dialogue in 6 for the
// colour numbers). Any other mode is reported and changes nothing.
#pragma once

// Line style: kept by no one; does nothing at all (every line is drawn solid).
void slinestyle(int& style, int inter);
// Line thickness in cm; sent to the open plot file.
void slinewidth(float& w, int inter);
// Colour number of lines, 0 to the number of colours (checked in every mode).
void slinecolor(int& icol, int inter);
// Colour number of polygon fills, 0 to the number of colours (checked in every mode).
void sfillcolor(int& icol, int inter);
// Colour number of texts, 0 to the number of colours (checked in every mode).
void stextcolor(int& icol, int inter);
// Polygon fill style: 0 hollow, 1 filled.
void sfillstyle(int& istyle, int inter);
