// Application set-up: the plot layout that the program's pages are drawn in, laid on the
// plot engine's stores. The sub-plot numbers fixed here are those the run draws in: 8 and
// 9 the dip and strike histograms, 11 and 12 their rose diagrams, 13 and 14 the core boxes
// of VCD template 1, 15 the box of template 2.
#pragma once

// The 15 sub-plots and their user-to-cm maps. iopt 4 and 5 define them (4 with each
// setter's dialogue, 5 silently); any other even mode shows the "MULTIPLE PLOTS LAYOUT"
// menu; any other odd mode does nothing.
void skvrplot(int iopt);
