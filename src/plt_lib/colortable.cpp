#include "plt_lib/colortable.h"

#include <cstdint>

#include "gral_lib/console.h"
#include "gral_lib/fileopen.h"
#include "gral_lib/format.h"
#include "gral_lib/freeformat.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psfile.h"
#include "plt_lib/attributes.h"
#include "plt_lib/linefill.h"
#include "plt_lib/subplots.h"

namespace {

constexpr RoutineId table_id{"scolortable", "1.7 ", "2024-10-22"};
constexpr RoutineId number_id{"scolornb", "1.8 ", "2024-10-22"};
constexpr RoutineId rgb_id{"scolorgb", "3.2 ", "2024-10-22"};

constexpr int color_file_unit = 20;
constexpr std::size_t name_field = 25;  // names and file names handled by the menus
constexpr int default_number_of_colors = 4;
constexpr std::string_view mode_range = "Accepted range = [0,5]";

void out(std::string_view text) { unit::write_line(iocom.iuout, text); }

// Text and number: the number in width columns, an optional text after one blank.
void number_line(std::string_view text, int value, int width, std::string_view tail = {}) {
  Line l;
  l.x().a(text).x().i(value, width);
  if (!tail.empty()) l.x().a(tail);
  out(l);
}
void nb_line(std::string_view text, int value, std::string_view tail = {}) { number_line(text, value, 3, tail); }
void table_line(std::string_view text, int value, std::string_view tail = {}) { number_line(text, value, 4, tail); }


std::size_t slot(int c) { return static_cast<std::size_t>(c); }

// Colour cells of the menus' tables: a blank, 6 columns, a blank and "|" each.
void percent_cells(Line& l, int c) {
  for (float v : {plt2blk.RED[slot(c)], plt2blk.GREEN[slot(c)], plt2blk.BLUE[slot(c)]}) l.x().f(v, 6, 1).x().a("|");
}
void percent_cells(Line& l, float red, float green, float blue) {
  for (float v : {red, green, blue}) l.x().f(v, 6, 1).x().a("|");
}
void percent_head(Line& l) {
  for (std::string_view h : {"red%", "green%", "blue%"}) l.x().a(h, 6).x().a("|");
}

// The plot file must write the next colour it needs again once the table has changed.
void table_changed() {
  if (iocom.lplotopen) psforgetcolor();
}

// ---- number of colours ----

void set_number_of_colors(int nb) {
  const int flag = nb == 1 ? 0 : 1;
  if (nb != plt2blk.NBCOLOR || flag != plt2blk.ICOLORPLOT) table_changed();
  plt2blk.NBCOLOR = nb;
  plt2blk.ICOLORPLOT = flag;
}

void limit_number_of_colors(int& nb) {
  if (nb >= 1 && nb <= max_color_number) return;
  setter_warning_head(number_id);
  nb_line("trying to set nb of color  =", nb);
  if (nb > max_color_number) {
    nb_line("max nb of color  =", max_color_number);
    nb = max_color_number;
  } else {
    setter_text("min nb of color  = 1");
    nb = 1;
  }
  nb_line("===> RESET nb of color =", nb);
  warningtail00();
}

// The dialogue of the number of colours; false when the user cancels.
bool number_dialogue(int& nb) {
  for (;;) {
    submenuhead(number_id.name, number_id.version, number_id.date);
    setter_text("SETTING THE NUMBER OF COLORS:");
    setter_dashes();
    nb_line("max nb of colors ................", max_color_number);
    nb_line("current nb of colors ............", plt2blk.NBCOLOR);
    nb_line("new nb of colors to apply .....10", nb);
    setter_dashes();
    setter_text("CANCEL AND EXIT ...............98");
    setter_text("UPDATE AND EXIT ...............99");
    menutail();
    int choice = 99, istat;
    inintegdef(choice, "your choice", choice, istat);
    if (choice == 10) inintegvindef(nb, "new nb of colors", nb, 1, max_color_number, istat);
    if (choice == 98) return false;
    if (choice == 99) return true;
  }
}

// ---- one colour ----

void rgb_table_head() {
  Line l;
  l.x().a(" ", 7).a("|");
  percent_head(l);
  out(l);
}

bool rgb_dialogue(int index, std::string& name, float& red, float& green, float& blue) {
  for (;;) {
    submenuhead(rgb_id.name, rgb_id.version, rgb_id.date);
    setter_text("               SETTING COLOR               ");
    setter_dashes();
    nb_line("max nb of colors ... =", max_color_number);
    nb_line("current nb of colors =", plt2blk.NBCOLOR);
    setter_dashes();
    nb_line("MODIFYING SETTING FOR COLOR INDEX =", index);
    setter_dashes();
    setter_text("Color name:");
    out(Line().x().a("current =").x().a(pltcharblk.COLORNAM[slot(index)]));
    out(Line().x().a("new     =").x().a(name));
    setter_text("change new name........................20");
    out(Line().x().rep('-', 41));  // the shorter rule of the colour dialogue
    setter_text("RGB components:");
    rgb_table_head();
    Line current, proposed;
    current.x().a("current", 7).a("|");
    percent_cells(current, index);
    out(current);
    proposed.x().a("new", 7).a("|");
    percent_cells(proposed, red, green, blue);
    out(proposed);
    setter_text("change new rgb setting ................30");
    setter_dashes();
    setter_text("DO NOT APPLY NEW SETTINGS AND EXIT ....98");
    setter_text("APPLY NEW SETTINGS AND EXIT ...........99");
    menutail();
    int choice = 99, istat;
    inintegdef(choice, "your choice", choice, istat);
    switch (choice) {
      case 20: inchardef(name, "new color name", name, istat); break;
      case 30:
        inrealvindef(red, "red component (%)", red, 0.0f, 100.0f, istat);
        inrealvindef(green, "green component (%)", green, 0.0f, 100.0f, istat);
        inrealvindef(blue, "blue component (%)", blue, 0.0f, 100.0f, istat);
        break;
      case 98: return false;
      case 99: return true;
      default: break;
    }
  }
}

// ---- the table ----

void initialise_table() {
  submenuhead(table_id.name, table_id.version, table_id.date);
  for (std::string_view t : {"INITIALIZING COLOR TABLE WITH 19 COLORS", "0/1         : BKG,WHITE / FRG,BLACK",
                             "2/3/4/5/6/7 : R/G/B/C/M/Y", "8/9/10/11/12: GREY 20/30/40/50/70 %",
                             "13/14/15    : Orange/C Green/S Green", "16/17/18    : Azure/Violet/Pink"})
    setter_text(t);
  int nb = max_color_number;
  scolornb(nb, 1);
  for (int c = 0; c <= max_color_number; ++c) {
    const ColorEntry& e = default_color_table[slot(c)];
    std::string name = fit(e.name, name_field);
    float red = e.red, green = e.green, blue = e.blue;
    scolorrgb(c, name, red, green, blue, 1);
  }
}

void table_menu_lines() {
  submenuhead(table_id.name, table_id.version, table_id.date);
  setter_text("SETTING COLOR TABLE");
  setter_dashes();
  table_line("Current nb of colors:", plt2blk.NBCOLOR);
  setter_dashes();
  Line head;
  head.x().a("|").a("index").a("|").a("name", 10).a("|");
  percent_head(head);
  out(head);
  for (int c = 0; c <= plt2blk.NBCOLOR; ++c) {
    Line row;
    row.x().a("|").x().i(c, 3).x().a("|").a(pltcharblk.COLORNAM[slot(c)], 10).a("|");
    percent_cells(row, c);
    out(row);
  }
  setter_dashes();
  table_line("change nb of colors ..........100", plt2blk.NBCOLOR);
  setter_text("set 1 rgb color ..............200");
  setter_text("read color table from file ...300");
  setter_dashes();
  setter_text("EXIT ..........................99");
  menutail();
}

void closed_file_line(const std::string& file) {
  out(Line().x().a("Input file").x().a(trimmed(file)).x().a("is closed"));
}

// Reads one record of the colour-table file, which may run over several lines.
ListStatus read_record(std::initializer_list<ListTarget> targets) {
  std::string line;
  if (!unit::read_line(color_file_unit, line)) return ListStatus::end_of_input;
  LineSupplier more = [](std::string& next) { return unit::read_line(color_file_unit, next); };
  return read_list(line, more, targets);
}

// Menu item 300: the number of colours, then one record per colour 0..N.
void read_color_file(std::string& file) {
  opef2(file, "color table input", color_file_unit, "old", 0);
  int record = 1;
  int nb = 0;
  ListStatus status = read_record({&nb});
  if (status == ListStatus::ok) {
    scolornb(nb, 1);
    const int n = plt2blk.NBCOLOR;
    for (int k = 0; k <= n && status == ListStatus::ok; ++k) {
      ++record;
      int index = 0;
      float red = 0, green = 0, blue = 0;
      std::string name(name_field, ' ');
      status = read_record({&index, &red, &green, &blue, &name});
      if (status == ListStatus::ok) scolorrgb(index, name, red, green, blue, 1);
    }
  }
  unit::close(color_file_unit);
  if (status == ListStatus::ok) {
    submenuhead(table_id.name, table_id.version, table_id.date);
    closed_file_line(file);
    table_line("Could read up to:", max_color_number, "DATA");
    table_line("Actually read   :", plt2blk.NBCOLOR, "DATA");
    menutail();
    return;
  }
  // A record cut short by a '/' is as unusable as one with a bad value.
  errorhead(table_id.name, table_id.version, table_id.date);
  if (status == ListStatus::end_of_input) setter_text("END OF FILE REACHED UNEXPECTEDLY");
  table_line("WHILE READING LINE NUMBER ", record);
  closed_file_line(file);
  errortail00();
}

}  // namespace

void scolornb(int& nb, int mode) {
  switch (mode) {
    case 0:
    case 1: limit_number_of_colors(nb); break;
    case 2:
    case 3: nb = plt2blk.NBCOLOR; break;
    case 4:
    case 5:
      nb = default_number_of_colors;
      set_number_of_colors(nb);
      submenuhead(number_id.name, number_id.version, number_id.date);
      nb_line("INITIALIZING NUMBER OF COLORS TO:", nb);
      break;
    default: setter_bad_mode(number_id, mode, 3, mode_range); return;
  }
  if (mode % 2 == 0 && !number_dialogue(nb)) return;

  if (mode != 1 && mode != 3)
    nb_line("NB of colors =", nb, nb == 1 ? "==> Black & White plot" : "==> Color plot");
  const int old = plt2blk.NBCOLOR;
  set_number_of_colors(nb);
  if (old <= plt2blk.NBCOLOR) return;
  setter_text("The nb of colors has been reduced");
  setter_text("==> checking current set up versus new max");
  int scratch = 0;
  slinecolor(scratch, 3);
  sfillcolor(scratch, 3);
  stextcolor(scratch, 3);
  setter_text("==> checking done");
}

void scolorrgb(int index, std::string& name, float& red, float& green, float& blue, int mode) {
  if (index < 0 || index > plt2blk.NBCOLOR) {
    errorhead(rgb_id.name, rgb_id.version, rgb_id.date);
    nb_line("trying to set color nb =", index);
    out(Line().x().a("When color index range = [0,").i(plt2blk.NBCOLOR, 3).a("]"));
    setter_text("===> NO ACTION");
    errortail00();
    return;
  }
  const std::size_t c = slot(index);
  int istat;
  switch (mode) {
    case 0:
    case 1:
      crevin3(red, 0.0f, 100.0f, "red (%)", rgb_id.name, 10, istat);
      crevin3(green, 0.0f, 100.0f, "green (%)", rgb_id.name, 10, istat);
      crevin3(blue, 0.0f, 100.0f, "blue (%)", rgb_id.name, 10, istat);
      break;
    case 2:
    case 3:
      red = plt2blk.RED[c];
      green = plt2blk.GREEN[c];
      blue = plt2blk.BLUE[c];
      name = fit(pltcharblk.COLORNAM[c], name.size());
      break;
    case 4:
    case 5:
      submenuhead(rgb_id.name, rgb_id.version, rgb_id.date);
      nb_line("INITIALIZING Color nb =", index, "as 50% Grey");
      red = green = blue = 50.0f;
      name = fit("50% Grey", name.size());
      break;
    default: setter_bad_mode(rgb_id, mode, 3, mode_range); return;
  }
  if (mode % 2 == 0 && !rgb_dialogue(index, name, red, green, blue)) return;

  std::string stored = fit(name, 8);
  if (red != plt2blk.RED[c] || green != plt2blk.GREEN[c] || blue != plt2blk.BLUE[c]) table_changed();
  plt2blk.RED[c] = red;
  plt2blk.GREEN[c] = green;
  plt2blk.BLUE[c] = blue;
  pltcharblk.COLORNAM[c] = stored;
}

void scolortable(int mode) {
  if (mode == 4 || mode == 5) initialise_table();
  if (mode % 2 != 0) return;
  std::string file(name_field, ' ');  // the last colour-table file opened in this call
  for (;;) {
    table_menu_lines();
    int choice = 99, istat;
    inintegdef(choice, "your choice", choice, istat);
    switch (choice) {
      case 100: {
        int nb = 0;
        scolornb(nb, 2);
        break;
      }
      case 200: {
        int index = 0;
        inintegvin1(index, "index of color to modify", 0, plt2blk.NBCOLOR, istat);
        std::string name(name_field, ' ');
        float red = 0, green = 0, blue = 0;
        scolorrgb(index, name, red, green, blue, 2);
        break;
      }
      case 300: read_color_file(file); break;
      case 99: return;
      default: break;
    }
  }
}
