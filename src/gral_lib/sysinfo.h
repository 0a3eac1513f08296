// The program's surroundings as fixed-length texts: date and time, host and login names,
// processor brand and system version. Each result is cut or blank-padded to the length of
// the caller's text (an empty text receives the whole value).
#pragma once

#include <string>

// The current local date as yyyy-mm-dd and time as hh:mm:ss, both from one reading.
void date10_time8(std::string& cdate10, std::string& ctime8);
// The host name; "Macintosh" when it cannot be had.
void hostname(std::string& chost);
// The login name; blank when there is none.
void username(std::string& cuser);
// The processor brand ("Core " and the model for an Intel Core processor), read through a
// temporary file in the working directory; "Macintosh" with a warning when it cannot be had.
void hardinfo(std::string& ccpu);
// "Linux_" and the system's version, read through a temporary file in the working directory;
// "Linux" with a warning when it cannot be had.
void osversion(std::string& cos);
