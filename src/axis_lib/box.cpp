#include "axis_lib/box.h"

#include <cmath>

#include "axis_lib/axes.h"
#include "axis_lib/axis_lines.h"
#include "axis_lib/axisdraw.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/prompts.h"
#include "math_lib/matrix.h"
#include "plt_lib/draw.h"
#include "plt_lib/subplots.h"

namespace {

constexpr RoutineId usbax6_id{"usbax6", " 1.0", "2012-05-09"};
constexpr RoutineId d1bx2d_id{"d1bx2d", " 2.1", "2012-05-09"};
constexpr RoutineId s1bx2d_id{"s1bx2d", " 1.4", "2012-05-09"};

bool valid_axis(int iax) { return iax >= 1 && iax <= max_axes; }
std::size_t slot(int iax) { return static_cast<std::size_t>(iax - 1); }

void user_line(float x1, float y1, float x2, float y2) {
  const float x[2] = {x1, x2}, y[2] = {y1, y2};
  usline(x, y, 2);
}

// The eight values of one axis of the box.
struct BoxAxis {
  float WAU1, WAU2, WAUD;
  std::string_view LABEL;
  int NAWDIG;
  float& WALAS;
  int NASUBINT, NLABINTK;
};

// One side from (x1, y1) to (x2, y2) in user units: a plain line for flag 0, else the
// annotated axis with its tics at angle TICANG.
void box_side(float x1, float y1, float x2, float y2, int flag, float TICANG, int IXY, const BoxAxis& ax) {
  if (flag == 0) {
    user_line(x1, y1, x2, y2);
    return;
  }
  float xc[2], yc[2];
  us2cm(&xc[0], &yc[0], &x1, &y1, 1);
  us2cm(&xc[1], &yc[1], &x2, &y2, 1);
  cmaxis11(xc[0], yc[0], xc[1], yc[1], TICANG, ax.NASUBINT, ax.NLABINTK, ax.WAU1, ax.WAU2, ax.WAUD, ax.NAWDIG,
           ax.WALAS, IXY, ax.LABEL);
}

void no_action_for_box(const RoutineId& id, std::string_view text, int IB) {
  errorhead(id.name, id.version, id.date);
  axis_number(text, IB);
  axis_number("max box nb =", 1);
  axis_text("===> NO ACTION");
  errortail00();
}

// An axis number of the box that names no axis is reported and replaced.
void replace_axis_number(const RoutineId& id, std::string_view text, std::string_view action, int& iax,
                         int replacement) {
  if (valid_axis(iax)) return;
  bad_axis_number_head(id, text, iax);
  iax = replacement;
  axis_number(action, iax);
  errortail00();
}

// The 30-character title of an axis; blank for a number that names no axis.
std::string axis_title(int iax) {
  return fit(valid_axis(iax) ? std::string_view(axisblk7b.WALAB[slot(iax)]) : std::string_view(), 30);
}

void list_axes() {
  axis_dashes(43);
  axis_text("Available axes:");
  axis_text("label: nb");
  axis_dashes(43);
  for (int k = 1; k <= max_axes; ++k) axis_number(axis_title(k), k);
  axis_dashes(43);
}

void border_legend() {
  axis_dashes(43);
  axis_text("Border types:");
  axis_text("line+tics+ticmarks+axelabel.......1");
  axis_text("line+tics+ticmarks................2");
  axis_text("line+tics.........................3");
  axis_text("line..............................4");
  axis_text("nothing...........................5");
  axis_dashes(43);
}

// The set-up dialogue of one axis of the box, on the axis record.
void box_axis_dialogue(int iax) {
  float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
  std::string title(35, ' ');
  int nawdig = 0, nasubint = 0;
  s1axis(usa1, usa2, wau1, wau2, waud, walas, title, nawdig, nasubint, iax, 2);
}

struct BoxArgs {
  int &IBXAXIS, &IBYAXIS, &IBLEFT, &IBRIGHT, &IBBOTTOM, &IBTOP, &IBCLIP, &IBZERO;
  std::string& WBLAB;
};

void box_menu_lines(const BoxArgs& b, int IB) {
  axis_number("SETTING BOX #", IB);
  axis_dashes(43);
  axis_text(Line().a("X axis label:").x().a(axis_title(b.IBXAXIS)));
  axis_number("X axis nb........................10", b.IBXAXIS);
  axis_text("X axis params ...................11");
  axis_dashes(35);
  axis_text(Line().a("Y axis label:").x().a(axis_title(b.IBYAXIS)));
  axis_number("Y axis nb........................20", b.IBYAXIS);
  axis_text("Y axis params ...................21");
  axis_dashes(43);
  axis_text("Border types:");
  axis_number("left ............................30", b.IBLEFT);
  axis_number("right ...........................31", b.IBRIGHT);
  axis_number("bottom ..........................32", b.IBBOTTOM);
  axis_number("top .............................33", b.IBTOP);
  axis_dashes(43);
  axis_text(Line().a("Box label   :").x().a(b.WBLAB));
  axis_number("Clipping ........................40", b.IBCLIP);
  axis_number("X=0 & Y=0 mark line .............50", b.IBZERO);
  axis_text("Change box label ................60");
  axis_dashes(43);
  axis_text("EXIT.............................99");
}

// Menu "SETTING BOX #", shown whatever the output level, until the choice 99.
void box_menu(BoxArgs& b, int IB) {
  const RoutineId& id = s1bx2d_id;
  for (;;) {
    submenuhead(id.name, id.version, id.date);
    box_menu_lines(b, IB);
    menutail();
    int choice = 99;
    int istat;
    inintegdef(choice, "your choice", choice, istat);
    auto ask = [&](int& v, std::string_view question, int vmin, int vmax) {
      inintegvindef(v, question, v, vmin, vmax, istat);
    };
    switch (choice) {
      case 10: list_axes(); ask(b.IBXAXIS, "X axis nb", 1, max_axes); break;
      case 20: list_axes(); ask(b.IBYAXIS, "Y axis nb", 1, max_axes); break;
      case 11: box_axis_dialogue(b.IBXAXIS); break;
      case 21: box_axis_dialogue(b.IBYAXIS); break;
      case 30: border_legend(); ask(b.IBLEFT, "left border type", 1, 5); break;
      case 31: border_legend(); ask(b.IBRIGHT, "right border type", 1, 5); break;
      case 32: border_legend(); ask(b.IBBOTTOM, "bottom border type", 1, 5); break;
      case 33: border_legend(); ask(b.IBTOP, "top border type", 1, 5); break;
      case 40: ask(b.IBCLIP, "clipping (0/1)", 0, 1); break;
      case 50: ask(b.IBZERO, "draw X=0 & Y=0 lines (0/1)", 0, 1); break;
      case 60: inchardef(b.WBLAB, "box label", b.WBLAB, istat); break;
      case 99: return;
      default: break;
    }
  }
}

}  // namespace

void usbax6(float XU1, float XU2, float YU1, float YU2, float WAU1x, float WAU2x, float WAUDx,
            std::string_view LABELx, int NAWDIGx, float& WALASx, int NASUBINTx, int NLABINTKx, float WAU1y,
            float WAU2y, float WAUDy, std::string_view LABELy, int NAWDIGy, float& WALASy, int NASUBINTy,
            int NLABINTKy, int IZERO, int ITOP, int IBOTTOM, int ILEFT, int IRIGHT) {
  if (!std::isfinite(XU1) || !std::isfinite(XU2) || !std::isfinite(YU1) || !std::isfinite(YU2)) {
    warninghead(usbax6_id.name, usbax6_id.version, usbax6_id.date);
    axis_text("Box bounds not finite:");
    axis_value("XU1 =", XU1);
    axis_value("XU2 =", XU2);
    axis_value("YU1 =", YU1);
    axis_value("YU2 =", YU2);
    axis_text("===> NO BOX DRAWN");
    warningtail00();
    return;
  }
  float origin[2], m[4], det = 0.0f;
  splotunits(origin, m, 1, 3);
  m22determt(det, m);
  const float s = det >= 0.0f ? 1.0f : -1.0f;
  // Orientation: which way the bounds run in user units. A tic angle of +90 turns to the
  // left of the direction of drawing; the sign c keeps it outward for each case.
  const bool x_decreasing = !(XU2 >= XU1);
  const bool y_decreasing = !(YU2 >= YU1);
  const float c = x_decreasing == y_decreasing ? 1.0f : -1.0f;
  const float A = 90.0f * c * s;
  const BoxAxis xaxis{WAU1x, WAU2x, WAUDx, LABELx, NAWDIGx, WALASx, NASUBINTx, NLABINTKx};
  const BoxAxis yaxis{WAU1y, WAU2y, WAUDy, LABELy, NAWDIGy, WALASy, NASUBINTy, NLABINTKy};
  box_side(XU1, YU2, XU2, YU2, y_decreasing ? IBOTTOM : ITOP, A, 2, xaxis);
  box_side(XU1, YU1, XU2, YU1, y_decreasing ? ITOP : IBOTTOM, -A, 2, xaxis);
  box_side(XU1, YU1, XU1, YU2, x_decreasing ? IRIGHT : ILEFT, A, 1, yaxis);
  box_side(XU2, YU1, XU2, YU2, x_decreasing ? ILEFT : IRIGHT, -A, 1, yaxis);
  if (IZERO == 1) {
    if (XU1 < 0.0f && 0.0f < XU2) user_line(0.0f, YU1, 0.0f, YU2);
    if (YU1 < 0.0f && 0.0f < YU2) user_line(XU1, 0.0f, XU2, 0.0f);
  }
}

void d1bx2d(int IB) {
  if (IB != 1) {
    no_action_for_box(d1bx2d_id, "trying to draw box nb =", IB);
    return;
  }
  // A box never stored names no axes: it is drawn on axes 1 and 2, after a report.
  int x = axisblk7a.IBXAXIS, y = axisblk7a.IBYAXIS;
  replace_axis_number(d1bx2d_id, "trying to draw axis nb =", "===> USING axis nb =", x, 1);
  replace_axis_number(d1bx2d_id, "trying to draw axis nb =", "===> USING axis nb =", y, 2);
  AxisBlk7a& r = axisblk7a;
  const std::size_t i = slot(x), j = slot(y);
  usbax6(r.USA1[i], r.USA2[i], r.USA1[j], r.USA2[j], r.WAU1[i], r.WAU2[i], r.WAUD[i], axisblk7b.WALAB[i],
         r.NAWDIG[i], r.WALAS[i], r.NASUBINT[i], r.NLABINTK[i], r.WAU1[j], r.WAU2[j], r.WAUD[j], axisblk7b.WALAB[j],
         r.NAWDIG[j], r.WALAS[j], r.NASUBINT[j], r.NLABINTK[j], r.IBZERO, r.IBBORDER[3], r.IBBORDER[2],
         r.IBBORDER[0], r.IBBORDER[1]);
}

void s1bx2d(int& IBXAXIS, int& IBYAXIS, int& IBLEFT, int& IBRIGHT, int& IBBOTTOM, int& IBTOP, int& IBCLIP,
            int& IBZERO, std::string& WBLAB, int IB, int mode) {
  const RoutineId& id = s1bx2d_id;
  if (IB != 1) {
    no_action_for_box(id, "trying to set box nb =", IB);
    return;
  }
  AxisBlk7a& r = axisblk7a;
  if (mode == 2 || mode == 3 || mode == 10) {
    IBXAXIS = r.IBXAXIS;
    IBYAXIS = r.IBYAXIS;
    IBLEFT = r.IBBORDER[0];
    IBRIGHT = r.IBBORDER[1];
    IBBOTTOM = r.IBBORDER[2];
    IBTOP = r.IBBORDER[3];
    IBCLIP = r.IBCLIP;
    IBZERO = r.IBZERO;
    WBLAB = fit(axisblk7b.WBLAB, WBLAB.size());
  } else if (mode == 4 || mode == 5) {
    submenuhead(id.name, id.version, id.date);
    axis_number("INITIALIZING BOX NB", IB);
    IBXAXIS = 1;
    IBYAXIS = 2;
    IBLEFT = IBRIGHT = IBBOTTOM = IBTOP = 1;
    IBCLIP = 0;
    IBZERO = 0;
    WBLAB = fit("Generic box", WBLAB.size());
  } else {
    replace_axis_number(id, "trying to set axis nb =", "===> RESET axis nb =", IBXAXIS, 1);
    replace_axis_number(id, "trying to set axis nb =", "===> RESET axis nb =", IBYAXIS, 2);
  }
  if (mode % 2 == 0) {
    BoxArgs b{IBXAXIS, IBYAXIS, IBLEFT, IBRIGHT, IBBOTTOM, IBTOP, IBCLIP, IBZERO, WBLAB};
    box_menu(b, IB);
  }
  r.IBXAXIS = IBXAXIS;
  r.IBYAXIS = IBYAXIS;
  r.IBBORDER[0] = IBLEFT;
  r.IBBORDER[1] = IBRIGHT;
  r.IBBORDER[2] = IBBOTTOM;
  r.IBBORDER[3] = IBTOP;
  r.IBCLIP = IBCLIP;
  r.IBZERO = IBZERO;
  axisblk7b.WBLAB = fit(WBLAB, box_label_length);
}
