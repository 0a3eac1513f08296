// The run of main-menu command 1000: the fracture data are read from the data file or the
// keyboard, each record is checked, converted into true dip and right-hand strike, and
// written as one results record to the results file or the screen; the run ends with its
// summary and closes its files.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "gral_lib/format.h"

// Identity of the main program, shown in the heads of its frames.
inline constexpr std::string_view kvr_name = "kelvorastrim";
inline constexpr std::string_view kvr_version = "5.1 ";
inline constexpr std::string_view kvr_date = "2025-04-17";

// The main program's settings, with their start values; a run reads them and gives back
// in infile and outfile the names the user chose.
struct KvrSettings {
  int ITP = 1;  // input origin: 1 data file, 2 keyboard
  std::array<std::string, 2> CITP{"file    ", "keyboard"};
  int OTP = 1;  // output destination: 1 results file, 2 screen
  std::array<std::string, 2> COTP{"file    ", "screen  "};
  std::string infile = fit("kelvst_in.txt", 50);
  std::string outfile = fit("kelvst_out.txt", 50);
  std::string plotfile = fit("kelvst_plot.ps", 50);
  int IDATFMT = 1;  // input data format 1..4
  std::array<std::string, 4> CDATFMT{fit("Alphanumerical: 2 dips", 32), fit("Numerical: 2 dips", 32),
                                     fit("Alphanumerical: sect+depth+2dips", 32),
                                     fit("Numerical: sect+depth+2dips", 32)};
  bool lsectdepth = false;  // the format carries section number and depth (3 and 4)
  bool lplotstat = true;    // draw the statistics page
  bool lplotsect = true;    // draw the section pages
  float diam = 6.0f;        // core diameter, cm
  int IPART = 1;            // core half drawn: 1 archive, 2 working
  std::array<std::string, 2> NAMSECUT{"Archive half E<->W", "Working half W<->E"};
  int IVCD = 1;  // VCD template
  int hdip = 1, hrake = 2, hstrike = 3;  // histogram numbers
  char separator = '\t';                 // field separator of the results records
};

// The run's title, the current record and the run's counters.
struct KvrRecord {
  std::string title = std::string(35, ' ');  // data title
  int ISECT = 0;                             // core section number (formats 3 and 4)
  float DEPTH = 0.0f;                        // depth within the section, cm
  float DIP[2] = {0.0f, 0.0f};               // apparent dips; DIP[1] is the strike with letter A
  char DDIR[2] = {' ', ' '};                 // direction letters (formats 1 and 3)
  float DIPDA[2] = {0.0f, 0.0f};             // direction azimuths; DIPDA[1] is the strike in strike mode
  float STRIKE = 0.0f;                       // right-hand strike of a converted record
  float TRUEDIP = 0.0f;                      // true dip of a converted record
  std::string comment = std::string(55, ' ');
  int nread = 0;       // records read in the run
  int nconv = 0;       // records converted in the run
  int nsectdata = 0;   // records converted in the current core section
  int isectprev = -9999;  // section of the page in progress
  bool lsectpage = false; // a section page is in progress (any section number, -9999 too)
  float sectaz = 270.0f;  // azimuth of the section's cut face, degrees
  float boxlimit = 0.0f;  // depth at the bottom of the first core box of the page, cm
  bool lend = false;   // the keyboard user ended the input
};

// Runs command icmnd (1000): input, checks, conversion, results, summary, closing.
void conversion_run(KvrSettings& set, KvrRecord& rec, int icmnd);
