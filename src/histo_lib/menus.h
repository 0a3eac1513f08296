// The histogram set-up menus.
#pragma once

#include "gral_lib/frames.h"

// Settings of histogram nb. A bad nb is reported and nothing is done; a modification switch
// outside 0..3 is reported and set to 1. Modes 4 and 5 set every attribute of the histogram
// to its setter's default (4 through each setter's dialogue); an even mode then shows the
// menu "Histogram settings", whose commands open the setters in mode 2 as far as the switch
// allows (1: binning, y range and type, style, fill colour, labels; 2: plot type; 3: x axis).
void shst1(int nb, int& sw, int mode);
// The menu "Global Histogram set up" that shstall (identity id) shows in an even setter mode,
// with the modification switch already brought into 0..3: the number of histograms in use
// (changed at switch 3) and the settings menu of each histogram in use.
void global_histogram_menu(const RoutineId& id, int& sw, int mode);
