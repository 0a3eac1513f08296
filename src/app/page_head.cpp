// The heads of the plot pages of a run: caption lines at the top of the page, under which
// the section pages and the statistics page draw their plots.
#include <string>

#include "app/run_stages.h"
#include "gral_lib/format.h"
#include "gral_lib/textconv.h"
#include "plt_lib/textattributes.h"
#include "runinfo_lib/captions.h"

namespace {

constexpr float head_y = 27.5f;         // first line of every block, cm
constexpr std::size_t caption_length = 50;

void justify(int just) { stextalign(just, 1); }

}  // namespace

void page_caption(std::string_view text, int iline, float x, int just) {
  justify(just);
  cmplotcharinfo2(fit(text, caption_length), iline, x, head_y, 1);
}

void input_captions(const KvrSettings& set, const KvrRecord& rec) {
  page_caption("Input format: " + set.CDATFMT[static_cast<std::size_t>(set.IDATFMT - 1)], 1, 2.0f, -1);
  page_caption("Input file: " + set.infile, 2, 2.0f, -1);
  page_caption("Title: " + rec.title, 3, 2.0f, -1);
}

void runinfo_caption() {
  justify(-2);
  cmplotruninfo2(10.5f, head_y);
}

std::string shortest_text(int v) {
  std::string s;
  int n = 0;
  intg2char(s, n, static_cast<int>(caption_length), v);
  return s.substr(0, static_cast<std::size_t>(n));
}
