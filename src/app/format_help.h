// Descriptions of the input formats of the fracture data file.
#pragma once

#include <string>

// Describes the input formats on the standard output unit: ifmt 0 all four inside a menu
// frame, 1 to 4 that one as the current format; any other index is reported as an error.
// cfmt holds the nfmt format names (at least four).
void kvrfmt(int ifmt, const std::string cfmt[], int nfmt);
