#include <algorithm>
#include <string>

#include "gral_lib/frames.h"
#include "gral_lib/textconv.h"
#include "histo_lib/setter_steps.h"
#include "histo_lib/store.h"

namespace {

constexpr RoutineId id_hstcompend{"hstcompend ", " 2.0", "2013-05-02"};
constexpr RoutineId id_shstlabntot{"shstlabntot", " 1.0", "2013-04-30"};

}  // namespace

void hstcompend(int nb) {
  if (!hst_check_nb(id_hstcompend, nb, NbOrder::max_first, "==> EXITING WITHOUT ACTION")) return;
  const int i = nb - 1;
  const std::int32_t* counts = blkhst8.NYCTHST0[i];
  const int nbin = hst_nbin(hst_xaxis(nb));
  // The largest count is not reset first: a clear has set it to 0.
  blkhst8.MODEHST0[i] = std::max(blkhst8.MODEHST0[i], *std::max_element(counts, counts + nbin));
  blkhst8.MINIHST0[i] = *std::min_element(counts, counts + nbin);

  if (blkhst8.NTOTHST0[i] > 0) {
    blkhst8.AVGHST0[i] = blkhst8.SUMHST0[i] / static_cast<float>(blkhst8.NTOTHST0[i]);
  } else {
    hst_error_head(id_hstcompend);
    hst_say({"histogram nb           =", nb});
    hst_say({"nb of retained data    =", HstItem::count(blkhst8.NTOTHST0[i])});
    hst_say({"nb of rejected data    =", HstItem::count(blkhst8.NREJHST0[i])});
    blkhst8.AVGHST0[i] = 0.0f;
    hst_say({"==> SETTING AVERAGE    =", blkhst8.AVGHST0[i]});
    errortail00();
  }

  const int type = blkhst8.NYEXTYPHST0[i];
  if (type == 2 || type == 3) blkhst8.YMINHST0[i] = static_cast<float>(blkhst8.MINIHST0[i]);
  if (type == 1 || type == 3) blkhst8.YMAXHST0[i] = static_cast<float>(blkhst8.MODEHST0[i]);

  shstlabntot(6, nb);
  blkhst8.ITYPEHST0[i] = 2;
}

void shstlabntot(int slot, int nb) {
  if (!hst_check_nb(id_shstlabntot, nb, NbOrder::current_first, "==> NO ACTION")) return;
  if (slot < 1 || slot > label_slots) {
    hst_error_head(id_shstlabntot);
    hst_say({"histogram nb =", nb});
    hst_say({"label number =", slot});
    hst_say({"outside [", 1, ",", label_slots, "]"});
    hst_say({"==> NO ACTION"});
    errortail00();
    return;
  }
  std::string count(21, ' ');
  int length;
  intg2char(count, length, 21, blkhst8.NTOTHST0[nb - 1]);
  hst_set_label(slot, nb, "N = " + count.substr(0, static_cast<std::size_t>(length)));
}
