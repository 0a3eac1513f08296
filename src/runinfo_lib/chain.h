// The routine chain of the run-information record, as the program text of the results
// header and the run-information block of the plot pages both compose it.
#pragma once

#include <string>
#include <string_view>

#include "gral_lib/frames.h"

// Name and version of routine level i (1 to 3), trimmed and joined by "_".
std::string level_text(int i);
// The last command in 4 columns, trimmed ("****" when it does not fit).
std::string command_text();
// Error frame of a record without a routine level: its level, the levels it can hold,
// "=> No program information".
void no_level_error(const RoutineId& id);
// Warning frame of a record with more routine levels than it holds.
void deep_level_warning(const RoutineId& id);
