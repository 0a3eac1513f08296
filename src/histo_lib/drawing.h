// Drawing of one histogram into the current sub-plot of the open plot file, in the user
// units of the window the caller has set: first the frame, then the values, for the same
// histogram. Both go through the scratch curve of curve_lib.
#pragma once

// Frame of histogram nb: chooses and stores its y tic spacing, then draws a box of
// annotated axes with its title (X-Y histogram) or the rings, angular ticks and eight
// labels of a rose diagram. The text angle and justification are set back afterwards. A
// bad nb is reported and replaced by NBHST; with no histogram in use nothing is drawn.
void hstfrmplt(int& nb);
// Counts of histogram nb in its plot style, as an X-Y histogram or a rose diagram; the
// filled styles use its fill colour and set the plot's own back. A bad nb as for
// hstfrmplt; a bad plot type or style is reported and reset to its setter's default.
void hstvalplt(int& nb);
