// The main window of class "VOTRA_95": start-up work, the picture, the hover labels and the five
// commands that the icon bar sends.
#pragma once

#include "application.h"

namespace votrana {

inline constexpr wchar_t mainWindowClassName[] = L"VOTRA_95";

bool registerMainWindowClass(HINSTANCE instance);
// Creates the main window, centred on the screen; null when it cannot be created, which is also how
// a second copy of the program ends.
HWND createMainWindow(Application& app);

}  // namespace votrana
