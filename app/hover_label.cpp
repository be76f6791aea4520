#include "hover_label.h"

#include <algorithm>

namespace votrana {

namespace {

constexpr int shiftJisCharSet = 128;
constexpr int oemCharSet = 255;
// The box's padding: 3 pixels left of the text, 2 right, and 6 rows above and below together.
constexpr int boxWidthPadding = 5;
constexpr int boxHeightPadding = 6;

}  // namespace

LabelFont labelFontFor(bool japaneseUi, OsVariant variant)
{
    if (japaneseUi) {
        return {.face = "ＭＳゴシック", .height = 12, .charSet = shiftJisCharSet, .textOffsetX = 0,
                .textOffsetY = 0, .extraWidth = 1};
    }
    if (isWindows95Family(variant)) {
        return {.face = "Helv", .height = 12, .charSet = oemCharSet, .textOffsetX = 0, .textOffsetY = -1,
                .extraWidth = 2};
    }
    return {.face = "Helv", .height = 14, .charSet = oemCharSet, .textOffsetX = 1, .textOffsetY = -1,
            .extraWidth = 2};
}

LabelRect labelRectFor(int label, const LabelFont& font, const LabelMeasures& measures)
{
    LabelRect rect;
    rect.left = measures.cxBorder + 17 + 32 * (label - 1);
    rect.top = measures.cyBorder + measures.cyCaption + 32;
    rect.right = rect.left + std::max(0, measures.textWidth) + font.extraWidth + boxWidthPadding;
    rect.bottom = rect.top + std::max(0, measures.externalLeading) + std::max(0, measures.textHeight) +
                  boxHeightPadding;
    rect.right = std::min(rect.right, rect.left + LabelPixels::columns - 1);
    rect.bottom = std::min(rect.bottom, rect.top + LabelPixels::rows - 1);
    return rect;
}

int LabelPixels::columnsOf(const LabelRect& rect)
{
    if (rect.empty()) {
        return 0;
    }
    return std::clamp(rect.right - rect.left + 1, 0, columns);
}

int LabelPixels::rowsOf(const LabelRect& rect)
{
    if (rect.empty()) {
        return 0;
    }
    return std::clamp(rect.bottom - rect.top + 1, 0, rows);
}

}  // namespace votrana
