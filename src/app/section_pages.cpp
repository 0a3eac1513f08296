// The section pages of a run: one page per run of consecutive converted records of one
// core section, showing the core in the boxes of the VCD template and the trace of every
// fault on the cut face. Across the core x grows towards the azimuth of the cut face
// (west on the archive half, east on the working half); depth grows down the page.
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "app/run_stages.h"
#include "axis_lib/axes.h"
#include "axis_lib/box.h"
#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "math_lib/angles.h"
#include "plt_lib/draw.h"
#include "plt_lib/plotcontrol.h"
#include "plt_lib/scaling.h"
#include "plt_lib/subplots.h"
#include "plt_lib/textattributes.h"
#include "runinfo_lib/captions.h"

namespace {

constexpr std::string_view separator = "----------------------------------";
constexpr float vertical_tolerance = 1.0e-4f;  // degrees

void say_pair(std::string_view text, int v) { say(Line().a(text).x().i(v, 5).str()); }

// " Plotting fault trace #    12 in section     3": a line per record, built in place, the
// record's number in its section whole. what is one of the two short captions below.
void fault_line(std::string_view what, const KvrRecord& rec) {
  constexpr std::string_view in_section = " in section ";
  char line[80];
  char* p = line;
  *p++ = ' ';
  p = std::copy(what.begin(), what.end(), p);
  *p++ = ' ';
  const int width = whole_width(rec.nsectdata, 5);  // at most 11
  put_i(p, rec.nsectdata, width);
  p = std::copy(in_section.begin(), in_section.end(), p + width);
  put_i(p, rec.ISECT, 5);
  unit::write_line(iocom.iuout, std::string_view(line, static_cast<std::size_t>(p + 5 - line)));
}

void section_lines(std::string_view what, int isect) {
  say(separator);
  say_pair(what, isect);
  say(separator);
}

// Caption line 5 of the page that ends: its number of converted records.
void number_of_data(int n) { page_caption("Number of data = " + shortest_text(n), 5, 2.0f, -1); }

// The page in progress until its caption is drawn, and its records so far: a stop in the
// middle of it (an end of input at a pause) still gives it its caption, before the plot
// file's trailer.
struct PageInProgress {
  int isect = 0;
  int ndata = 0;
} page_in_progress;

void finish_page(int isect, int ndata) {
  unit::at_stop(nullptr);
  section_lines("Finishing section ", isect);
  int just = 0;
  stextalign(just, 3);
  number_of_data(ndata);
  stextalign(just, 1);
}

void finish_page_at_stop() {
  if (iocom.lplotopen) finish_page(page_in_progress.isect, page_in_progress.ndata);
}

// Half the width of the axis across the core: half the diameter in whole centimetres, up
// from any fraction of 0.01 cm or more. A core so thin that this is 0 gets 1 cm, so the
// axis never has two equal bounds; one too wide for an integer gets the largest.
int half_width(float diam) {
  float r = 0.5f * diam;
  if (!(r < 2147483520.0f)) return INT_MAX;
  long long n = static_cast<long long>(r);
  if (std::fabs(static_cast<float>(n) - r) >= 0.01f) n = n + 1;
  return n < 1 ? 1 : static_cast<int>(n);
}

// A core box of the page: box 1 on y axis yaxis in sub-plot nsub, its window the x axis and
// the y axis reversed (depth down) at equal scales, with the two core edges. Gives back
// the deepest depth of the box.
float core_box(float diam, int yaxis, int nsub) {
  int ibx = 0, iby = 0, left = 0, right = 0, bottom = 0, top = 0, clip = 0, zero = 0;
  std::string label(box_label_length, ' ');  // whole, so that storing the box back keeps it
  s1bx2d(ibx, iby, left, right, bottom, top, clip, zero, label, 1, 3);
  ibx = 1;
  iby = yaxis;
  s1bx2d(ibx, iby, left, right, bottom, top, clip, zero, label, 1, 1);

  ssubplot(nsub, 1);
  float xcm0 = 0.0f, ycm0 = 0.0f, xlcm = 0.0f, ylcm = 0.0f, xumin = 0.0f, xumax = 0.0f, yumin = 0.0f, yumax = 0.0f;
  int ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 3);
  g1axbd(xumin, xumax, 1);
  g1axbd(yumax, yumin, yaxis);
  ixy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
  d1bx2d(1);

  const float edge = diam / 2.0f;
  float x[2] = {edge, edge}, y[2] = {yumin, yumax};
  usline(x, y, 2);
  x[0] = -edge;
  x[1] = -edge;
  usline(x, y, 2);
  return yumin;
}

// Starts the page of the record's section: the page in progress is ended first (its
// number of data, a new page asked), then the head and the core boxes are drawn.
void start_page(const KvrSettings& set, KvrRecord& rec) {
  int just = 0;
  stextalign(just, 3);
  if (rec.lsectpage) {
    finish_page(rec.isectprev, rec.nsectdata - 1);  // without the record that opens this section
    section_lines("Starting section ", rec.ISECT);
    newpage();
  }
  rec.nsectdata = 1;

  input_captions(set, rec);
  page_caption("Section # " + shortest_text(rec.ISECT), 4, 2.0f, -1);
  runinfo_caption();
  int right = -3;
  stextalign(right, 1);
  cmplotcharinfo2(set.NAMSECUT[set.IPART == 2 ? 1 : 0], 1, 19.0f, 27.5f, 1);
  std::string d;
  int m = 0;
  real2charf1(d, m, 2, 55, set.diam);
  page_caption("Core diameter = " + d.substr(0, static_cast<std::size_t>(m)), 2, 19.0f, -3);
  stextalign(just, 1);
  if (set.IVCD == 1) {
    rec.boxlimit = core_box(set.diam, 2, 13);
    core_box(set.diam, 3, 14);
  } else {
    rec.boxlimit = core_box(set.diam, 4, 15);
  }
  rec.isectprev = rec.ISECT;
  rec.lsectpage = true;
}

// The trace of the record's plane on the cut face: from (-w, DEPTH - h) to (w, DEPTH + h),
// h / w the tangent of the apparent dip in the cut face, positive where the plane deepens
// towards the face's azimuth. A vertical plane crosses the face in a vertical line, or not
// at all when it is parallel to it.
void fault_trace(const KvrSettings& set, const KvrRecord& rec) {
  float w, h;
  if (std::fabs(rec.TRUEDIP - 90.0f) <= vertical_tolerance) {
    float m = std::fmod(std::fabs(rec.STRIKE - rec.sectaz), 180.0f);
    // A strike a hair's breadth from the face's opposite direction is parallel to it too.
    if (m <= vertical_tolerance || 180.0f - m <= vertical_tolerance) {
      fault_line("Fault #", rec);
      say(Line().a("is vertical and parallel to the cross section").x().a("=> it has no trace within the cross section")
              .str());
      return;
    }
    w = 0.0f;
    h = -set.diam / 2.0f;
  } else {
    w = set.diam / 2.0f;
    h = w * std::tan(rad(rec.TRUEDIP)) * std::cos(rad(90.0f + rec.STRIKE - rec.sectaz));
  }
  fault_line("Plotting fault trace #", rec);
  int nsub = set.IVCD != 1 ? 15 : (rec.boxlimit >= rec.DEPTH ? 13 : 14);
  ssubplot(nsub, 1);
  float x[2] = {-w, w}, y[2] = {rec.DEPTH - h, rec.DEPTH + h};
  usline(x, y, 2);
}

}  // namespace

void section_axis(const KvrSettings& set, KvrRecord& rec) {
  rec.sectaz = set.IPART == 2 ? 90.0f : 270.0f;
  float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
  std::string walab;
  int nawdig = 0, nasubint = 0, nlabintk = 0;
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, 1, 3);
  const int n = half_width(set.diam);
  const float fn = static_cast<float>(n);
  usa1 = -fn;
  usa2 = fn;
  wau1 = -fn;
  wau2 = fn;
  waud = fn;
  nasubint = n;
  walab = set.IPART == 2 ? "W <----> E" : "E <----> W";
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, 1, 1);
}

void section_record(const KvrSettings& set, KvrRecord& rec) {
  if (!rec.lsectpage || rec.ISECT != rec.isectprev) start_page(set, rec);
  page_in_progress = {rec.isectprev, rec.nsectdata};
  unit::at_stop(finish_page_at_stop);
  fault_trace(set, rec);
}

void section_end(KvrRecord& rec) {
  // A run that started no section page has none to end.
  if (rec.lsectpage) finish_page(rec.isectprev, rec.nsectdata);
}
