#include "app/main_program.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/app_setup.h"
#include "app/format_help.h"
#include "app/run.h"
#include "app/run_stages.h"
#include "axis_lib/axes.h"
#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "histo_lib/setters.h"
#include "math_lib/angles.h"
#include "plt_lib/plotattributes.h"
#include "plt_lib/plotcontrol.h"
#include "runinfo_lib/banners.h"
#include "runinfo_lib/runinfo.h"

namespace {

constexpr std::string_view dashes = "-------------------------------------------";

void out(std::string_view text) { unit::write_line(iocom.iuout, Line().x().a(text)); }
void lines(std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) out(t);
}
void titled(std::string_view title) { lines({dashes, title, dashes}); }

// Start-up: the console, the run information and the start banner, then every library's
// set-up, then the program's own settings.
void start_up(KvrSettings& set) {
  initsio2(5);
  smaininfo2(kvr_name, kvr_version.substr(0, 3), kvr_date);
  progheadzq2();
  int code = 2;
  swpinfo(code, 1);  // from now on without user and host
  trigoset();
  splotattributes(5);
  skvrplot(5);
  skvraxis(5);
  skvrhisto(set.hdip, set.hrake, set.hstrike, 5);
  // The settings start from their defaults (KvrSettings); only whether the format carries
  // sections is derived.
  set.lsectdepth = section_format(set.IDATFMT);
}

void main_menu(const KvrSettings& set) {
  auto setting = [](std::string_view label, std::string_view value) { out(Line().a(label).x().a(value)); };
  auto switch_line = [](std::string_view item, bool on) { out(Line().a(item).x().l(on, 1)); };
  mainmenuhead(kvr_name, kvr_version, kvr_date);
  titled("DATA SET UP:");
  setting("Input from  :", set.CITP[static_cast<std::size_t>(set.ITP - 1)]);
  setting("Output to   :", set.COTP[static_cast<std::size_t>(set.OTP - 1)]);
  setting("Data format :", set.CDATFMT[static_cast<std::size_t>(set.IDATFMT - 1)]);
  lines({"Modify input origin ...................50", "Modify output destination .............51",
         "Modify input format ...................52", "Help on input format ..................53"});
  titled("PLOT SET UP:");
  setting("Plot file name :", set.plotfile);
  lines({"Open  plot file .......................10", "Modify scaling ........................11",
         "Modify plot attributes ................12", "Modify axis ...........................13",
         "Close plot file .......................20"});
  titled("STATISTICS PLOT");
  switch_line("Plot statistics .......................21", set.lplotstat);
  out("Modify histograms .....................22");
  if (set.lsectdepth) {
    titled("SECTION PLOT");
    out(Line().a("Core diameter :").x().f(set.diam, 7, 1));
    setting("Part to plot  :", set.NAMSECUT[static_cast<std::size_t>(set.IPART - 1)]);
    out(Line().a("VCD type      :").x().i(set.IVCD, 5));
    switch_line("Plot section ..........................31", set.lplotsect);
    lines({"Modify core diameter ..................32", "Modify section plot part ..............33",
           "Modify section plot vcd ...............34"});
  }
  lines({dashes, "SET UP OK => RUN & PLOT .............1000", "QUIT PROGRAM ........................9999"});
  menutail();
}

// A sub-menu of the main program: one line per choice, then the choice asked with the
// current one as default.
template <std::size_t N>
void choice_menu(std::string_view title, std::string_view column_head, const std::array<std::string, N>& names,
                 int width, int ndots, std::string_view prompt, int& choice) {
  mainmenuhead(kvr_name, kvr_version, kvr_date);
  titled(title);
  out(column_head);
  for (std::size_t k = 0; k < N; ++k)
    out(Line().a(names[k], width).a(" ").rep('.', ndots).i(static_cast<int>(k + 1), 1));
  menutail();
  int istat = 0;
  inintegvindef(choice, prompt, choice, 1, static_cast<int>(N), istat);
}

void vcd_menu(int& ivcd) {
  mainmenuhead(kvr_name, kvr_version, kvr_date);
  titled("VCD TEMPLATE FOR SECTION PLOTS");
  lines({"VCD template                      Command", "Leg 180 : 150 cm in 2 boxes ............1",
         "Leg 209 : 150 cm in 1 box ..............2"});
  menutail();
  int istat = 0;
  inintegvindef(ivcd, "VCD choice", ivcd, 1, 2, istat);
}

// The core diameter: a diameter that is not a positive number would leave the section
// pages without a core to draw, and one of more than 1000 cm (a real core is a few cm)
// would be drawn in counts and scales beyond single precision; either is refused and asked
// again.
constexpr float max_core_diameter = 1000.0f;

void core_diameter(float& diam) {
  for (;;) {
    float answer = diam;
    int istat = 0;
    inrealdef(answer, "core diameter (cm)", diam, istat);
    if (answer > 0.0f && answer <= max_core_diameter) {
      diam = answer;
      return;
    }
    errorhead(kvr_name, kvr_version, kvr_date);
    out(Line().a("core diameter (cm) =").x().g(answer, 12, 6));
    out(answer > 0.0f ? "should not exceed 1000 ==> RETRYING" : "should be greater than 0 ==> RETRYING");
    errortail00();
  }
}

// The dialogue of a command; commands without one (10, 20, 1000, 9999) and numbers that no
// item has do nothing here.
void command_dialogue(int icmnd, KvrSettings& set) {
  int istat = 0;
  switch (icmnd) {
    case 11: skvrplot(2); break;
    case 12: splotattributes(0); break;
    case 13: snaxis(2); break;
    case 21: inlogicdef(set.lplotstat, "plot statistics", set.lplotstat, istat); break;
    case 22: {
      int sw = 1;
      shstall(sw, 2);
      break;
    }
    case 31: inlogicdef(set.lplotsect, "plot section", set.lplotsect, istat); break;
    case 32: core_diameter(set.diam); break;
    case 33:
      choice_menu("SECTION CUT FOR PLOTS", "Section cut                       Command", set.NAMSECUT, 18, 21,
                  "section cut", set.IPART);
      break;
    case 34: vcd_menu(set.IVCD); break;
    case 50:
      choice_menu("INPUT SOURCE", "Input from:                       Command", set.CITP, 8, 31, "input origin", set.ITP);
      break;
    case 51:
      choice_menu("OUTPUT DESTINATION", "Output to:                        Command", set.COTP, 8, 31,
                  "output destination", set.OTP);
      break;
    case 52:
      choice_menu("INPUT DATA FORMAT", "Data format:                      Command", set.CDATFMT, 32, 7, "data format",
                  set.IDATFMT);
      set.lsectdepth = section_format(set.IDATFMT);
      break;
    case 53: kvrfmt(0, set.CDATFMT.data(), static_cast<int>(set.CDATFMT.size())); break;
    default: break;
  }
}

// The plot file around the commands: opened for command 10, and for a run that wants a plot
// when none is open; a new page for a run that wants a plot in the open file; closed for
// command 20, and for command 9999 when open.
void plot_file(int icmnd, KvrSettings& set) {
  bool section_plot = set.lplotsect && set.lsectdepth;
  bool wanted = set.lplotstat || section_plot;
  if (icmnd == 10 || (icmnd == 1000 && !iocom.lplotopen && wanted)) {
    if (section_plot)
      titled("OPENING SECTION PLOT FILE");
    else if (set.lplotstat)
      titled("OPENING STATISTICS PLOT FILE");
    plinit(set.plotfile, 2);
  } else if (icmnd == 1000 && iocom.lplotopen && wanted) {
    newpage();
  } else if (icmnd == 20 || (icmnd == 9999 && iocom.lplotopen)) {
    plend();
  }
}

}  // namespace

void kelvorastrim() {
  KvrSettings set;
  KvrRecord rec;
  start_up(set);
  for (;;) {
    // No frame is open at the main menu; one left open would hold back every report.
    unit::at_top_level();
    main_menu(set);
    int icmnd = 0, istat = 0;
    ininteg1(icmnd, "command", istat);
    command_dialogue(icmnd, set);
    plot_file(icmnd, set);
    if (icmnd == 9999) {
      progtail2();
      return;
    }
    if (icmnd == 1000) conversion_run(set, rec, icmnd);
  }
}
