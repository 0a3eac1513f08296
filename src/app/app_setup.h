// Application set-up: the plot layout that the program's pages are drawn in, laid on the
// plot engine's stores. The sub-plot numbers fixed here are those the run draws in: 8 and
// 9 the dip and strike histograms, 11 and 12 their rose diagrams, 13 and 14 the core boxes
// of VCD template 1, 15 the box of template 2.
#pragma once

// The 15 sub-plots and their user-to-cm maps. iopt 4 and 5 define them (4 with each
// setter's dialogue, 5 silently); any other even mode shows the "MULTIPLE PLOTS LAYOUT"
// menu; any other odd mode does nothing.
void skvrplot(int iopt);

// The axes and the box of the section pages: every axis back to the generic axis, then
// axes 1 (across the core), 2 and 3 (depth, the two boxes of VCD template 1), 4 (depth,
// the one box of template 2) and box 1, each with its dialogue when iopt is even.
void skvraxis(int iopt);

// The dip, rake and strike histograms, handed back as ih1, ih2, ih3 (1, 2, 3). iopt 4 and
// 5 define them; then every even mode shows the "HISTOGRAMS LAYOUT" menu.
void skvrhisto(int& ih1, int& ih2, int& ih3, int iopt);
