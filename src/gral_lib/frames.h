// Frames around menus, help texts, errors and warnings; every frame line is 51 characters.
#pragma once

#include <string_view>

// Name, version text and date text of a routine, shown in the heads of its frames.
struct RoutineId {
  std::string_view name, version, date;
};

// Title block of a routine's menu, help or notice on the standard output unit.
void submenuhead(std::string_view cname, std::string_view cversion, std::string_view cdate);
// Title block of the main program's menus on the standard output unit.
void mainmenuhead(std::string_view cname, std::string_view cversion, std::string_view cdate);
// Closing line of a menu or help text on the standard output unit.
void menutail();
// Opening of an error frame on the error output unit (only cname is shown).
void errorhead(std::string_view cname, std::string_view cversion, std::string_view cdate);
// Pause and closing lines of an error frame.
void errortail00();
// Ends an error frame with the decision to resume or stop: 0 ask whether to resume,
// 1 ask whether to stop, 2 stop; any other level does nothing.
void errortailstop(int ilevel);
// Opening of a warning frame on the error output unit (only cname is shown).
void warninghead(std::string_view cname, std::string_view cversion, std::string_view cdate);
// Pause and closing lines of a warning frame.
void warningtail00();
// Closing line of a warning that does not pause (the start-up's system queries): the
// frame ends there, as its tail would end it.
void inline_warning_end();
// The sad face on the standard output unit, printed before an unrecoverable stop.
void sorryface();
