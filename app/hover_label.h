// The small label that names the icon-bar button under the mouse: its font, its box, and the store
// of the screen pixels that it covers.
#pragma once

#include "startup_facts.h"

#include <array>
#include <cstdint>
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
    bool operator==(const LabelRect&) const = default;
};

// What the window system tells about the frame and the label's text.
struct LabelMeasures {
    int cxBorder = 0;
    int cyBorder = 0;
    int cyCaption = 0;
    int textWidth = 0;
    int textHeight = 0;
    int externalLeading = 0;
};

// The box of label `label` (1 Coding .. 5 Exit) below its button. The box with its right and bottom
// edges always fits the pixel store, however wide or tall the font measures: a larger box is cut.
LabelRect labelRectFor(int label, const LabelFont& font, const LabelMeasures& measures);

// The screen pixels under the shown label, 130 columns by 30 rows, as the window system's colour
// values. Row r, column c holds the pixel at (left + c, top + r) of the label's rectangle.
class LabelPixels {
public:
    static constexpr int columns = 130;
    static constexpr int rows = 30;

    // The number of columns and rows of `rect` that the store holds: its right and bottom edges
    // included, and never more than the store.
    static int columnsOf(const LabelRect& rect);
    static int rowsOf(const LabelRect& rect);

    // Saves with `read(x, y)`, restores with `write(x, y, colour)`, over the stored area of `rect`.
    template <typename Read>
    void save(const LabelRect& rect, Read read)
    {
        for (int r = 0; r < rowsOf(rect); ++r) {
            for (int c = 0; c < columnsOf(rect); ++c) {
                pixels_[index(r, c)] = read(rect.left + c, rect.top + r);
            }
        }
    }

    template <typename Write>
    void restore(const LabelRect& rect, Write write) const
    {
        for (int r = 0; r < rowsOf(rect); ++r) {
            for (int c = 0; c < columnsOf(rect); ++c) {
                write(rect.left + c, rect.top + r, pixels_[index(r, c)]);
            }
        }
    }

private:
    static std::size_t index(int row, int column)
    {
        return static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column);
    }

    std::array<std::uint32_t, static_cast<std::size_t>(columns) * rows> pixels_{};
};

}  // namespace votrana
