// Lines that the axis routines write inside their frames and menus, all on the standard
// output unit, each beginning with one blank (shared by the axis library's sources only).
#pragma once

#include <string_view>

#include "gral_lib/frames.h"

// The text.
void axis_text(std::string_view text);
// The text, one blank and the integer in 4 columns.
void axis_number(std::string_view text, int value);
// The text, one blank and the real in f9.3.
void axis_value(std::string_view text, float value);
// n dashes.
void axis_dashes(int n);
// A heading and the annotation bounds and increment that it is about, as the increment
// checks report them.
void annotation_lines(std::string_view heading, float WAU1, float WAU2, float WAUD);
// Error frame of a routine given an axis number outside 1 to 15: the number (with the
// given text) and the largest one; the caller adds its action line and closes the frame.
void bad_axis_number_head(const RoutineId& id, std::string_view text, int IAX);
