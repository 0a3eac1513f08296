#include "histo_lib/menus.h"

void global_histogram_menu(int&, int) {}
