#include "app/format_help.h"

#include <initializer_list>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {

void out(std::string_view text) { unit::write_line(iocom.iuout, Line().x().a(text)); }
void lines(std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) out(t);
}

constexpr std::string_view long_dashes = "-------------------------------------------";
constexpr std::string_view short_dashes = "-----------------------------------------";

constexpr std::string_view alpha_dip1 = " (1) 1st apparent dip  [0, 90]";
constexpr std::string_view alpha_dir1 = " (2) 1st dip direction ('E','W','N','S')";

void format1() {
  lines({"case 2 dips :", alpha_dip1, alpha_dir1, " (3) 2nd apparent dip  [0, 90]",
         " (4) 2nd dip direction ('E','W','N','S')", short_dashes, "case 1 dip and 1 strike :", alpha_dip1,
         alpha_dir1, " (3) strike value      [-360, +360]", " (4) strike indicator  ('A')", short_dashes,
         "Examples :", "  2 dips:              16 'E'  50 'N' ", "  1 dip and 1 strike:  16 'W' 200 'A' "});
}

void format2() {
  lines({" (1) 1st apparent dip  [0, 90]", " (2) 1st dip direction [-360, +360]", " (3) 2nd apparent dip  [0, 90]",
         " (4) 2nd dip direction [-360, +360]", short_dashes, "Examples :", "  2 dips :              16  90 50   0",
         "  1 dip and 1 strike :  16 180  0 200"});
}

constexpr std::string_view section_lines[] = {" (1) Core section nb (integer) [1, 7]",
                                              " (2) Depth within section (cm) [0, 150]"};
constexpr std::string_view alpha_dip3 = " (3) 1st apparent dip  [0, 90]";
constexpr std::string_view alpha_dir3 = " (4) 1st dip direction ('E','W','N','S')";

void format3() {
  lines({section_lines[0], section_lines[1], short_dashes, "case 2 dips :", alpha_dip3, alpha_dir3,
         " (5) 2nd apparent dip  [0, 90]", " (6) 2nd dip direction ('E','W','N','S')", short_dashes,
         "case 1 dip and 1 strike :", alpha_dip3, alpha_dir3, " (5) strike value      [-360, +360]",
         " (6) strike indicator  ('A')", short_dashes, "Examples :", "  2 dips:             2 105.6 16 'E'  50 'N' ",
         "  1 dip and 1 strike: 2 105.6 16 'W' 200 'A' "});
}

void format4() {
  lines({section_lines[0], section_lines[1], short_dashes, " (3) 1st apparent dip  [0, 90]",
         " (4) 1st dip direction [-360, +360]", " (5) 2nd apparent dip  [0, 90]", " (6) 2nd dip direction [-360, +360]",
         short_dashes, "Examples :", "  2 dips:             2 105.6 16  90 50   0",
         "  1 dip and 1 strike: 2 105.6 16 180  0 200"});
}

}  // namespace

void kvrfmt(int ifmt, const std::string cfmt[], int nfmt) {
  static constexpr std::string_view name = "kvrfmt", version = "2.0 ", date = "2025-03-27";
  if (ifmt == 0) {
    submenuhead(name, version, date);
    out("4 AVAILABLE INPUT FORMATS:");
  } else if (ifmt >= 1 && ifmt <= 4) {
    out(long_dashes);
    out("CURRENT INPUT FORMAT:");
  }
  static void (*const blocks[])() = {format1, format2, format3, format4};
  for (int k = 1; k <= 4; ++k) {
    if (ifmt != 0 && ifmt != k) continue;
    std::string_view fname = k <= nfmt ? trimmed(cfmt[k - 1]) : std::string_view();
    out(long_dashes);
    unit::write_line(iocom.iuout, Line().x().a("Index =", 7).x().i(k, 1).x().a("Name :").x().a(fname));
    out(long_dashes);
    blocks[k - 1]();
  }
  if (ifmt == 0) {
    menutail();
  } else if (ifmt >= 1 && ifmt <= 4) {
    out(long_dashes);
  } else {
    errorhead(name, version, date);
    unit::write_line(iocom.iuout, Line().x().a("format index = ").x().i(ifmt, 2));
    out("out of [0,4]");
    out("==> NO ACTION");
    errortail00();
  }
}
