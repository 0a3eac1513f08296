#include "gral_lib/console.h"

#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/units.h"

IoCom iocom;

void initsio2(int iflag) {
  iocom = IoCom{};
  iocom.iuin = 5;
  iocom.iuout = 6;
  iocom.iuerrin = 5;
  iocom.iuerrout = 6;
  iocom.lplotopen = false;
  iocom.lcmdopen = false;
  iocom.LWITO = {true, true, false};
  iocom.lpause = true;
  submenuhead("initsio2", "4.1 ", "2024-10-25");
  unit::write_line(iocom.iuout, " INITIALIZING INPUT/OUTPUT");
  if (iflag == 0) writesio(iocom.iuout);
}

void writesio(int iunit) {
  auto number = [iunit](std::string_view label, int v) {
    unit::write_line(iunit, Line().x().a(label).x().i(v, 2));
  };
  auto flag = [iunit](std::string_view label, bool v) {
    unit::write_line(iunit, Line().x().a(label).x().l(v, 2));
  };
  submenuhead("writesio", "2.1 ", "2024-10-25");
  unit::write_line(iunit, " INPUT/OUTPUT SET UP:");
  number("standard  input unit        =", iocom.iuin);
  number("standard output unit        =", iocom.iuout);
  number("error     input unit        =", iocom.iuerrin);
  number("error    output unit        =", iocom.iuerrout);
  flag("minimum output enabled      :", iocom.LWITO[0]);
  flag("more    output enabled      :", iocom.LWITO[1]);
  flag("maximum output enabled      :", iocom.LWITO[2]);
  flag("command file open status    :", iocom.lcmdopen);
  if (iocom.lcmdopen) {
    number("command file input unit     =", iocom.iucmd);
    number("command file input index    =", iocom.icmdindex);
  }
  flag("plot    file open status    :", iocom.lplotopen);
  flag("pause after warning or error:", iocom.lpause);
  menutail();
}
