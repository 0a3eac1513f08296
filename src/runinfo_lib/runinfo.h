// The run-information record: which program runs, in which version, for whom, where, on
// what system and processor, since when, and the last main-menu command.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Field lengths of the record's texts.
inline constexpr std::size_t kRoutNameLen = 20;
inline constexpr std::size_t kRoutVersLen = 4;
inline constexpr std::size_t kRoutDateLen = 10;
inline constexpr std::size_t kOsVersLen = 13;
inline constexpr std::size_t kHardwLen = 30;
inline constexpr std::size_t kHostLen = 35;
inline constexpr std::size_t kUserLen = 10;
inline constexpr std::size_t kDateLen = 10;
inline constexpr std::size_t kTimeLen = 8;
inline constexpr int kRoutLevels = 3;

// Texts are blank-padded to their field lengths; levels 2 and 3 stay blank in this program.
struct RunInfo3Com {
  std::int32_t ROUTLEVEL = 0;    // routine levels recorded (1 after smaininfo2)
  std::int32_t CMND = 0;         // last main-menu command recorded
  std::int32_t RUNINFOCODE = 0;  // 0-3: with or without user and host, with or without command
  std::int32_t CLOCKSTART = 0;   // clock count at start
  float CPUSTART = 0.0f;         // processor time at start, seconds
  std::array<std::string, kRoutLevels> ROUTNAME{std::string(kRoutNameLen, ' '), std::string(kRoutNameLen, ' '),
                                                std::string(kRoutNameLen, ' ')};
  std::array<std::string, kRoutLevels> ROUTVERS{std::string(kRoutVersLen, ' '), std::string(kRoutVersLen, ' '),
                                                std::string(kRoutVersLen, ' ')};
  std::array<std::string, kRoutLevels> ROUTDATE{std::string(kRoutDateLen, ' '), std::string(kRoutDateLen, ' '),
                                                std::string(kRoutDateLen, ' ')};
  std::string OSVERS = std::string(kOsVersLen, ' ');
  std::string HARDW = std::string(kHardwLen, ' ');
  std::string HOST = std::string(kHostLen, ' ');
  std::string USER = std::string(kUserLen, ' ');
  std::string STARTDATE = std::string(kDateLen, ' ');
  std::string STARTTIME = std::string(kTimeLen, ' ');
};

extern RunInfo3Com runinfo3com;

// Resets the record and fills it: the main program's identity (level 1), command 0, run info
// code 0, user, host, system, processor, start date and time, processor time and clock count.
void smaininfo2(std::string_view NAME, std::string_view VERS, std::string_view DATE);
// Records the last main-menu command.
void scmndinfo(int ICMND);
// Run info code 0-3 by setter mode: 0/1 take ICODE, 2/3 fetch it, 4/5 default 0; even modes
// show the dialogue; 5 announces the initialisation.
void swpinfo(int& ICODE, int inter);
// The system text (system version and processor) and the program text (program, version,
// routine chain and, for codes 0 and 2, the last command), cut or padded to the caller's lengths.
void getruninfo0(std::string& SYSINFO, std::string& PROGINFO);
