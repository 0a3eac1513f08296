// The steps that the histogram setters share (histogram-number check, value by setter
// mode, menu loop, the code setters as data) and the forms of their message lines.
// Setter modes here: 4 and 5 take the default, 2 and 3 the stored value, any other the
// caller's value; every even mode shows the menu; the mode itself is never tested.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gral_lib/console.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "histo_lib/store.h"

// One item of a message line, written after one blank: a text as it stands, an integer
// right-aligned in 3 columns (or the width given), a real in 12 columns with 3 decimals;
// a count of data (HstItem::count) is an integer whose columns widen when it does not fit.
struct HstItem {
  enum Kind { text, integer, whole_integer, real } kind;
  std::string_view t{};
  long long i = 0;
  int width = 3;
  float r = 0.0f;
  constexpr HstItem(std::string_view s) : kind(text), t(s) {}
  constexpr HstItem(const char* s) : kind(text), t(s) {}
  HstItem(const std::string& s) : kind(text), t(s) {}
  constexpr HstItem(int v, int w = 3) : kind(integer), i(v), width(w) {}
  constexpr HstItem(float v) : kind(real), r(v) {}
  static constexpr HstItem count(int v, int w = 3) {
    HstItem item(v, w);
    item.kind = whole_integer;
    return item;
  }
};

// One line on the standard output unit: each item after one blank.
void hst_say(std::initializer_list<HstItem> items);
void hst_say(std::span<const HstItem> items);
// One blank and n dashes.
void hst_dashes(int n = 43);
// Dashes, the title, dashes: the top of a setter's menu list (or of a part of it).
void hst_menu_title(std::string_view title, int dashes = 43);
// "Histogram nb            :" (or the caption given), the number of histograms in use and
// the maximum, one line each.
void hst_menu_counts(int nb, std::string_view nb_caption = "Histogram nb            :");

// Frame heads with a routine's identity.
void hst_error_head(const RoutineId& id);
void hst_warning_head(const RoutineId& id);

// Order of the first three lines that report a bad histogram number.
enum class NbOrder {
  max_first,      // maximum, current number, "histogram nb ="
  nb_first,       // "histogram nb =", current number, maximum
  current_first,  // current number, maximum, "histogram nb ="
};
// Opens the error frame of a bad histogram number: its three lines in the given order, the
// number after nb_caption, and "nb is outside [ 1 , NBHST ]". The caller writes its last
// line and closes the frame.
void hst_bad_nb_lines(const RoutineId& id, int nb, NbOrder order, std::string_view nb_caption = "histogram nb =");
// True for a histogram in use. A bad number is reported, the frame ends with last_line
// ("==> NO ACTION", "==> EXITING WITHOUT ACTION") and false is returned.
bool hst_check_nb(const RoutineId& id, int nb, NbOrder order, std::string_view last_line,
                  std::string_view nb_caption = "histogram nb =");
// True for a histogram in use. A bad number is reported and replaced by NBHST ("==> RESET
// histogram nb ="); returns whether that one is in use (not when none is).
bool hst_reset_nb(const RoutineId& id, int& nb, NbOrder order);
// A modification switch outside 0..3 is reported in an error frame (with the histogram
// number when nb is given) and set to 1.
void hst_check_switch(const RoutineId& id, int& sw, std::optional<int> nb = std::nullopt);
// A bad histogram number (lines in nb_first order) has one histogram more offered through
// the count menu of shstnb (mode 0) and, with choose_axis, its x axis through the menu of
// shstxind; nb becomes NBHST ("==> RESET histogram nb =") and an odd work_mode is lowered
// by one, so that the caller's menu opens. Returns whether nb is in use afterwards.
bool hst_check_nb_or_add(const RoutineId& id, int& nb, int& work_mode, bool choose_axis = false);

// A histogram bound, x or y, shows in its menu with 3 decimals in 12 columns: one beyond
// 9999999 in magnitude could not be shown there. Within it every x label fits its axis
// annotation, every tic of a histogram and every ring of a rose is drawn, and the plots'
// maps stay well within single precision.
constexpr int max_hst_bound = 9999999;
// Asks question for the bound v (its present value the default). An answer beyond
// max_hst_bound is refused in a warning frame of the routine id and v is kept.
void hst_ask_bound(const RoutineId& id, float& v, std::string_view question);

enum class HstValue { given, stored, defaults };
// Where a setter's working value comes from in a setter mode.
HstValue hst_value_source(int mode);
inline bool hst_even(int mode) { return mode % 2 == 0; }
// An odd work mode becomes the even one below it, so that the menu opens.
inline void hst_open_menu(int& work_mode) {
  if (!hst_even(work_mode)) work_mode -= 1;
}

// A setter's menu loop: on every pass the menu head, then, with more output, the list and
// the menu tail, and the question "your choice" with the default 99. act(choice) handles
// every answer but 99, which ends the loop.
template <class List, class Act>
void hst_menu(const RoutineId& id, List list, Act act) {
  for (;;) {
    submenuhead(id.name, id.version, id.date);
    if (more_output()) {
      list();
      menutail();
    }
    int choice = 99;
    int istat;
    inintegdef(choice, "your choice", choice, istat);
    if (choice == 99) return;
    act(choice);
  }
}

// What one code setter (a histogram field holding one of a few codes) adds to the common
// steps: histogram-number check with "==> NO ACTION", value by mode (a refused given code
// is reported in a warning frame and reset), the code menu in even modes, store.
struct CodeSetter {
  RoutineId id;
  std::int32_t (Blkhst8::*field)[max_histograms];
  std::span<const int> codes;             // the accepted codes, rising
  int default_value;                      // modes 4 and 5; also what a refused given code becomes
  std::string_view value_caption;         // before a refused value, e.g. "plot type ="
  bool outside_line;                      // "outside" on a line of its own before the range
  std::span<const HstItem> range_line;    // the accepted codes
  std::span<const HstItem> bounds_line;   // shown instead for a given value below the first
                                          // or above the last code
  std::string_view reset_caption;         // e.g. "==> RESET plot type ="
  std::string_view title;                 // menu title
  std::string_view current_caption;       // with the stored code
  std::string_view new_caption;           // with the working code
  std::span<const std::string_view> code_lines;
};
// Runs the code-setter steps for histogram nb; value returns what was stored (unchanged
// after a bad histogram number).
void run_code_setter(const CodeSetter& setter, int& value, int nb, int mode);
