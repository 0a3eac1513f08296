// The plot attributes menu: initialises every plot attribute, sends the stored ones to a
// newly opened plot file, or lets the user edit them.
#pragma once

// inter 5: every attribute and the colour table to their defaults; 4: the same with each
// setter's dialogue, then the menu; 7: line width, text height and font sent again to the
// open plot file (an error frame when none is open); other even values: the menu "SETTING
// PLOT ATTRIBUTES" until EXIT (99); other odd values: nothing.
void splotattributes(int inter);
