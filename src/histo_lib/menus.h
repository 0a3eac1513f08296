// The histogram set-up menus.
#pragma once

// The menu "Global Histogram set up" that shstall shows in an even setter mode, with the
// modification switch already brought into 0..3. Not assembled yet: it returns at once.
void global_histogram_menu(int& sw, int mode);
