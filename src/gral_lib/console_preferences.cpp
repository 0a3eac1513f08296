#include "gral_lib/console_preferences.h"

#include "gral_lib/format.h"

std::int32_t getStackSize() { return 33554432; }
std::int32_t getMdiMode() { return 0; }
std::int32_t getShowMaximized() { return 0; }
std::int32_t getMainWindowWidth() { return 340; }
std::int32_t getMainWindowHeight() { return 700; }
std::int32_t getMdiTextWindowWidth() { return static_cast<std::int32_t>(0.75f * static_cast<float>(getMainWindowWidth())); }
std::int32_t getMdiTextWindowHeight() { return static_cast<std::int32_t>(0.75f * static_cast<float>(getMainWindowHeight())); }
void defaultFontFamily(std::string& cfont) { cfont = fit("Monaco", cfont.size()); }
std::int32_t defaultFontSize() { return 10; }
std::int32_t autoSave() { return 0; }
std::int32_t closeOnProgramFinish() { return 1; }
std::int32_t promptSaveOnExit() { return 1; }
std::int32_t showDefaultOutputWindow() { return 1; }
