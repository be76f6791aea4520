// The window program's rules that need no window system, each a table of its edges.
#include "icon_bar_layout.h"
#include "progress_pacing.h"
#include "startup_facts.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

TEST(AppRules, EdgesOfEachRule)
{
    // Japanese for the Shift-JIS code page alone.
    for (const auto& [codePage, japanese] : {std::pair{932u, true}, {936u, false}, {1252u, false}, {65001u, false}}) {
        EXPECT_EQ(japaneseForCodePage(codePage), japanese) << codePage;
    }
    // The NT version decides, the first match winning; without it the product name.
    using V = OsVariant;
    // clang-format off
    for (const auto& [version, variant] : {std::pair{"4.0", V::Nt40}, {"14.0", V::Nt40}, {"5.0", V::Nt50},
             {"5.1", V::Nt51}, {"5.2", V::Nt51}, {"6.1", V::Nt60}, {"6.2", V::NtOther}}) {
        EXPECT_EQ(osVariantFrom(version, "Microsoft Windows 98"), variant) << version;
    }
    for (const auto& [product, variant] : {std::pair{"Microsoft Windows ME", V::WinMe},
             {"Microsoft Windows 98", V::Win98}, {"Microsoft Windows Me", V::Win9x}, {"", V::Win9x}}) {
        EXPECT_EQ(osVariantFrom(std::nullopt, product), variant) << product;
    }
    EXPECT_EQ(osVariantFrom(std::nullopt, std::nullopt), std::nullopt);
    // The hover strip reaches from the row below the buttons' top row to one row below them.
    const int top = 1, middle = top + 10, lastX = iconButtonX(iconButtonCount) - 1;
    const std::tuple<int, int, int> hovers[] = {
        {firstIconButtonX - 1, middle, 0}, {firstIconButtonX, middle, 1}, {iconButtonX(1) - 1, middle, 1},
        {iconButtonX(1), middle, 2}, {lastX, middle, 5}, {lastX + 1, middle, 0}, {20, top, 0}, {20, top + 1, 1},
        {20, top + iconButtonHeight, 1}, {20, top + iconButtonHeight + 1, 0}};
    // clang-format on
    for (const auto& [x, y, label] : hovers) {
        EXPECT_EQ(hoverLabelAt(x, y, top), label) << x << ", " << y;
    }
    // The progress window comes after half a second of work, unless the rest of the pass looks short.
    const std::pair<PassTiming, bool> passes[] = {
        {{10, 100, 499, 499}, false}, {{10, 100, 500, 500}, true},   {{50, 100, 500, 500}, true},
        {{60, 100, 500, 500}, false}, {{10, 100, 600, 50}, false},   {{10, 100, 600, 60}, true},
        {{0, 100, 600, 600}, true},   {{100, 100, 900, 900}, false}, {{0, 0, 900, 900}, false}};
    for (const auto& [pass, due] : passes) {
        EXPECT_EQ(progressWindowDue(pass), due) << pass.done << "/" << pass.total << ", " << pass.workingMs << " ms";
    }
}

}  // namespace
}  // namespace votrana
