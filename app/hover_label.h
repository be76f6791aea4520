// The small label that names the icon-bar button under the mouse: its font and its box.
#pragma once

#include "startup_facts.h"

#include <string_view>

namespace votrana {

struct LabelFont {
    std::string_view face;  // UTF-8
    int height = 0;         // cell height in pixels
    int weight = 400;
    int charSet = 0;
    int textOffsetX = 0;
    int textOffsetY = 0;
    int extraWidth = 0;
};

LabelFont labelFontFor(bool japaneseUi, OsVariant variant);

// A rectangle in window coordinates (the outer top-left corner of the main window is 0, 0). All 0
// when no label is shown.
struct LabelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return left == 0; }
    // The screen area that the label covers and that is put back when it goes: the box with its
    // right and bottom edges.
    int coveredColumns() const { return empty() ? 0 : right - left + 1; }
    int coveredRows() const { return empty() ? 0 : bottom - top + 1; }
    bool operator==(const LabelRect&) const = default;
};

// The largest area a label covers: a box that a font measures larger is cut to it.
inline constexpr int maxLabelColumns = 130;
inline constexpr int maxLabelRows = 30;

// What the window system tells about the frame and the label's text.
struct LabelMeasures {
    int cxBorder = 0;
    int cyBorder = 0;
    int cyCaption = 0;
    int textWidth = 0;
    int textHeight = 0;
    int externalLeading = 0;
};

// The box of label `label` (1 Coding .. 5 Exit) below its button, one pixel right of the button's
// left edge, never covering more than maxLabelColumns by maxLabelRows.
LabelRect labelRectFor(int label, const LabelFont& font, const LabelMeasures& measures);

}  // namespace votrana
