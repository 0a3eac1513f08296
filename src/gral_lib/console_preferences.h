// Fixed preferences of a console window of the program's own. The program runs in the
// terminal it is started from, so nothing calls these; they keep the settings in one place.
#pragma once

#include <cstdint>
#include <string>

std::int32_t getStackSize();            // stack of the thread running the program: 32 MiB
std::int32_t getMdiMode();              // 0: one window, no sub-windows
std::int32_t getShowMaximized();        // 0: not opened maximized
std::int32_t getMainWindowWidth();      // 340 pixels
std::int32_t getMainWindowHeight();     // 700 pixels
std::int32_t getMdiTextWindowWidth();   // 3/4 of the main window's width: 255
std::int32_t getMdiTextWindowHeight();  // 3/4 of the main window's height: 525
void defaultFontFamily(std::string& cfont);  // "Monaco", cut or blank-padded to cfont's length
std::int32_t defaultFontSize();         // 10 points
std::int32_t autoSave();                // 0: the text is not saved on closing
std::int32_t closeOnProgramFinish();    // 1: the window closes when the program ends
std::int32_t promptSaveOnExit();        // 1: offer to save changed text before closing
std::int32_t showDefaultOutputWindow(); // 1: the window is shown from the start
