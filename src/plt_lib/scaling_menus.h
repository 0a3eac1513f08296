// The "CONVERSION SET UP" dialogues of the sub-plot scale setters: they show a user-to-cm
// map, ask whether to alter it and, if so, ask for each value in turn. They store nothing.
// A paper position (xcm0, ycm0) is taken within [-1000, 1000] cm and a paper side (xlcm,
// ylcm) from 0.01 to 1000 cm either way; any other answer is refused in an error frame and
// asked again.
#pragma once

#include <string_view>

// Map given as cm origin and matrix: xcm = xcm0 + xx xu + xy yu, ycm = ycm0 + yx xu + yy yu.
void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy);
// Map given by the user limits, the paper position of the corner (xumin, yumin), the paper
// lengths of the two sides and ixy (1 = equal x and y scales; the answer is 0 or 1).
void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, int& ixy);
// A line of two named values as the limits menu shows them: " xumin = ", f9.3, a blank,
// " yumin = ", f9.3 (after the line's leading blank).
void value_pair_line(std::string_view name1, float v1, std::string_view name2, float v2);
