// The colour table: 19 colours, numbers 0 to 18, each a name of 8 characters and red,
// green and blue in percent; the number of colours N (1..18) bounds the colour numbers
// that the colour setters accept, and N = 1 makes the plot black and white.
#pragma once

#include <string>

// Mode 4/5: the default table with N = 18 (4 then shows the menu); every other even mode:
// the menu (change N, change one colour, read a colour-table file); odd modes: nothing.
void scolortable(int mode);
// Sets N and the colour flag, modes 0..5 (0/1 given nb brought into 1..18, 2/3 stored,
// 4/5 default 4; even modes show the dialogue). When N shrinks, the stored line, fill
// and text colours are checked against it (reported, not changed).
void scolornb(int& nb, int mode);
// Sets the name and percentages of colour index (0..N), modes 0..5 (0/1 given values,
// percentages brought into [0, 100]; 2/3 the stored entry; 4/5 a 50% grey; even modes
// show the dialogue). An index outside 0..N is reported and nothing changes.
void scolorrgb(int index, std::string& name, float& red, float& green, float& blue, int mode);
