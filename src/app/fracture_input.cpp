// Reading the fracture data file's header and the measurement records.
#include <string>

#include "app/run_stages.h"
#include "gral_lib/freeformat.h"
#include "gral_lib/units.h"

namespace {

bool complete(ListStatus st) { return st == ListStatus::ok || st == ListStatus::slash; }

// Why a record's lines ran out: the end of the data, or a file that could not give them.
RecordRead ended(int iunit) {
  return unit::read_failure(iunit) == unit::ReadFailure::end_of_file ? RecordRead::end : RecordRead::failed;
}

}  // namespace

bool read_data_header(KvrRecord& rec) {
  LineSupplier more = [](std::string& l) { return unit::read_line(data_unit, l); };
  std::string line;
  if (!unit::read_line(data_unit, line) || !complete(read_list(line, more, {&rec.title}, NullValue::keep)))
    return false;
  // The column names are one value thrown away; the rest of the line is not looked at.
  std::string names;
  return unit::read_line(data_unit, line) && complete(read_list(line, more, {&names}, NullValue::keep));
}

RecordRead read_record(int iunit, int idatfmt, KvrRecord& rec) {
  static std::string line;  // kept from record to record: no allocation per record
  if (!unit::read_line(iunit, line)) return ended(iunit);
  // A record may go on over the next lines; a field without a value keeps the one it had.
  LineSupplier more = [iunit](std::string& l) { return unit::read_line(iunit, l); };
  std::string d1(1, rec.DDIR[0]), d2(1, rec.DDIR[1]);
  ListStatus st;
  switch (idatfmt) {
    case 1:
      st = read_list(line, more, {&rec.DIP[0], &d1, &rec.DIP[1], &d2}, NullValue::keep);
      break;
    case 2:
      st = read_list(line, more, {&rec.DIP[0], &rec.DIPDA[0], &rec.DIP[1], &rec.DIPDA[1]}, NullValue::keep);
      break;
    case 3:
      st = read_list(line, more, {&rec.ISECT, &rec.DEPTH, &rec.DIP[0], &d1, &rec.DIP[1], &d2}, NullValue::keep);
      break;
    default:
      st = read_list(line, more, {&rec.ISECT, &rec.DEPTH, &rec.DIP[0], &rec.DIPDA[0], &rec.DIP[1], &rec.DIPDA[1]},
                     NullValue::keep);
      break;
  }
  rec.DDIR[0] = d1[0];
  rec.DDIR[1] = d2[0];
  if (st == ListStatus::unreadable) return RecordRead::failed;
  if (st == ListStatus::end_of_input) return ended(iunit);
  return RecordRead::read;
}
