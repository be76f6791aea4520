// The icon bar: a child window along the top of the main window with the five owner-drawn picture
// buttons, Coding, Decoding, About, Help and Exit. A click becomes a command of the main window.
#pragma once

#include "application.h"

namespace votrana {

inline constexpr wchar_t iconBarClassName[] = L"IconBarWindow";

bool registerIconBarClass(HINSTANCE instance);
// Creates the bar over the top of the main window; null when it cannot be created.
HWND createIconBar(Application& app);
void drawIconBarTopLine(const MainDrawing& drawing, HWND bar);

}  // namespace votrana
