#include "runinfo_lib/captions.h"

#include <string>

#include "gral_lib/format.h"
#include "gral_lib/sysinfo.h"
#include "gral_lib/textconv.h"
#include "plt_lib/draw.h"
#include "plt_lib/textattributes.h"
#include "runinfo_lib/chain.h"
#include "runinfo_lib/runinfo.h"

namespace {

constexpr RoutineId cmplotruninfo2_id{"cmplotruninfo2", "2.5 ", "2025-04-11"};
constexpr std::size_t runinfo_line_length = 60;

std::string trim(std::string_view s) { return std::string(trimmed(s)); }

// Sets the text height to half the height in force and gives back the height in force.
float halve_text_height(float& h) {
  float h0 = 0.0f;
  stextsize(h0, 3);
  h = 0.5f * h0;
  stextsize(h, 1);
  return h0;
}

// Lines of the run-information block, drawn from (x, y) down, 1.5 half-heights apart.
class BlockLines {
 public:
  BlockLines(float x, float y, float h) : x_(x), y_(y), pitch_(1.5f * h) {}
  void draw(std::string_view text) {
    cmtext2(x_, y_, fit(text, runinfo_line_length));
    y_ = y_ - pitch_;
  }
  // Adds piece to the line being composed; when the trimmed line and the piece would not
  // fit one line, the line is drawn and the piece begins the next.
  void add(std::string& line, const std::string& piece) {
    std::string t = trim(line);
    if (t.size() + piece.size() <= runinfo_line_length) {
      line = t + piece;
    } else {
      draw(line);
      line = piece;
    }
  }

 private:
  float x_, y_, pitch_;
};

}  // namespace

void cmplotcharinfo2(std::string_view TEXT, int ILINE, float X, float Y, int /*IDUM*/) {
  float h = 0.0f;
  float h0 = halve_text_height(h);
  cmtext2(X, Y - 1.5f * h * static_cast<float>(ILINE - 1), TEXT);
  stextsize(h0, 1);
}

void cmplotruninfo2(float X, float Y) {
  const RunInfo3Com& r = runinfo3com;
  float h = 0.0f;
  float h0 = halve_text_height(h);
  BlockLines block(X, Y, h);

  std::string cdate(kDateLen, ' '), ctime(kTimeLen, ' ');
  date10_time8(cdate, ctime);
  block.draw("Run on " + cdate + " at " + ctime);
  if (r.RUNINFOCODE == 0 || r.RUNINFOCODE == 1) block.draw("by " + trim(r.USER) + " on " + trim(r.HOST));
  block.draw("System : " + trim(r.OSVERS) + " " + trim(r.HARDW));

  std::string line;
  if (r.ROUTLEVEL < 1) {
    no_level_error(cmplotruninfo2_id);
    line = "*** program information ERROR : routine level < 1 ***";
  } else {
    line = level_text(1);
    int top = r.ROUTLEVEL <= kRoutLevels ? r.ROUTLEVEL : 2;
    for (int i = 2; i <= top; ++i) block.add(line, " -> " + level_text(i));
    if (r.ROUTLEVEL > kRoutLevels) {
      block.add(line, " -> " + level_text(kRoutLevels) + " -> x");
      deep_level_warning(cmplotruninfo2_id);
    }
    if (r.RUNINFOCODE == 0 || r.RUNINFOCODE == 2) block.add(line, " Command = " + command_text());
  }
  block.draw(line);
  stextsize(h0, 1);
}
