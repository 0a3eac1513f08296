// The plot attribute record, the default colour table, and the steps that every
// single-value attribute setter runs (setter modes 0..7), with the forms of its lines.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gral_lib/frames.h"

constexpr int max_color_number = 18;  // colour numbers run from 0 to 18

// Current drawing attributes and colour table. Written only by the attribute setters,
// except LASTCOLOR, which the colour primitive keeps; read by the PostScript layer.
struct Plt2Blk {
  float RED[max_color_number + 1] = {};    // colour components in percent, by colour number
  float GREEN[max_color_number + 1] = {};
  float BLUE[max_color_number + 1] = {};
  float LINEWIDTH = 0.0f;                  // line thickness in cm
  float TEXTSIZE = 0.0f;                   // text height in cm
  float TEXTANGLE = 0.0f;                  // text angle in degrees
  float SYMBOLSIZE = 0.0f;                 // symbol size in cm (stored only)
  std::int32_t NBCOLOR = 0;                // colour numbers 0..NBCOLOR are in use (1..18)
  std::int32_t LASTCOLOR = 0;              // colour last written to the plot file; -1 = none known
  std::int32_t ICOLORPLOT = 0;             // 1 colour plot, 0 black and white
  std::int32_t LINECOLOR = 0;              // colour number of lines
  std::int32_t IFILLSTYLE = 0;             // 0 hollow, 1 filled polygons
  std::int32_t IFILLCOLOR = 0;             // colour number of polygon fills
  std::int32_t JUSTIF = 0;                 // text justification code -11..11
  std::int32_t IFONT = 0;                  // font number 1..16
  std::int32_t ITEXTCOLOR = 0;             // colour number of texts
  std::int32_t ISYMBOLTYPE = 0;            // symbol type, negative = filled (stored only)
};
extern Plt2Blk plt2blk;

// One colour of the default table: the name as given (the table keeps its first 8
// characters) and its red, green and blue percentages.
struct ColorEntry {
  std::string_view name;
  float red, green, blue;
};
// The 19 colours, numbers 0 to 18, that the colour table sets up at initialisation.
extern const std::array<ColorEntry, max_color_number + 1> default_color_table;


// What one single-value attribute setter adds to the common steps. Hooks left empty do
// nothing. T is float or std::int32_t.
template <class T>
struct AttributeMember {
  RoutineId id;
  T Plt2Blk::*field;  // the stored attribute
  T default_value;    // taken in modes 4 and 5
  // Modes 0 and 1: tests the given value; a rejected one is reported in a warning frame and reset.
  void (*check_given)(T& value) = nullptr;
  // Every accepted mode (the colour numbers): tests the value, reporting and resetting it.
  void (*check_always)(T& value) = nullptr;
  // Mode 5: the "INITIALISING" line(s) written under the menu head.
  void (*initialising)(const T& value) = nullptr;
  // The dialogue (modes 0, 2, 4; also 6 when dialogue_in_mode6): lines and one prompt.
  void (*dialogue)(T& value) = nullptr;
  bool dialogue_in_mode6 = false;
  // Modes 0..5, after the dialogue: true when it reset the value, which sends the value
  // through the dialogue (in its modes) and this check once more.
  bool (*recheck)(T& value) = nullptr;
  // Writes the stored attribute to the device layer of the open plot file.
  void (*send)() = nullptr;
  // A value that no drawing reads (the symbols): modes 0..5 only, the dialogue in every even
  // mode, nothing sent and no propagation warning; a refused mode is reported after the
  // dialogue, without the range line.
  bool stored_only = false;
  int mode_width = 6;  // columns of the mode in the refused-mode warning
};

// Runs the setter steps in order: mode step, check, dialogue, store, send, and the
// propagation warning (modes 6 and 7 with the plot file closed); a mode outside 0..7 is
// reported and nothing else is done (stored_only members: see there).
template <class T>
void run_attribute_setter(const AttributeMember<T>& member, T& value, int inter);

// Line forms of the setters, on the standard output unit, each after one blank:
void setter_text(std::string_view text);                 // the text
void setter_integer(std::string_view text, int value, int width = 6);  // the text, a blank, the integer
void setter_real(std::string_view text, float value);    // the text, a blank, f8.3
void setter_dashes();                                    // 43 dashes
// Dialogue head: the menu head, dashes, the heading, dashes.
void setter_dialogue_head(const RoutineId& id, std::string_view heading);
// Opens a warning frame naming the routine; warningtail00 closes it.
void setter_warning_head(const RoutineId& id);
// A prompt's question, blank-padded to 35 characters.
std::string setter_question(std::string_view text);
// Warning frame for a refused mode: "inter =" with the mode in width columns, the range
// line (left out when empty) and "===> NO ACTION".
void setter_bad_mode(const RoutineId& id, int inter, int width, std::string_view range_line);
// Warning frame of modes 6 and 7 with the plot file closed.
void setter_propagation_warning(const RoutineId& id);
