// Fixed-length texts and numbers as text.
#pragma once

#include <string>
#include <string_view>

// First and last non-blank positions (from 1) of ctext; n blanks give (n, n), an empty text (1, 1).
void textlen(int& ifirst, int& ilast, std::string_view ctext);
// The substring from ifirst to ilast as textlen gives them (one blank for a blank text).
std::string_view trimmed(std::string_view ctext);
// Number of characters of an integer (used as a field width).
void integlen(int& nlen, int iv);
// The last component of a path; a '/' in the last non-blank position is not a separator.
void path2basename(int& nlen, std::string& cbase, std::string_view cpath);
// iv as its shortest text in the first mchar characters of cstr; nchar its length.
void intg2char(std::string& cstr, int& nchar, int mchar, int iv);
// r in fixed point with n decimals in the least width m that mavail allows.
void real2charf1(std::string& cstr, int& m, int n, int mavail, float r);
// Range check of v against [vmin, vmax] with a report by gravity igrav (0-4, 10-14 with reset).
// istat: 0 inside, 1 below, 2 above.
void crevin3(float& v, float vmin, float vmax, std::string_view cname, std::string_view croutine,
             int igrav, int& istat);
