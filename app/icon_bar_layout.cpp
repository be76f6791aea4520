#include "icon_bar_layout.h"

#include <array>
#include <string_view>

namespace votrana {

namespace {

std::string_view setMarkFor(OsVariant variant)
{
    switch (variant) {
    case OsVariant::WinMe:
        return "9";
    case OsVariant::Nt50:
        return "8";
    case OsVariant::Nt51:
        return "X";
    default:
        return "";
    }
}

}  // namespace

IconButtonBitmaps iconButtonBitmapsFor(int index, OsVariant variant)
{
    const std::string_view mark = setMarkFor(variant);
    // With a set mark the Decoding stem is one letter shorter, so that no name has more than 8.
    const std::array<std::string_view, iconButtonCount> stems{"Code", mark.empty() ? "DeCode" : "DeCod", "About",
                                                              "Help", "Exit"};
    std::string stem(stems.at(static_cast<std::size_t>(index)));
    stem += mark;
    return {stem + "Up", stem + "Dn", stem + "In"};
}

int hoverLabelAt(int x, int y, int cyBorder)
{
    const bool inStrip = y > cyBorder && y <= cyBorder + iconButtonHeight;
    const int lastX = iconButtonX(iconButtonCount) - 1;
    if (!inStrip || x < firstIconButtonX || x > lastX) {
        return 0;
    }
    return (x - firstIconButtonX) / iconButtonWidth + 1;
}

}  // namespace votrana
