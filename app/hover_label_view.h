// Draws the hover label straight onto the main window and puts back what lay beneath it.
#pragma once

#include "application.h"

namespace votrana {

// On WM_SETCURSOR: shows, moves or removes the label for where the mouse is. Nothing happens while
// the program is not active or a dialog has disabled the main window.
void updateHoverLabel(Application& app, HWND window);
// Before a command: removes a shown label.
void eraseHoverLabel(Application& app, HWND window);
// At the end: lets go of what a shown label keeps, without drawing.
void releaseHoverLabel(HoverLabelState& hover);

}  // namespace votrana
