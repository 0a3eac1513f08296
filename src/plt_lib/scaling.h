// Sub-plot scale setters, which place a sub-plot's user units on the paper, and the set-up
// or refresh of every sub-plot's maps when a plot file is opened.
//
// Setter modes of sus2cm1 and sus2cm3 (inter): 0 given values with the menu, 1 given
// values, 2 stored values with the menu, 3 fetch the stored values only, 4 defaults with
// the menu, 5 defaults, 6 defaults of all 40 sub-plots with the menu for each, 7 defaults
// of all 40 sub-plots. Any other mode acts on the given values, with the menu when even.
// After a map is stored its cm-to-user map is derived, and its user-to-device map too while
// the plot file is open. Both act on the current sub-plot, except in modes 6 and 7.
#pragma once

// User-to-cm map from a cm origin and a matrix: xcm = xcm0 + xx xu + xy yu,
// ycm = ycm0 + yx xu + yy yu. A map that cannot serve in single precision (a singular
// matrix, or a map or its inverse not finite) is reported and leaves the sub-plot as it
// was. Defaults: origin (10, 10), identity.
void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, int inter);
// User-to-cm map that puts the user window [xumin, xumax] x [yumin, yumax] into the paper
// box of corner (xcm0, ycm0) and sides xlcm, ylcm (a reversed limit mirrors that axis);
// ixy 1 gives both axes the smaller scale. A window of zero or non-finite extent, or one
// whose map cannot serve in single precision (as sus2cm1), is reported and leaves the
// sub-plot as it was. Defaults: corner (2, 2), sides 15, limits -10 to 10, ixy 1.
void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, int& ixy, int inter);
// Maps of all sub-plots: 4 and 5 set the default user-to-cm map of every sub-plot (4 with
// its menu for each) and name them Subplot_1 to Subplot_40; 7 (plot file open) recomputes
// every user-to-device map from the stored user-to-cm maps. The cm-to-device map is set
// while the plot file is open. Afterwards the current sub-plot is 1.
void splotscaling(int inter);
