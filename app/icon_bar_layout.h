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

// x of button `index` (0 Coding .. 4 Exit) in the bar, which lies at the top left of the main
// window's client area.
constexpr int iconButtonX(int index)
{
    return firstIconButtonX + iconButtonWidth * index;
}

// A rectangle of the main window's client area, right and bottom outside it as RECT has them.
struct BarArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const BarArea&) const = default;
};

// What the main window repaints of button `index` once a dialog that covered it has gone: an area of
// the button's size from the top of the bar, one column further left than the button.
inline constexpr int buttonRepaintShiftLeft = 1;
constexpr BarArea buttonRepaintArea(int index)
{
    const int left = iconButtonX(index) - buttonRepaintShiftLeft;
    return {left, 0, left + iconButtonWidth, iconButtonHeight};
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
