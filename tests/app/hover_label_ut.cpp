#include "hover_label.h"

#include <gtest/gtest.h>

#include <utility>

namespace votrana {
namespace {

TEST(LabelFont, EachLanguageAndFamilyHasItsRow)
{
    const LabelFont japanese = labelFontFor(true, OsVariant::NtOther);
    EXPECT_EQ(japanese.face, "ＭＳゴシック");
    EXPECT_EQ(japanese.height, 12);
    EXPECT_EQ(japanese.charSet, 128);
    EXPECT_EQ(std::make_pair(japanese.textOffsetX, japanese.textOffsetY), std::make_pair(0, 0));
    EXPECT_EQ(japanese.extraWidth, 1);
    EXPECT_EQ(labelFontFor(true, OsVariant::Win9x).height, 12);

    for (OsVariant variant : {OsVariant::Win9x, OsVariant::Win98, OsVariant::WinMe}) {
        const LabelFont font = labelFontFor(false, variant);
        EXPECT_EQ(font.face, "Helv");
        EXPECT_EQ(font.height, 12);
        EXPECT_EQ(font.charSet, 255);
        EXPECT_EQ(std::make_pair(font.textOffsetX, font.textOffsetY), std::make_pair(0, -1));
        EXPECT_EQ(font.extraWidth, 2);
    }
    for (OsVariant variant : {OsVariant::Nt40, OsVariant::Nt51, OsVariant::NtOther}) {
        const LabelFont font = labelFontFor(false, variant);
        EXPECT_EQ(font.face, "Helv");
        EXPECT_EQ(font.height, 14);
        EXPECT_EQ(std::make_pair(font.textOffsetX, font.textOffsetY), std::make_pair(1, -1));
        EXPECT_EQ(font.extraWidth, 2);
    }
    for (bool japaneseUi : {false, true}) {
        EXPECT_EQ(labelFontFor(japaneseUi, OsVariant::Nt40).weight, 400);
    }
}

LabelMeasures frame(int textWidth, int textHeight, int externalLeading)
{
    return {.cxBorder = 1,
            .cyBorder = 1,
            .cyCaption = 18,
            .textWidth = textWidth,
            .textHeight = textHeight,
            .externalLeading = externalLeading};
}

TEST(LabelRectRule, TheBoxBelowEachButton)
{
    const LabelFont font = labelFontFor(false, OsVariant::NtOther);
    EXPECT_EQ(labelRectFor(1, font, frame(30, 14, 1)), (LabelRect{18, 51, 18 + 30 + 2 + 5, 51 + 1 + 14 + 6}));
    EXPECT_EQ(labelRectFor(5, font, frame(20, 14, 0)).left, 1 + 145);
    const LabelFont japanese = labelFontFor(true, OsVariant::NtOther);
    EXPECT_EQ(labelRectFor(2, japanese, frame(36, 12, 0)), (LabelRect{50, 51, 50 + 36 + 1 + 5, 51 + 12 + 6}));
}

TEST(LabelRectRule, AnyFontCoversAtMost130By30)
{
    const LabelFont font = labelFontFor(false, OsVariant::NtOther);
    const LabelRect rect = labelRectFor(3, font, frame(4000, 300, 50));
    EXPECT_EQ(rect.coveredColumns(), 130);
    EXPECT_EQ(rect.coveredRows(), 30);
    // The widest box that still fits is left whole.
    const LabelRect widest = labelRectFor(3, font, frame(130 - 1 - 2 - 5, 30 - 1 - 6, 0));
    EXPECT_EQ(widest.right - widest.left + 1, 130);
    EXPECT_EQ(widest.bottom - widest.top + 1, 30);
    EXPECT_EQ(LabelRect{}.coveredColumns(), 0);
}

}  // namespace
}  // namespace votrana
