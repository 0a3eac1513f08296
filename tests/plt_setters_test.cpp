#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gral_lib/console.h"
#include "gral_lib/units.h"
#include "int_ps_lib/psfile.h"
#include "plt_lib/attributes.h"
#include "plt_lib/linefill.h"
#include "plt_lib/plotattributes.h"
#include "plt_lib/subplots.h"
#include "plt_lib/symbols.h"
#include "plt_lib/textattributes.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// One single-value setter with a valid value that differs from its default.
struct Member {
  const char* name;
  void (*real)(float&, int);
  void (*integer)(int&, int);
  float other;  // a valid value other than the default
  float default_value;
  Lines initialising;  // the lines under the menu head in mode 5
  enum Sends { nothing, width, height, font } sends;
  bool colour;  // a colour number: checked in every mode, dialogue in mode 6 too
};

const Member members[] = {
    {"slinewidth", slinewidth, nullptr, 0.1f, 0.02f, {" INITIALISING LINE THICKNESS TO:    0.020 cm"}, Member::width, false},
    {"slinecolor", nullptr, slinecolor, 5, 1, {" INITIALISING LINE COLOR TO: Black   "}, Member::nothing, true},
    {"sfillcolor", nullptr, sfillcolor, 5, 8, {" INITIALISING FILL COLOR TO: Grey20  "}, Member::nothing, true},
    {"stextcolor", nullptr, stextcolor, 5, 1, {" INITIALISING TEXT COLOR TO: Black   "}, Member::nothing, true},
    {"sfillstyle", nullptr, sfillstyle, 0, 1, {" INITIALISING FILL STYLE TO: filled"}, Member::nothing, false},
    {"stextsize", stextsize, nullptr, 1.5f, 0.5f, {" INITIALISING TEXT SIZE TO:    0.500 cm"}, Member::height, false},
    {"stextangle", stextangle, nullptr, 30, 0, {" INITIALISING TEXT ANGLE TO: 0.0"}, Member::nothing, false},
    {"stextalign", nullptr, stextalign, -10, -1,
     {" INITIALISING TEXT ALIGNMENT TO: -1", " =====> left-bottom trimmed"}, Member::nothing, false},
    {"stextfont", nullptr, stextfont, 9, 1, {" INITIALISING TEXT FONT TO: 1 = Helvetica"}, Member::font, false},
};

float call(const Member& m, float v, int mode) {
  if (m.real) {
    m.real(v, mode);
    return v;
  }
  int i = static_cast<int>(v);
  m.integer(i, mode);
  return static_cast<float>(i);
}

// The lines between the head and the tail of one warning frame (no pause).
Lines frame_body(const Lines& lines) {
  if (lines.size() < 7) return {"<no frame>"};
  return Lines(lines.begin() + 4, lines.end() - 3);
}

class Setters : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    iocom.lpause = false;
  }

  // Which device attribute a call sent to the plot file.
  Member::Sends sent_by(const Member& m, float& v, int mode) {
    unit::flush_all();
    auto size = [&] { return iocom.lplotopen ? std::filesystem::file_size(plot_name_) : 0u; };
    const auto before = size();
    psparams_90.TEXTSIZEPT = -1;
    psparams_90.IFONTPS = -1;
    v = call(m, v, mode);
    unit::flush_all();
    if (size() != before) return Member::width;
    if (psparams_90.TEXTSIZEPT != -1) return Member::height;
    if (psparams_90.IFONTPS != -1) return Member::font;
    return Member::nothing;
  }
};

TEST_F(Setters, EveryModeOfEverySingleValueSetter) {
  for (const Member& m : members) {
    SCOPED_TRACE(m.name);
    open_plot();
    float v = m.other;
    EXPECT_EQ(sent_by(m, v, 1), m.sends);
    EXPECT_EQ(v, m.other);

    v = m.default_value;  // 3 fetches, silently, even with the file open
    EXPECT_EQ(sent_by(m, v, 3), Member::nothing);
    EXPECT_EQ(v, m.other);
    EXPECT_EQ(take_output(), "");

    for (int mode : {6, 7}) {  // re-send the stored value; the given one is neither stored nor changed
      v = m.default_value;
      input("\n");
      EXPECT_EQ(sent_by(m, v, mode), m.sends) << mode;
      EXPECT_EQ(v, m.default_value);
      EXPECT_EQ(call(m, 0, 3), m.other);
      EXPECT_EQ(take_output().empty(), !(m.colour && mode == 6)) << mode;
    }

    for (int mode : {8, -1}) {
      v = m.default_value;
      EXPECT_EQ(sent_by(m, v, mode), Member::nothing);
      EXPECT_EQ(v, m.default_value);
      EXPECT_EQ(call(m, 0, 3), m.other);
      Lines body = frame_body(take_lines());
      ASSERT_EQ(body.size(), 3u);
      EXPECT_EQ(body[0], mode == 8 ? " inter =      8" : " inter =     -1");
      EXPECT_EQ(body[1], " Accepted range = [0,7]");
      EXPECT_EQ(body[2], " ===> NO ACTION");
    }

    v = m.other;  // 5 with the file open sends the default of a sending member
    EXPECT_EQ(sent_by(m, v, 5), m.sends);
    EXPECT_EQ(v, m.default_value);
    close_plot();
    call(m, m.other, 1);
    take_output();

    for (int mode : {6, 7}) {  // with the file closed: only the propagation warning
      input("\n");
      v = m.default_value;
      EXPECT_EQ(sent_by(m, v, mode), Member::nothing);
      Lines lines = take_lines();
      if (m.colour && mode == 6) lines.erase(lines.begin(), lines.end() - 10);  // after the dialogue
      EXPECT_EQ(frame_body(lines), (Lines{" TRYING TO PROPAGATE PLOT ATTRIBUTE", "  WITH CLOSED PLOT FILE",
                                          " ===> NO ACTION"}));
      EXPECT_EQ(call(m, 0, 3), m.other);
    }

    v = m.other;
    EXPECT_EQ(sent_by(m, v, 5), Member::nothing);
    EXPECT_EQ(v, m.default_value);
    EXPECT_EQ(call(m, 0, 3), m.default_value);
    Lines lines = take_lines();
    ASSERT_EQ(lines.size(), 3 + m.initialising.size());  // the menu head, no closing line
    EXPECT_TRUE(lines[1].starts_with(std::string(" @ subroutine ") + m.name + " ")) << lines[1];
    EXPECT_EQ(Lines(lines.begin() + 3, lines.end()), m.initialising);
  }
}

// A given value, what the setter keeps of it in mode 1, and the first and last lines of
// the warning it writes (none: accepted silently).
struct Given {
  const char* name;
  float given, kept;
  const char* first = nullptr;
  const char* last = nullptr;
};

TEST_F(Setters, GivenValuesAreCheckedAndReset) {
  const Given cases[] = {
      {"slinewidth", 0.01f, 0.02f, " LINE THICKNESS OUT OF RANGE:", " ==> RESET line thickness =    0.020"},
      {"slinewidth", 1000, 1000},
      {"slinewidth", 1000.5f, 0.02f, " LINE THICKNESS OUT OF RANGE:", " ==> RESET line thickness =    0.020"},
      {"slinecolor", 19, 1, " trying to set color nb =     19", " ===> RESET color nb    =      1"},
      {"sfillcolor", 25, 6, " trying to set color nb =     25", " ===> RESET color nb    =      6"},
      {"stextcolor", -3, 1, " trying to set color nb =     -3", " ===> RESET color nb    =      1"},
      {"stextcolor", 0, 0},
      {"sfillstyle", 2, 0, " trying to set style nb =      2", " ===> RESET style nb =      0"},
      {"sfillstyle", 3, 1, " trying to set style nb =      3", " ===> RESET style nb =      1"},
      {"sfillstyle", -1, 1, " trying to set nb of style  =     -1", " ===> RESET style nb =      1"},
      {"stextsize", 0.02f, 0.02f, " TEXT HEIGHT (cm) OUT OF RANGE:", " ==> RESET text height =    0.020"},
      {"stextsize", 1000, 1000},
      {"stextsize", 1000.1f, 0.5f, " TEXT HEIGHT (cm) OUT OF RANGE:", " ==> RESET text height =    0.500"},
      {"stextsize", -3, 0.02f, " TEXT HEIGHT (cm) OUT OF RANGE:", " ==> RESET text height =    0.020"},
      {"stextangle", -720, -720},
      {"stextalign", 12, -1, " trying to set justif =     12", " ===> RESET justif =     -1"},
      {"stextalign", 8, 1, " just =      8", " ===> RESET just =      1"},
      {"stextalign", 0, -1, " just =      0", " ===> RESET just =     -1"},
      {"stextalign", -4, -1, " just =     -4", " ===> RESET just =     -1"},
      {"stextalign", -11, -11},
      {"stextalign", 11, 11},
      {"stextfont", 0, 1, " trying to set font number =      0", " ===> RESET font number =      1"},
      {"stextfont", 17, 1, " trying to set font number =     17", " ===> RESET font number =      1"},
      {"stextfont", 16, 16},
  };
  for (const Given& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.given));
    const Member* m = nullptr;
    for (const Member& each : members)
      if (std::string(each.name) == c.name) m = &each;
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(call(*m, c.given, 1), c.kept);
    EXPECT_EQ(call(*m, 0, 3), c.kept);
    Lines body = frame_body(take_lines());
    if (!c.first) {
      EXPECT_EQ(body, Lines{"<no frame>"});
    } else {
      EXPECT_EQ(body.front(), c.first);
      EXPECT_EQ(body.back(), c.last);
    }
  }
  // The limits as the frames show them.
  float h = 0.02f;
  stextsize(h, 1);
  EXPECT_EQ(frame_body(take_lines()),
            (Lines{" TEXT HEIGHT (cm) OUT OF RANGE:", "  text height =    0.020", "  min         =    0.020",
                   "  max         = 1000.000", " ==> RESET text height =    0.020"}));
  int j = 15;
  stextalign(j, 1);
  EXPECT_EQ(frame_body(take_lines()),
            (Lines{" trying to set justif =     15", " justif must be in [-11,11]", " ===> RESET justif =     -1"}));
}

TEST_F(Setters, ColourNumbersAboveALoweredNumberOfColours) {
  int c = 8;
  sfillcolor(c, 1);
  plt2blk.NBCOLOR = 4;
  sfillcolor(c, 3);  // reports, returns the reset number, keeps the stored one
  EXPECT_EQ(c, 3);
  EXPECT_EQ(plt2blk.IFILLCOLOR, 8);
  EXPECT_EQ(frame_body(take_lines()).back(), " ===> RESET color nb    =      3");

  input("\n");  // 4: the default 8 is reset to 3, which the dialogue offers and stores
  sfillcolor(c, 4);
  EXPECT_EQ(plt2blk.IFILLCOLOR, 3);
  Lines lines = take_lines();
  Lines dialogue(lines.begin() + 10, lines.begin() + 22);
  EXPECT_EQ(dialogue, (Lines{" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                             " @ subroutine sfillcolor            v3.1 2024-10-22",
                             " @=================================================",
                             " -------------------------------------------", "      FILL COLOR",
                             " -------------------------------------------", " current value:      8",
                             " new     value:      3", " White-bk.................  0", " Black   .................  1",
                             " Red     .................  2", " Green   .................  3"}));
  EXPECT_EQ(lines[22], " Blue    .................  4");  // colours 0 to N
  EXPECT_EQ(lines[23], " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");
}

TEST_F(Setters, DialoguesAskWithinTheirRanges) {
  // The lower bound of each dialogue taken after an answer just below it was refused.
  struct {
    void (*setter)(float&, int);
    float Plt2Blk::*field;
    const char* below;
    float bound;
  } const bounds[] = {
      {slinewidth, &Plt2Blk::LINEWIDTH, "0.0099", 0.01f},  // what a given value may not be
      {stextsize, &Plt2Blk::TEXTSIZE, "0.0499", 0.05f},    // half of it a text height still
  };
  for (const auto& b : bounds) {
    SCOPED_TRACE(b.below);
    float v = 0;
    input(std::string(b.below) + "\n" + std::to_string(b.bound) + "\n");
    b.setter(v, 2);
    EXPECT_EQ(plt2blk.*b.field, b.bound);
    EXPECT_EQ(count_of(take_output(), " outside ["), 1);
  }

  int j = 4;
  input("\n\n");  // 4 kept, reset to 1 with a warning, offered again and kept
  stextalign(j, 0);
  EXPECT_EQ(j, 1);
  EXPECT_EQ(plt2blk.JUSTIF, 1);
  Lines lines = take_lines();
  int offers = 0;
  for (const std::string& l : lines) offers += l.starts_with(" suggested new value:");
  EXPECT_EQ(offers, 2);

  int style = 7;
  slinestyle(style, 0);
  slinestyle(style, 99);
  EXPECT_EQ(style, 7);
  EXPECT_EQ(take_output(), "");
}

TEST_F(Setters, SymbolSettersKeepAnyValueAndRefuseOtherModes) {
  float s = -1.5f;
  ssymbolsize(s, 1);
  int t = -4;
  ssymboltype(t, 1);
  EXPECT_EQ(plt2blk.SYMBOLSIZE, -1.5f);
  EXPECT_EQ(plt2blk.ISYMBOLTYPE, -4);
  s = 0;
  ssymbolsize(s, 3);
  EXPECT_EQ(s, -1.5f);
  EXPECT_EQ(take_output(), "");

  input("2\n");  // an even refused mode shows the dialogue first, then stores nothing
  ssymbolsize(s, 6);
  EXPECT_EQ(plt2blk.SYMBOLSIZE, -1.5f);
  Lines lines = take_lines();
  EXPECT_EQ(frame_body(Lines(lines.end() - 9, lines.end())), (Lines{" inter =      6", " ===> NO ACTION"}));
  EXPECT_EQ(lines[6], " currently stored size =   -1.500");

  ssymboltype(t, 7);
  EXPECT_EQ(frame_body(take_lines()), (Lines{" inter =    7", " ===> NO ACTION"}));

  ssymboltype(t, 102);  // the symbol table only
  lines = take_lines();
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[22], " square   ..................40");

  input("13\n");  // asks and hands the answer back without storing it
  ssymboltype(t, 200);
  EXPECT_EQ(t, 13);
  EXPECT_EQ(plt2blk.ISYMBOLTYPE, -4);
  lines = take_lines();
  EXPECT_EQ(lines[9], " ready to set type =   -4");
  EXPECT_EQ(lines[12], " circle   .................. 0");

  iocom.LWITO[1] = false;  // less output: the menu head and the question only
  ssymboltype(t, 102);
  EXPECT_EQ(take_output(), "");
  input("\n");
  ssymboltype(t, 2);
  lines = take_lines();
  EXPECT_EQ(lines[3], " Enter symbol number");
}

// The routines named in the menu heads, in order.
Lines heads(const Lines& lines) {
  Lines names;
  for (const std::string& l : lines)
    if (l.starts_with(" @ subroutine ")) names.push_back(l.substr(14, l.find(' ', 14) - 14));
  return names;
}

TEST_F(Setters, AttributesMenuInitialisesEveryAttribute) {
  plt2blk = Plt2Blk{};
  pltcharblk = PltCharBlk{};
  splotattributes(5);
  Lines lines = take_lines();
  EXPECT_EQ(lines[3], " INITIALIZING PLOT ATTRIBUTESS");
  EXPECT_EQ(heads(lines), (Lines{"splotattributes", "scolortable", "slinecolor", "stextalign", "stextangle",
                                 "stextcolor", "sfillcolor", "sfillstyle", "ssymbolsize", "ssymboltype",
                                 "slinewidth", "stextsize", "stextfont"}));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"), 13);
  const Plt2Blk& a = plt2blk;
  EXPECT_EQ((std::vector<float>{a.LINEWIDTH, a.TEXTSIZE, a.TEXTANGLE, a.SYMBOLSIZE}),
            (std::vector<float>{0.02f, 0.5f, 0.0f, 0.4f}));
  EXPECT_EQ((std::vector<int>{a.NBCOLOR, a.ICOLORPLOT, a.LINECOLOR, a.IFILLSTYLE, a.IFILLCOLOR, a.JUSTIF, a.IFONT,
                              a.ITEXTCOLOR, a.ISYMBOLTYPE}),
            (std::vector<int>{18, 1, 1, 1, 8, -1, 1, 1, 1}));
  EXPECT_EQ(pltcharblk.COLORNAM[18], "Rose    ");

  for (int mode : {1, 3, 9, -1}) splotattributes(mode);
  EXPECT_EQ(take_output(), "");
}

TEST_F(Setters, AttributesAreSentAgainToANewPlotFile) {
  splotattributes(7);  // no file open
  Lines lines = take_lines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(Lines(lines.begin() + 8, lines.begin() + 11),
            (Lines{" TRYING TO PROPAGATE PLOT ATTRIBUTES", "  WITH CLOSED PLOT FILE", " ===> NO ACTION"}));

  float w = 0.1f, h = 1.5f, a = 30;
  int font = 9;
  slinewidth(w, 1);
  stextsize(h, 1);
  stextangle(a, 1);
  stextfont(font, 1);
  open_plot();
  psparams_90.IFONTPS = 0;
  psparams_90.TEXTSIZEPT = 0;
  const Plt2Blk before = plt2blk;
  splotattributes(7);
  EXPECT_EQ(take_lines(), (Lines{" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                                 " @ subroutine splotattributes       v1.1 2024-10-22",
                                 " @=================================================", " UPDATING PLOT ATTRIBUTESS"}));
  EXPECT_EQ(psparams_90.IFONTPS, 9);
  EXPECT_FLOAT_EQ(psparams_90.TEXTSIZEPT, 1.5f * 28.35f);
  EXPECT_EQ(std::memcmp(&before, &plt2blk, sizeof before), 0);
  Lines file = drawing(close_plot());
  EXPECT_EQ(file, Lines{" 2.84 setlinewidth"});
}

TEST_F(Setters, AttributesMenu) {
  float h = 1.5f;
  stextsize(h, 1);
  take_output();
  // Initial settings, then the text height offered at its default, then three non-commands.
  input("1\n0\n31\n\n2\n13\n100\n\n");
  splotattributes(6);
  Lines lines = take_lines();
  EXPECT_EQ(plt2blk.TEXTSIZE, 0.5f);
  EXPECT_TRUE(std::find(lines.begin(), lines.end(), " present value in cm ..........     0.500") != lines.end());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " @ subroutine splotattributes       v1.1 2024-10-22"), 6);
  auto first = std::find(lines.begin(), lines.end(), "  from currently stored..... 1 T");
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(first[1], "  from initialisation....... 1 F");
  auto changed = std::find(lines.begin(), lines.end(), "  from currently stored..... 1 F");
  ASSERT_NE(changed, lines.end());
  EXPECT_EQ(changed[1], "  from initialisation....... 1 T");
  EXPECT_EQ(std::string(lines.back()), " ..........................................");

  iocom.LWITO[1] = false;  // less output: the menu head and the question only
  input("\n");
  splotattributes(-2);
  lines = take_lines();
  EXPECT_EQ(heads(lines), Lines{"splotattributes"});
  EXPECT_EQ(lines[3], " Enter your choice");
}

}  // namespace
