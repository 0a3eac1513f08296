// Console prompts: each asks one question, takes the default for an empty answer, reports
// an unusable answer and asks again until the answer is usable, then echoes the value.
// Callers may pass one variable as both value and default: the answer replaces it, and a
// range prompt offers a rejected answer as the next default. istat is always 0.
// An end of input on the console ends the program.
#pragma once

#include <string>
#include <string_view>

// A text without default: the whole line (an empty one too), cut or padded to cv's length.
void inchar1(std::string& cv, std::string_view ctext, int& istat);
// A text with default: the first 80 characters of the answer, cut or padded to cv's length.
void inchardef(std::string& cv, std::string_view ctext, const std::string& cdef, int& istat);
// An integer without default.
void ininteg1(int& iv, std::string_view ctext, int& istat);
// An integer with default.
void inintegdef(int& iv, std::string_view ctext, const int& idef, int& istat);
// An integer without default inside [ivmin, ivmax].
void inintegvin1(int& iv, std::string_view ctext, int ivmin, int ivmax, int& istat);
// An integer with default inside [ivmin, ivmax]; the default is range-tested too.
void inintegvindef(int& iv, std::string_view ctext, const int& idef, int ivmin, int ivmax, int& istat);
// A real with default.
void inrealdef(float& rv, std::string_view ctext, const float& rdef, int& istat);
// A real with default inside [rvmin, rvmax]; the default is range-tested too.
void inrealvindef(float& rv, std::string_view ctext, const float& rdef, float rvmin, float rvmax, int& istat);
// A yes/no answer with default on the standard units; h shows help.
void inlogicdef(bool& lv, std::string_view ctext, const bool& ldef, int& istat);
// A yes/no answer with default on the given units, every line shown whatever the output level.
void inlogicdef2(bool& lv, std::string_view ctext, const bool& ldef, int iuin, int iuout, int& istat);
