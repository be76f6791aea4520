#include "hover_label.h"

#include "icon_bar_layout.h"

#include <algorithm>

namespace votrana {

namespace {

constexpr int shiftJisCharSet = 128;
constexpr int oemCharSet = 255;
// The box's padding: 3 pixels left of the text, 2 right, and 6 rows above and below together.
constexpr int boxWidthPadding = 5;
constexpr int boxHeightPadding = 6;
// Counted from inside the window's border: the box starts one column right of its button's left edge,
// and this many rows below the caption.
constexpr int boxRightOfButton = 1;
constexpr int boxBelowCaption = 32;

}  // namespace

LabelFont labelFontFor(bool japaneseUi, OsVariant variant)
{
    if (japaneseUi) {
        return {.face = "ＭＳゴシック",
                .height = 12,
                .charSet = shiftJisCharSet,
                .textOffsetX = 0,
                .textOffsetY = 0,
                .extraWidth = 1};
    }
    if (isWindows95Family(variant)) {
        return {
            .face = "Helv", .height = 12, .charSet = oemCharSet, .textOffsetX = 0, .textOffsetY = -1, .extraWidth = 2};
    }
    return {.face = "Helv", .height = 14, .charSet = oemCharSet, .textOffsetX = 1, .textOffsetY = -1, .extraWidth = 2};
}

LabelRect labelRectFor(int label, const LabelFont& font, const LabelMeasures& measures)
{
    LabelRect rect;
    rect.left = measures.cxBorder + iconButtonX(label - 1) + boxRightOfButton;
    rect.top = measures.cyBorder + measures.cyCaption + boxBelowCaption;
    rect.right = rect.left + std::max(0, measures.textWidth) + font.extraWidth + boxWidthPadding;
    rect.bottom =
        rect.top + std::max(0, measures.externalLeading) + std::max(0, measures.textHeight) + boxHeightPadding;
    rect.right = std::min(rect.right, rect.left + maxLabelColumns - 1);
    rect.bottom = std::min(rect.bottom, rect.top + maxLabelRows - 1);
    return rect;
}

}  // namespace votrana
