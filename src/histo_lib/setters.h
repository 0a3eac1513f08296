// Setters of the histogram store. Each takes its value(s) in and out, a histogram number
// where it works on one histogram, and a setter mode last: 4 and 5 the default, 2 and 3
// the stored value, any other the caller's value (tested); every even mode shows the
// setter's menu, which loops until 99; the mode argument is never written. A histogram
// number outside 1..NBHST is reported; what follows is told with each setter.
#pragma once

#include <string>

// Global set-up. Modes 4 and 5 initialise every histogram slot and binning and set the
// number of histograms (shstnb in the same mode); a modification switch outside 0..3 is
// reported and set to 1; an even mode then shows the global histogram menu.
void shstall(int& sw, int mode);
// Number of histograms in use, NBHST (0..12; a count outside is reset to 12 with the menu).
void shstnb(int& n, int mode);
// X axis (1..12) used by histogram nb (reset to nb, with the menu, when outside). A bad nb
// adds a histogram through the count menu and becomes the new last one.
void shstxind(int& ix, int& nb, int mode);
// Binning of the x axis of histogram nb (bounds, bins 1..180, bins within a major tic,
// major intervals between labels) and its x label (label slot 5); stores the bin edges.
// A bad nb adds a histogram (count and x-axis menus); a bad bin count or range opens the
// menu even in an odd mode. In the menu a bound beyond +-9999999 is refused (max_hst_bound).
void shstxbin2(float& xmin, float& xmax, int& nbin, int& nxtic, int& nxlab, std::string& xlabel, int& nb,
               int mode);
// Y extrema type 0..3 of histogram nb (refused: reset to 0). A bad nb: no action.
void shstyextype(int& itype, int nb, int mode);
// Y range of histogram nb, stored without a check; in the menu a bound beyond +-9999999 is
// refused. A bad nb adds a histogram and opens the menu.
void shstyext(float& ymin, float& ymax, int& nb, int mode);
// Plot type 1..9 of histogram nb (refused: reset to 1). A bad nb: no action.
void shstplotype(int& itype, int nb, int mode);
// Plot style 0, 1, 10, 11 or 12 of histogram nb (refused: reset to 11). A bad nb: no action.
void shstplotstyle(int& istyle, int nb, int mode);
// Fill colour of histogram nb, tested by the plot engine's fill-colour setter; the plot's
// own fill colour is the same after the call as before. A bad nb: no action.
void shstfillcolor(int& icol, int nb, int mode);
// Text (25 characters kept) and draw switch (0/1) of label slot 1..8 of histogram nb. A bad
// slot becomes 6 and a bad switch 0, each opening the menu. A bad nb: no action.
void shstlabel(std::string& text, int& onoff, int& slot, int nb, int mode);
