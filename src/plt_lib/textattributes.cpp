#include "plt_lib/textattributes.h"

#include <array>
#include <cstdint>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psdraw.h"
#include "plt_lib/attributes.h"

namespace {

using Int = std::int32_t;

constexpr std::string_view setters_date = "2024-10-22";

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

// ---- text height ----

constexpr RoutineId size_id{"stextsize", "8.1 ", setters_date};

void check_size(float& h) {
  if (!(h <= 0.02f || h > 1000.0f)) return;  // a value that is not a number passes
  setter_warning_head(size_id);
  setter_text("TEXT HEIGHT (cm) OUT OF RANGE:");
  setter_real(" text height =", h);
  setter_real(" min         =", 0.02f);
  setter_real(" max         =", 1000.0f);
  h = h <= 0.02f ? 0.02f : 0.5f;
  setter_real("==> RESET text height =", h);
  warningtail00();
}

// The smallest height the dialogue takes: texts are drawn at fractions of the height in
// force (page captions at half of it, the annotations of an axis titled at that height at
// 0.8 times it), and each of them must stay above the 0.02 cm that the check refuses.
constexpr float min_typed_height = 0.05f;

const AttributeMember<float> size_member{
    .id = size_id,
    .field = &Plt2Blk::TEXTSIZE,
    .default_value = 0.5f,
    .check_given = check_size,
    .initialising = [](const float& h) { out(Line().x().a("INITIALISING TEXT SIZE TO:").x().f(h, 8, 3).x().a("cm")); },
    .dialogue =
        [](float& h) {
          setter_dialogue_head(size_id, "                TEXT SIZE");
          setter_real("present value in cm .......... ", h);
          menutail();
          int istat;
          inrealvindef(h, setter_question("text height in cm"), h, min_typed_height, 1000.0f, istat);
        },
    .send = [] { intstextsize(plt2blk.TEXTSIZE); },
};

// ---- text angle ----

constexpr RoutineId angle_id{"stextangle", "3.1 ", setters_date};

const AttributeMember<float> angle_member{
    .id = angle_id,
    .field = &Plt2Blk::TEXTANGLE,
    .default_value = 0.0f,
    .initialising = [](const float&) { setter_text("INITIALISING TEXT ANGLE TO: 0.0"); },
    .dialogue =
        [](float& a) {
          setter_dialogue_head(angle_id, "         TEXT ANGLE (degrees)");
          setter_real("currently stored   :", plt2blk.TEXTANGLE);
          setter_real("suggested new value:", a);
          menutail();
          int istat;
          inrealdef(a, setter_question("text angle in degrees"), a, istat);
        },
};

// ---- justification code ----

constexpr RoutineId align_id{"stextalign", "3.1 ", setters_date};

void check_align(Int& j) {
  if (j >= -11 && j <= 11) return;
  setter_warning_head(align_id);
  setter_integer("trying to set justif =", j);
  setter_text("justif must be in [-11,11]");
  j = -1;
  setter_integer("===> RESET justif =", j);
  warningtail00();
}

// Codes that name no place on the text are reset; true when j was reset.
bool check_place(Int& j) {
  const bool to_minus_one = j == 0 || j == -4 || j == -8;
  if (!to_minus_one && j != 4 && j != 8) return false;
  setter_warning_head(align_id);
  setter_integer("just =", j);
  j = to_minus_one ? -1 : 1;
  setter_integer("===> RESET just =", j);
  warningtail00();
  return true;
}

constexpr std::string_view dash_row = "-------------------------------------------";

constexpr std::array<std::string_view, 16> align_explanation = {
    dash_row,
    "          SETTING TEXT ALIGNMENT",
    " (codes after the classic plot libraries)",
    dash_row,
    " |just| indicates where the x,y point",
    "      is relative to the textstring",
    " if just < 0 leading and trailing blanks",
    "      will be ignored",
    "",
    "   9              10              11",
    "   |---------------|---------------|",
    "   5<==textstring==6==============>7",
    "   |---------------|---------------|",
    "   1               2               3",
    "",
    dash_row,
};

const AttributeMember<Int> align_member{
    .id = align_id,
    .field = &Plt2Blk::JUSTIF,
    .default_value = -1,
    .check_given = check_align,
    .initialising =
        [](const Int&) {
          setter_text("INITIALISING TEXT ALIGNMENT TO: -1");
          setter_text("=====> left-bottom trimmed");
        },
    .dialogue =
        [](Int& j) {
          submenuhead(align_id.name, align_id.version, align_id.date);
          for (std::string_view l : align_explanation) setter_text(fit(l, 43));
          setter_integer("currently stored   :", plt2blk.JUSTIF);
          setter_integer("suggested new value:", j);
          menutail();
          int istat;
          inintegvindef(j, setter_question("value of just"), j, -11, 11, istat);
        },
    .recheck = check_place,
};

// ---- font ----

constexpr RoutineId font_id{"stextfont", "4.1 ", setters_date};

void check_font(Int& ifont) {
  if (ifont >= 1 && ifont <= 16) return;
  setter_warning_head(font_id);
  setter_integer("trying to set font number =", ifont);
  setter_text("font number must be in [1,16]");
  ifont = 1;
  setter_integer("===> RESET font number =", ifont);
  warningtail00();
}

constexpr std::array<std::string_view, 16> font_lines = {
    "Helvetica...............................1", "Helvetica-Bold..........................2",
    "Helvetica-Oblique.......................3", "Helvetica-BoldOblique...................4",
    "Times-Roman.............................5", "Times-Bold..............................6",
    "Times-Italic............................7", "Times-BoldItalic........................8",
    "Courier.................................9", "Courier-Bold...........................10",
    "Courier-Oblique........................11", "Courier-BoldOblique....................12",
    "Symbol.................................13", "Symbol-Bold............................14",
    "Symbol-Oblique.........................15", "Symbol-BoldOblique.....................16",
};

const AttributeMember<Int> font_member{
    .id = font_id,
    .field = &Plt2Blk::IFONT,
    .default_value = 1,
    .check_given = check_font,
    .initialising = [](const Int&) { setter_text("INITIALISING TEXT FONT TO: 1 = Helvetica"); },
    .dialogue =
        [](Int& ifont) {
          setter_dialogue_head(font_id, "                 TEXT FONT");
          setter_integer("present value.=", ifont);
          for (std::string_view l : font_lines) setter_text(l);
          menutail();
          int istat;
          inintegvindef(ifont, setter_question("your choice"), ifont, 1, 16, istat);
        },
    .send = [] { intstextfont(plt2blk.IFONT); },
};

}  // namespace

void stextsize(float& h, int inter) { run_attribute_setter(size_member, h, inter); }

void stextangle(float& a, int inter) { run_attribute_setter(angle_member, a, inter); }

void stextalign(int& j, int inter) { run_attribute_setter(align_member, j, inter); }

void stextfont(int& ifont, int inter) { run_attribute_setter(font_member, ifont, inter); }
