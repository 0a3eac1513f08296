#include "plt_lib/linefill.h"

#include <cstdint>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psdraw.h"
#include "plt_lib/attributes.h"
#include "plt_lib/subplots.h"

namespace {

using Int = std::int32_t;

constexpr std::string_view setters_date = "2024-10-22";

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

// ---- line thickness ----

constexpr float default_width = 0.02f;

void check_width(float& w) {
  if (!(w <= 0.01f || w > 1000.0f)) return;  // a value that is not a number passes
  setter_warning_head({"slinewidth", "7.1 ", setters_date});
  setter_text("LINE THICKNESS OUT OF RANGE:");
  setter_real(" line thickness (cm) =", w);
  setter_real(" min =", 0.01f);
  setter_real(" max =", 1000.0f);
  w = default_width;
  setter_real("==> RESET line thickness =", w);
  warningtail00();
}

const AttributeMember<float> width_member{
    .id = {"slinewidth", "7.1 ", setters_date},
    .field = &Plt2Blk::LINEWIDTH,
    .default_value = default_width,
    .check_given = check_width,
    .initialising = [](const float& w) { out(Line().x().a("INITIALISING LINE THICKNESS TO:").x().f(w, 8, 3).x().a("cm")); },
    .dialogue =
        [](float& w) {
          setter_dialogue_head(width_member.id, "          LINE THICKNESS");
          setter_real("present value in cm ....... ", w);
          menutail();
          int istat;
          inrealvindef(w, setter_question("line thickness in cm"), w, 0.01f, 1000.0f, istat);
        },
    .send =
        [] {
          float points;
          lengthcm2de(points, plt2blk.LINEWIDTH);
          intslinewidth(points);
        },
};

// ---- colour numbers of lines, fills and texts: one setter on three fields ----

struct ColorSetter {
  RoutineId id;
  Int Plt2Blk::*field;
  Int default_value;
  std::string_view initialising, heading, prompt;
};

constexpr ColorSetter line_color{{"slinecolor", "3.1 ", setters_date}, &Plt2Blk::LINECOLOR, 1,
                                 "INITIALISING LINE COLOR TO:", "     LINE COLOR", "color number"};
constexpr ColorSetter fill_color{{"sfillcolor", "3.1 ", setters_date}, &Plt2Blk::IFILLCOLOR, 8,
                                 "INITIALISING FILL COLOR TO:", "     FILL COLOR", "your choice"};
constexpr ColorSetter text_color{{"stextcolor", "3.1 ", setters_date}, &Plt2Blk::ITEXTCOLOR, 1,
                                 "INITIALISING TEXT COLOR TO:", "TEXT COLOR                                 ",
                                 "your choice"};

const std::string& color_name(Int icol) {
  static const std::string none;
  return icol >= 0 && icol <= max_color_number ? pltcharblk.COLORNAM[static_cast<std::size_t>(icol)] : none;
}

// A colour number outside 0..N is reported and brought back into it.
void check_color(const ColorSetter& c, Int& icol) {
  const Int n = plt2blk.NBCOLOR;
  if (icol >= 0 && icol <= n) return;
  setter_warning_head(c.id);
  setter_integer("trying to set color nb =", icol);
  if (icol > n) {
    setter_integer("when max color nb      =", n);
    icol = icol % (n + 1);
    if (icol == 0) icol = 1;
  } else {
    setter_text("when min color nb      = 0");
    icol = 1;
  }
  setter_integer("===> RESET color nb    =", icol);
  warningtail00();
}

void color_dialogue(const ColorSetter& c, Int& icol) {
  setter_dialogue_head(c.id, c.heading);
  setter_integer("current value:", plt2blk.*c.field);
  setter_integer("new     value:", icol);
  for (Int i = 0; i <= plt2blk.NBCOLOR; ++i) out(Line().x().a(color_name(i), 8).rep('.', 17).i(i, 3));
  menutail();
  int istat;
  inintegvindef(icol, setter_question(c.prompt), icol, 0, plt2blk.NBCOLOR, istat);
}

template <const ColorSetter& C>
const AttributeMember<Int> color_member{
    .id = C.id,
    .field = C.field,
    .default_value = C.default_value,
    .check_always = [](Int& icol) { check_color(C, icol); },
    .initialising = [](const Int& icol) { out(Line().x().a(C.initialising).x().a(color_name(icol))); },
    .dialogue = [](Int& icol) { color_dialogue(C, icol); },
    .dialogue_in_mode6 = true,
};

// ---- fill style ----

constexpr RoutineId fill_style_id{"sfillstyle", "4.1 ", setters_date};
constexpr Int max_fill_style = 1;

void check_fill_style(Int& istyle) {
  if (istyle >= 0 && istyle <= max_fill_style) return;
  setter_warning_head(fill_style_id);
  if (istyle > max_fill_style) {
    setter_integer("trying to set style nb =", istyle);
    setter_integer("max style nb =", max_fill_style);
    istyle = istyle % (max_fill_style + 1);
  } else {
    setter_integer("trying to set nb of style  =", istyle);
    setter_text("min style nb = 0");
    istyle = 1;
  }
  setter_integer("===> RESET style nb =", istyle);
  warningtail00();
}

const AttributeMember<Int> fill_style_member{
    .id = fill_style_id,
    .field = &Plt2Blk::IFILLSTYLE,
    .default_value = 1,
    .check_given = check_fill_style,
    .initialising = [](const Int&) { setter_text("INITIALISING FILL STYLE TO: filled"); },
    .dialogue =
        [](Int& istyle) {
          setter_dialogue_head(fill_style_id, "     POLYGON FILL STYLES");
          setter_integer("currently stored   :", plt2blk.IFILLSTYLE);
          setter_integer("suggested new value:", istyle);
          setter_text("hollow ....................0");
          setter_text("filled ....................1");
          menutail();
          int istat;
          inintegvindef(istyle, setter_question("your choice"), istyle, 0, max_fill_style, istat);
        },
};

}  // namespace

void slinestyle(int&, int) {}

void slinewidth(float& w, int inter) { run_attribute_setter(width_member, w, inter); }

void slinecolor(int& icol, int inter) { run_attribute_setter(color_member<line_color>, icol, inter); }

void sfillcolor(int& icol, int inter) { run_attribute_setter(color_member<fill_color>, icol, inter); }

void stextcolor(int& icol, int inter) { run_attribute_setter(color_member<text_color>, icol, inter); }

void sfillstyle(int& istyle, int inter) { run_attribute_setter(fill_style_member, istyle, inter); }
