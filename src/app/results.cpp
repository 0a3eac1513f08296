// The results destination, its header and records, and the counts that end a run.
#include <string>
#include <string_view>

#include "app/run_stages.h"
#include "gral_lib/console.h"
#include "gral_lib/fileopen.h"
#include "gral_lib/format.h"
#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "gral_lib/units.h"

namespace {

constexpr std::string_view names_plain[] = {"dipa1", "dipdir1", "dipa2", "dipdir2", "strike", "dip", "comment"};
constexpr std::string_view names_section[] = {"section #", "depth", "dipa1", "dipdir1", "dipa2",
                                              "dipdir2",   "strike", "dip",  "comment"};

}  // namespace

void write_column_names(const KvrSettings& set, const ResultsDestination& dest) {
  std::string s;
  auto put = [&](std::string_view name) {
    if (!s.empty()) s += set.separator;
    s += '\'';
    s += name;
    s += '\'';
  };
  if (section_format(set.IDATFMT))
    for (std::string_view n : names_section) put(n);
  else
    for (std::string_view n : names_plain) put(n);
  unit::write_line_if_open(dest.unit, s);
}

void open_results(KvrSettings& set, ResultsDestination& dest) {
  if (set.OTP == 1) {
    opef2(set.outfile, "fracture data output ", results_unit, "new", 0);
    report_records(results_unit, 2);  // after the header and column-name lines
    dest.unit = results_unit;
    dest.file_open = true;
  } else {
    dest.unit = 6;
  }
  dest.linteractive = set.ITP == 2 && set.OTP == 2;
}

void write_results_record(const KvrSettings& set, const KvrRecord& rec, const ResultsDestination& dest,
                          bool converted) {
  if (dest.linteractive) {
    if (converted) {
      say_dashes();
      say("RESULTS");
      say_dashes();
    }
    write_column_names(set, dest);
  }
  const char sep = set.separator;
  static std::string s;  // kept from record to record: no allocation per record
  s.clear();
  if (section_format(set.IDATFMT)) {
    put_i(s, rec.ISECT, 3);
    s += sep;
    put_f(s, rec.DEPTH, 6, 1);
    s += sep;
  }
  for (int k = 0; k < 2; ++k) {
    put_f(s, rec.DIP[k], 6, 1);
    s += sep;
    if (letter_format(set.IDATFMT)) {
      s += '\'';
      s += rec.DDIR[k];
      s += '\'';
    } else {
      put_f(s, rec.DIPDA[k], 6, 1);
    }
    s += sep;
  }
  if (converted) {
    put_f(s, rec.STRIKE, 6, 1);
    s += sep;
    put_f(s, rec.TRUEDIP, 6, 1);
    s += sep;
  } else {
    s.append(6, ' ');
    s += sep;
    s.append(6, ' ');
    s += sep;
  }
  s += trimmed(rec.comment);
  unit::write_line_if_open(dest.unit, s);
}

bool results_kept(const KvrSettings& set, const ResultsDestination& dest, bool flush_now) {
  if (!dest.file_open) return true;
  if (flush_now) unit::flush(dest.unit);
  // A file that failed is closed once it has been reported (at a question, say).
  return unit::is_open(dest.unit) && write_checked(dest.unit, "fracture data output ", set.outfile);
}

void write_run_counts(const KvrSettings& set, const KvrRecord& rec, ResultsDestination& dest,
                      bool data_file_open) {
  mainmenuhead(kvr_name, kvr_version, kvr_date);
  say_dashes();
  say(Line().a("Read     ").x().i_whole(rec.nread, 5).x().a("DATA").str());
  say(Line().a("Converted").x().i_whole(rec.nconv, 5).x().a("DATA").str());
  say(Line().a("Number of problematic data =").x().i_whole(rec.nread - rec.nconv, 5).str());
  if (data_file_open) {
    unit::close(data_unit);
    say(Line().a("input  file").x().a(trimmed(set.infile)).x().a("closed").str());
  }
  // Only a file this run opened is closed and reported.
  if (dest.file_open) {
    close_checked(dest.unit, "fracture data output ", set.outfile);
    dest.file_open = false;
    say(Line().a("output file").x().a(trimmed(set.outfile)).x().a("closed").str());
  }
  say_dashes();
}
