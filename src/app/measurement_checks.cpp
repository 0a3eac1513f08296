// Checks of a measurement before its conversion: direction letters, parallel directions and
// dip ranges. The first check that fails is the only one reported.
#include <cmath>
#include <string>
#include <string_view>

#include "app/run_stages.h"
#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/units.h"
#include "math_lib/angles.h"

namespace {

constexpr float tolerance = 1.0e-4f;  // degrees
constexpr std::string_view same_direction_text = "error: same dip direction [modulo 180], early detection";

bool dip_letter(char c) { return c == 'E' || c == 'W' || c == 'N' || c == 'S'; }
bool east_west(char c) { return c == 'E' || c == 'W'; }
bool north_south(char c) { return c == 'N' || c == 'S'; }
bool out_of_range(float dip) { return dip < 0.0f || dip > 90.0f; }

// Starts the report of a failed check: comment, frame head and record number.
void fail(KvrRecord& rec, std::string_view text) {
  set_comment(rec, text);
  record_error_head(rec.nread);
}

void letter_line(std::string_view label, char letter) {
  std::string text(label);
  text += ' ';
  text += letter;
  say(text);
}

bool dip_in_range(KvrRecord& rec, int k) {
  if (!out_of_range(rec.DIP[k])) return true;
  fail(rec, k == 0 ? "error: 1st app dip out of [0,90]" : "error: 2nd app dip out of [0,90]");
  say(k == 0 ? "1st dip out of [0,90]" : "2nd dip out of [0,90]");
  say_value(k == 0 ? "1st dip =" : "2nd dip =", rec.DIP[k]);
  return false;
}

bool check_letters(KvrRecord& rec) {
  char d1 = rec.DDIR[0], d2 = rec.DDIR[1];
  if (!dip_letter(d1)) {
    fail(rec, "error: 1st direction should be E,W,N,S");
    letter_line("1st dip direction =", d1);
    say("=> 1st dip direction should be E,W,N,S");
    return false;
  }
  if (!dip_letter(d2) && d2 != 'A') {
    fail(rec, "error: 2nd direction should be E,W,N,S,A");
    letter_line("2nd dip direction =", d2);
    say("=> 2nd dip direction should be E,W,N,S,A");
    return false;
  }
  if ((east_west(d1) && east_west(d2)) || (north_south(d1) && north_south(d2))) {
    fail(rec, same_direction_text);
    letter_line("1st dip direction =", d1);
    letter_line("2nd dip direction =", d2);
    say("=> Same directions modulo 180 deg");
    return false;
  }
  // With the strike indicator the second value is a strike, which has no range.
  if (d2 != 'A' && !dip_in_range(rec, 1)) return false;
  return dip_in_range(rec, 0);
}

bool check_azimuths(KvrRecord& rec) {
  if (!dip_in_range(rec, 1)) return false;
  // The directions must not be parallel; in strike mode the strike must not be parallel to
  // the dip direction either.
  // Azimuths so far apart that their difference overflows cannot be told apart either.
  float m = rec.DIPDA[1] - rec.DIPDA[0];
  modulr(&m, &m, 180.0f, 1);
  if (std::isnan(m) || std::fabs(m) < tolerance || std::fabs(180.0f - m) < tolerance) {
    fail(rec, same_direction_text);
    say("The two data have same strike");
    say_value("1st dip dir = dd1 =", rec.DIPDA[0]);
    say_value("2nd dip dir = dd2 =", rec.DIPDA[1]);
    unit::write_line(iocom.iuout, Line().x().a("dd2 - dd1 =").x().es(m, 10, 3).x().a("[modulo 180]"));
    return false;
  }
  return dip_in_range(rec, 0);
}

}  // namespace

bool check_measurement(int idatfmt, KvrRecord& rec) {
  bool ok = letter_format(idatfmt) ? check_letters(rec) : check_azimuths(rec);
  if (!ok) no_conversion_tail();
  return ok;
}
