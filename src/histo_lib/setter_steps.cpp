#include "histo_lib/setter_steps.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "histo_lib/setters.h"

void hst_say(std::span<const HstItem> items) {
  Line l;
  for (const HstItem& item : items) {
    l.x();
    switch (item.kind) {
      case HstItem::text: l.a(item.t); break;
      case HstItem::integer: l.i(item.i, item.width); break;
      case HstItem::whole_integer: l.i_whole(item.i, item.width); break;
      case HstItem::real: l.f(item.r, 12, 3); break;
    }
  }
  unit::write_line(iocom.iuout, l);
}

void hst_say(std::initializer_list<HstItem> items) { hst_say(std::span<const HstItem>(items.begin(), items.size())); }

void hst_dashes(int n) { unit::write_line(iocom.iuout, Line().x().rep('-', n)); }

void hst_menu_title(std::string_view title, int dashes) {
  hst_dashes(dashes);
  hst_say({title});
  hst_dashes(dashes);
}

void hst_menu_counts(int nb, std::string_view nb_caption) {
  hst_say({nb_caption, nb});
  hst_say({"Current nb of histograms:", blkhst8.NBHST});
  hst_say({"Maximum nb of histograms:", max_histograms});
}

void hst_error_head(const RoutineId& id) { errorhead(id.name, id.version, id.date); }

void hst_warning_head(const RoutineId& id) { warninghead(id.name, id.version, id.date); }

void hst_bad_nb_lines(const RoutineId& id, int nb, NbOrder order, std::string_view nb_caption) {
  hst_error_head(id);
  const HstItem maximum[] = {"maximum number of histograms =", max_histograms};
  const HstItem current[] = {"current number of histograms =", blkhst8.NBHST};
  const HstItem number[] = {nb_caption, nb};
  using Three = std::span<const HstItem>[3];
  const Three lines_by_order[] = {{maximum, current, number}, {number, current, maximum}, {current, maximum, number}};
  for (std::span<const HstItem> line : lines_by_order[static_cast<int>(order)]) hst_say(line);
  hst_say({"nb is outside [", 1, ",", blkhst8.NBHST, "]"});
}

bool hst_check_nb(const RoutineId& id, int nb, NbOrder order, std::string_view last_line,
                  std::string_view nb_caption) {
  if (hst_in_use(nb)) return true;
  hst_bad_nb_lines(id, nb, order, nb_caption);
  hst_say({last_line});
  errortail00();
  return false;
}

bool hst_reset_nb(const RoutineId& id, int& nb, NbOrder order) {
  if (hst_in_use(nb)) return true;
  hst_bad_nb_lines(id, nb, order);
  nb = blkhst8.NBHST;
  hst_say({"==> RESET histogram nb =", nb});
  errortail00();
  return hst_in_use(nb);
}

void hst_check_switch(const RoutineId& id, int& sw, std::optional<int> nb) {
  if (sw >= 0 && sw <= 3) return;
  hst_error_head(id);
  hst_say({"maximum number of histograms =", max_histograms});
  hst_say({"current number of histograms =", blkhst8.NBHST});
  if (nb) {
    hst_say({"histogram nb                 =", *nb});
    hst_say({"histogram nb =", *nb});
  }
  hst_say({"modification switch min      =", 0});
  hst_say({"modification switch max      =", 3});
  hst_say({"modification switch          =", sw});
  hst_say({"is outside [", 0, ",", 3, "]"});
  sw = 1;
  hst_say({"==> RESET switch             =", sw});
  errortail00();
}

bool hst_check_nb_or_add(const RoutineId& id, int& nb, int& work_mode, bool choose_axis) {
  if (hst_in_use(nb)) return true;
  hst_bad_nb_lines(id, nb, NbOrder::nb_first);
  int count = blkhst8.NBHST + 1;
  int count_mode = 0;
  shstnb(count, count_mode);
  nb = blkhst8.NBHST;
  if (choose_axis && hst_in_use(nb)) {
    int ix = nb;
    int axis_mode = 0;
    shstxind(ix, nb, axis_mode);
  }
  hst_say({"==> RESET histogram nb =", nb});
  errortail00();
  hst_open_menu(work_mode);
  return hst_in_use(nb);
}

void hst_ask_bound(const RoutineId& id, float& v, std::string_view question) {
  float answer = v;
  int istat;
  inrealdef(answer, question, v, istat);
  if (std::fabs(answer) <= static_cast<float>(max_hst_bound)) {
    v = answer;
    return;
  }
  hst_warning_head(id);
  hst_say({std::string(question) + " =", Line().g(answer, 13, 6).str()});
  hst_say({"outside [", HstItem(-max_hst_bound, 8), ",", HstItem(max_hst_bound, 7), "]"});
  hst_say({"==> NO ACTION"});
  warningtail00();
}

HstValue hst_value_source(int mode) {
  if (mode == 4 || mode == 5) return HstValue::defaults;
  if (mode == 2 || mode == 3) return HstValue::stored;
  return HstValue::given;
}

namespace {

bool accepted(const CodeSetter& s, int code) { return std::ranges::find(s.codes, code) != s.codes.end(); }

// Warning frame of a refused code: the value, the range, and the closing line or lines.
void refused_code(const CodeSetter& s, int code, std::span<const HstItem> range) {
  hst_warning_head(s.id);
  hst_say({s.value_caption, code});
  if (s.outside_line) hst_say({"outside"});
  hst_say(range);
}

}  // namespace

void run_code_setter(const CodeSetter& s, int& value, int nb, int mode) {
  if (!hst_check_nb(s.id, nb, NbOrder::nb_first, "==> NO ACTION")) return;
  std::int32_t& stored = (blkhst8.*s.field)[nb - 1];

  int work = value;
  switch (hst_value_source(mode)) {
    case HstValue::defaults: work = s.default_value; break;
    case HstValue::stored: work = stored; break;
    case HstValue::given:
      if (!accepted(s, work)) {
        const bool beyond = work < s.codes.front() || work > s.codes.back();
        refused_code(s, work, beyond ? s.bounds_line : s.range_line);
        work = s.default_value;
        hst_say({s.reset_caption, work});
        warningtail00();
      }
      break;
  }

  if (hst_even(mode)) {
    hst_menu(
        s.id,
        [&] {
          hst_menu_title(s.title);
          hst_menu_counts(nb);
          hst_dashes();
          hst_say({s.current_caption, stored});
          hst_say({s.new_caption, work});
          hst_dashes();
          for (std::string_view line : s.code_lines) hst_say({line});
          hst_dashes();
          hst_say({"SET & EXIT ...................99"});
        },
        [&](int choice) {
          if (accepted(s, choice)) {
            work = choice;
            return;
          }
          refused_code(s, choice, s.range_line);
          hst_say({"==> NO ACTION"});
          warningtail00();
        });
  }

  stored = work;
  value = work;
}
