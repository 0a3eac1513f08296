// The results file's header line and column names.
#include <string>

#include "app/run_stages.h"
#include "gral_lib/sysinfo.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"
#include "runinfo_lib/runinfo.h"

void write_results_header(const KvrSettings& set, const KvrRecord& rec, const ResultsDestination& dest) {
  if (dest.linteractive) return;
  say_dashes();
  say("WRITING OUTPUT HEADER");
  say_dashes();
  std::string cdate(10, ' '), ctime(8, ' ');
  date10_time8(cdate, ctime);
  std::string sysinfo(50, ' '), proginfo(55, ' ');
  getruninfo0(sysinfo, proginfo);
  std::string s;
  s += '\'';
  s += trimmed(rec.title);
  s += '\'';
  s += set.separator;
  s += "input file = ";
  s += trimmed(set.infile);
  s += "   ";
  s += trimmed(proginfo);
  s += "   ";
  s += trimmed(sysinfo);
  s += "   Run on ";
  s += cdate;
  s += " at ";
  s += ctime;
  unit::write_line_if_open(dest.unit, s);
  write_column_names(set, dest);
}
