// The console record shared by every subsystem, and its set-up.
#pragma once

#include <array>
#include <cstdint>

// Console record: units and switches read by every routine that prints or asks.
struct IoCom {
  std::int32_t iuin = 0;      // standard input unit (prompts, banner pause)
  std::int32_t iuout = 0;     // standard output unit (menus, prompts, ordinary text)
  std::int32_t iuerrin = 0;   // error input unit (pauses and questions of the frame tails)
  std::int32_t iuerrout = 0;  // error output unit (heads and tails of error and warning frames)
  std::int32_t iucmd = 0;     // command-file unit: never set, only listed
  std::int32_t icmdindex = 0; // command-file index: never set, only listed
  bool lplotopen = false;     // a plot file is open (set and cleared by the plot engine)
  bool lcmdopen = false;      // a command file is open: never set in this system
  bool lpause = false;        // pause after a warning or an error
  std::array<bool, 3> LWITO{};  // output levels minimum, more, maximum; only more ([1]) is tested
};

extern IoCom iocom;

// The more-output level: explanation lines, defaults and menu lists are shown only when on.
inline bool more_output() { return iocom.LWITO[1]; }

// Fills iocom and announces it; lists it with writesio when iflag is 0.
void initsio2(int iflag);
// Lists iocom on unit iunit.
void writesio(int iunit);
