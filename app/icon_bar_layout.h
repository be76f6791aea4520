// Where the icon bar's five buttons lie, which bitmaps draw them, and which button the mouse is over.
#pragma once

#include "startup_facts.h"

#include <optional>
#include <string>

namespace votrana {

inline constexpr int iconButtonCount = 5;
inline constexpr int iconButtonWidth = 32;
inline constexpr int iconButtonHeight = 20;
inline constexpr int firstIconButtonX = 16;
// The buttons send their control id less this as the command to the main window (106 -> 101).
inline constexpr int buttonToCommandOffset = 5;

// x of button `index` (0 Coding .. 4 Exit) in the bar.
constexpr int iconButtonX(int index)
{
    return firstIconButtonX + iconButtonWidth * index;
}

struct IconButtonBitmaps {
    std::string upBitmap;
    std::string downBitmap;
    std::string disabledBitmap;
};

// The bitmap names of button `index` in the set of `variant`: "CodeUp", "DeCod9Dn", "ExitXIn", ...
IconButtonBitmaps iconButtonBitmapsFor(int index, OsVariant variant);

// The hover label for the mouse at (x, y) in the main window's client area: 1 Coding .. 5 Exit, or 0
// when it is outside the button strip or beside the buttons in it. The strip reaches from the row
// below the buttons' top row down to one row below the buttons.
int hoverLabelAt(int x, int y, int cyBorder);

}  // namespace votrana
