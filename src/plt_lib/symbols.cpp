#include "plt_lib/symbols.h"

#include <array>
#include <cstdint>

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "plt_lib/attributes.h"

namespace {

using Int = std::int32_t;

constexpr RoutineId size_id{"ssymbolsize", "3.1 ", "2024-10-22"};
constexpr RoutineId type_id{"ssymboltype", "2.7 ", "2024-10-22"};
constexpr int type_width = 4;  // columns of the numbers of the type setter
constexpr int list_only = 102, ask_only = 200;

const AttributeMember<float> size_member{
    .id = size_id,
    .field = &Plt2Blk::SYMBOLSIZE,
    .default_value = 0.4f,
    .initialising = [](const float& size) { setter_real("INITIALISING SYMBOL SIZE (cm) =", size); },
    .dialogue =
        [](float& size) {
          submenuhead(size_id.name, size_id.version, size_id.date);
          if (more_output()) {
            setter_dashes();
            setter_text("SYMBOL SIZE (cm):");
            setter_dashes();
            setter_real("currently stored size =", plt2blk.SYMBOLSIZE);
            setter_real("ready to  store  size =", size);
            menutail();
          }
          int istat;
          inrealdef(size, setter_question("symbol size in cm"), size, istat);
        },
    .stored_only = true,
};

constexpr std::array<std::string_view, 24> symbol_table = {
    "circle   .................. 0", "circle   .................. 1", "circle   .................. 2",
    "triangle .................. 3", "square   .................. 4", "pentagon .................. 5",
    "hexagon  .................. 6", "heptagon .................. 7", "octogon  .................. 8",
    "enneagon .................. 9", "   .     ................. 10", "   -     ................. 11",
    "   |     ................. 12", "   +     ................. 13", "   x     ................. 14",
    "   *     ................. 15", "   *     ................. 16", "   *     ................. 17",
    "circle . ................. 20", "circle - ................. 21", "circle | ................. 22",
    "circle + ................. 23", "square   ..................40", "circle   ....... other values",
};

void list_symbols() {
  for (std::string_view l : symbol_table) setter_text(l);
}

// The type dialogue; when only asking, the value is shown as the one about to be set.
void type_dialogue(Int& itype, bool asking_only) {
  submenuhead(type_id.name, type_id.version, type_id.date);
  if (more_output()) {
    setter_dashes();
    setter_text("SYMBOL TYPE:");
    setter_text(" Negative number => filled symbol");
    setter_text(" N.B. Symbols also depend on");
    setter_text("      polygon & line attributes");
    setter_dashes();
    if (asking_only) {
      setter_integer("ready to set type =", itype, type_width);
    } else {
      setter_integer("currently stored type =", plt2blk.ISYMBOLTYPE, type_width);
      setter_integer("ready to  store  type =", itype, type_width);
    }
    setter_dashes();
    setter_text("Symbol type ... symbol number");
    list_symbols();
    menutail();
  }
  int istat;
  inintegdef(itype, setter_question("symbol number"), itype, istat);
}

const AttributeMember<Int> type_member{
    .id = type_id,
    .field = &Plt2Blk::ISYMBOLTYPE,
    .default_value = 1,
    .initialising = [](const Int& itype) { setter_integer("INITIALISING SYMBOL TYPE =", itype, type_width); },
    .dialogue = [](Int& itype) { type_dialogue(itype, false); },
    .stored_only = true,
    .mode_width = type_width,
};

}  // namespace

void ssymbolsize(float& size, int inter) { run_attribute_setter(size_member, size, inter); }

void ssymboltype(int& itype, int inter) {
  if (inter == list_only) {
    // A caller of this mode wants the table and nothing else, which the output level may hide.
    if (more_output()) list_symbols();
    return;
  }
  if (inter == ask_only) {
    type_dialogue(itype, true);
    return;
  }
  run_attribute_setter(type_member, itype, inter);
}
