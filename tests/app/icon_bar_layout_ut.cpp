#include "icon_bar_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace votrana {
namespace {

std::string allNames(OsVariant variant)
{
    std::string names;
    for (int index = 0; index < iconButtonCount; ++index) {
        const IconButtonBitmaps bitmaps = iconButtonBitmapsFor(index, variant);
        names += bitmaps.upBitmap + " " + bitmaps.downBitmap + " " + bitmaps.disabledBitmap + " ";
    }
    return names;
}

TEST(IconBarBitmaps, EachVariantHasItsSet)
{
    EXPECT_EQ(allNames(OsVariant::WinMe),
              "Code9Up Code9Dn Code9In DeCod9Up DeCod9Dn DeCod9In About9Up About9Dn About9In "
              "Help9Up Help9Dn Help9In Exit9Up Exit9Dn Exit9In ");
    EXPECT_EQ(allNames(OsVariant::Nt50),
              "Code8Up Code8Dn Code8In DeCod8Up DeCod8Dn DeCod8In About8Up About8Dn About8In "
              "Help8Up Help8Dn Help8In Exit8Up Exit8Dn Exit8In ");
    EXPECT_EQ(allNames(OsVariant::Nt51),
              "CodeXUp CodeXDn CodeXIn DeCodXUp DeCodXDn DeCodXIn AboutXUp AboutXDn AboutXIn "
              "HelpXUp HelpXDn HelpXIn ExitXUp ExitXDn ExitXIn ");
    const std::string unmarked = "CodeUp CodeDn CodeIn DeCodeUp DeCodeDn DeCodeIn AboutUp AboutDn AboutIn "
                                 "HelpUp HelpDn HelpIn ExitUp ExitDn ExitIn ";
    for (OsVariant variant :
         {OsVariant::Win9x, OsVariant::Win98, OsVariant::Nt40, OsVariant::Nt60, OsVariant::NtOther}) {
        EXPECT_EQ(allNames(variant), unmarked) << static_cast<int>(variant);
    }
}

TEST(IconBarBitmaps, NoNameIsLongerThanEightCharacters)
{
    for (int variant = 0; variant <= 7; ++variant) {
        for (int index = 0; index < iconButtonCount; ++index) {
            const IconButtonBitmaps bitmaps = iconButtonBitmapsFor(index, static_cast<OsVariant>(variant));
            EXPECT_LE(bitmaps.upBitmap.size(), 8U);
            EXPECT_LE(bitmaps.downBitmap.size(), 8U);
            EXPECT_LE(bitmaps.disabledBitmap.size(), 8U);
        }
    }
}

TEST(IconBarLayout, TheButtonsLieSideBySideFrom16)
{
    EXPECT_EQ(iconButtonX(0), 16);
    EXPECT_EQ(iconButtonX(4), 144);
    EXPECT_EQ(iconButtonX(4) + iconButtonWidth - 1, 175);
}

TEST(IconBarLayout, TheRepaintedAreaStartsOneColumnLeftOfTheButton)
{
    EXPECT_EQ(buttonRepaintArea(0), (BarArea{15, 0, 47, 20}));
    EXPECT_EQ(buttonRepaintArea(1), (BarArea{47, 0, 79, 20}));
}

constexpr int cyBorder = 1;
constexpr int inStrip = cyBorder + 10;

TEST(HoverHitTest, ColumnsAcrossTheStrip)
{
    EXPECT_EQ(hoverLabelAt(15, inStrip, cyBorder), 0);
    EXPECT_EQ(hoverLabelAt(16, inStrip, cyBorder), 1);
    EXPECT_EQ(hoverLabelAt(47, inStrip, cyBorder), 1);
    EXPECT_EQ(hoverLabelAt(48, inStrip, cyBorder), 2);
    EXPECT_EQ(hoverLabelAt(80, inStrip, cyBorder), 3);
    EXPECT_EQ(hoverLabelAt(112, inStrip, cyBorder), 4);
    EXPECT_EQ(hoverLabelAt(144, inStrip, cyBorder), 5);
    EXPECT_EQ(hoverLabelAt(175, inStrip, cyBorder), 5);
    EXPECT_EQ(hoverLabelAt(176, inStrip, cyBorder), 0);
    EXPECT_EQ(hoverLabelAt(-3, inStrip, cyBorder), 0);
}

TEST(HoverHitTest, RowsOfTheStrip)
{
    EXPECT_EQ(hoverLabelAt(20, cyBorder, cyBorder), 0);
    EXPECT_EQ(hoverLabelAt(20, cyBorder + 1, cyBorder), 1);
    EXPECT_EQ(hoverLabelAt(20, cyBorder + 20, cyBorder), 1);
    EXPECT_EQ(hoverLabelAt(20, cyBorder + 21, cyBorder), 0);
    EXPECT_EQ(hoverLabelAt(20, 80, cyBorder), 0);
    EXPECT_EQ(hoverLabelAt(20, 3, 2), 1);
    EXPECT_EQ(hoverLabelAt(20, 2, 2), 0);
}

}  // namespace
}  // namespace votrana
