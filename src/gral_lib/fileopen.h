// Opening files on units, with the name dialogue and the retry of a failed open.
// Status "old" opens an existing file for reading only; "new" creates a file and fails when
// one of that name exists; "unknown" creates the file or replaces it. On success cfile
// receives the name without its directory (cut or padded to cfile's length). A name holding
// a control character (a NUL, a line end) is no file name: its open fails. A file opened for
// writing is reported, in the frame of close_checked, once it cannot take what is written.
#pragma once

#include <string>
#include <string_view>

// imode 0: opening frame and name dialogue, retry question after a failure; 7: silent;
// other: frame only. igrav < 0: report and go on; >= 0: error frame and errortailstop(igrav).
// istat: 0 open, 1 not. creplace: when given, "unknown" replaces an existing file that is not
// empty only when it begins with creplace; any other is a failed open.
void opef1(std::string& cfile, std::string_view cdesc, int iunit, std::string_view cstatus,
           std::string_view caction, int imode, int igrav, int& istat, std::string_view creplace = {});
// imode 0: frame and name dialogue, asked again until a file opens; other: a failure stops.
void opef2(std::string& cfile, std::string_view cdesc, int iunit, std::string_view cstatus, int imode);
// Closes a file written on iunit and reports, in an error frame, when not everything written
// reached it (a full disk), so that an incomplete file is never passed over in silence.
// False after such a report.
bool close_checked(int iunit, std::string_view cdesc, std::string_view cfile);
// Checks a file being written on iunit: when a write or flush has failed, the file is closed
// (what reached it stays) and reported at once in the frame of close_checked; false then.
// A unit not open has nothing to report.
bool write_checked(int iunit, std::string_view cdesc, std::string_view cfile);
// The report of the file written on iunit also tells how many records, the lines after its
// first nheader lines, reached the file whole, and says so when the header lines did not.
void report_records(int iunit, int nheader);
