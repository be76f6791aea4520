#include "startup_facts.h"
#include "program_files.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

TEST(UiLanguage, OnlyTheShiftJisCodePageGivesJapanese)
{
    EXPECT_TRUE(japaneseForCodePage(932));
    EXPECT_FALSE(japaneseForCodePage(1252));
    EXPECT_FALSE(japaneseForCodePage(936));
    EXPECT_FALSE(japaneseForCodePage(949));
    EXPECT_FALSE(japaneseForCodePage(65001));
}

std::optional<OsVariant> fromNt(const std::string& currentVersion)
{
    return osVariantFrom(currentVersion, "Microsoft Windows 98");
}

std::optional<OsVariant> fromProductName(const std::string& productName)
{
    return osVariantFrom(std::nullopt, productName);
}

TEST(OsVariantRules, TheNtVersionDecidesFirstMatchWins)
{
    EXPECT_EQ(fromNt("4.0"), OsVariant::Nt40);
    EXPECT_EQ(fromNt("5.0"), OsVariant::Nt50);
    EXPECT_EQ(fromNt("5.1"), OsVariant::Nt51);
    EXPECT_EQ(fromNt("5.2"), OsVariant::Nt51);
    EXPECT_EQ(fromNt("6.0"), OsVariant::Nt60);
    EXPECT_EQ(fromNt("6.1"), OsVariant::Nt60);
    EXPECT_EQ(fromNt("6.2"), OsVariant::NtOther);
    EXPECT_EQ(fromNt("6.3"), OsVariant::NtOther);
    EXPECT_EQ(fromNt(""), OsVariant::NtOther);
    // Substring search: "14.0" holds "4.0".
    EXPECT_EQ(fromNt("14.0"), OsVariant::Nt40);
}

TEST(OsVariantRules, WithoutTheNtVersionTheProductNameDecides)
{
    EXPECT_EQ(fromProductName("Microsoft Windows ME"), OsVariant::WinMe);
    EXPECT_EQ(fromProductName("Microsoft Windows 98"), OsVariant::Win98);
    EXPECT_EQ(fromProductName("Microsoft Windows 95"), OsVariant::Win9x);
    EXPECT_EQ(fromProductName("Microsoft Windows Me"), OsVariant::Win9x);
    // The value could not be read from an opened key.
    EXPECT_EQ(fromProductName(""), OsVariant::Win9x);
}

TEST(OsVariantRules, NeitherKeyLeavesTheVariantAsItWas)
{
    EXPECT_EQ(osVariantFrom(std::nullopt, std::nullopt), std::nullopt);
}

TEST(OsVariantRules, TheFamiliesSplitBetweenMeAndNt40)
{
    EXPECT_TRUE(isWindows95Family(OsVariant::Win9x));
    EXPECT_TRUE(isWindows95Family(OsVariant::WinMe));
    EXPECT_FALSE(isWindows95Family(OsVariant::Nt40));
    EXPECT_FALSE(isWindows95Family(OsVariant::NtOther));
}

TEST(ReadmePath, TheReadmeOfTheLanguageBesideTheProgram)
{
    EXPECT_EQ(readmePathFor(R"(C:\Tools\VOTRA_95.EXE)", false), R"(C:\Tools\VOTRA_9E.PDF)");
    EXPECT_EQ(readmePathFor(R"(C:\Tools\VOTRA_95.EXE)", true), R"(C:\Tools\VOTRA_9J.PDF)");
    EXPECT_EQ(readmePathFor(R"(D:\ツール\votra_95.exe)", true), R"(D:\ツール\VOTRA_9J.PDF)");
}

TEST(ReadmePath, NoProgramPathNoReadmePath)
{
    EXPECT_EQ(readmePathFor("", false), "");
    EXPECT_EQ(readmePathFor("", true), "");
}

}  // namespace
}  // namespace votrana
