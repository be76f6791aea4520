#include "file_names.h"
#include "temporary_file.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

constexpr auto windows = PathStyle::windows;
constexpr auto posix = PathStyle::posix;

TEST(FileNames, CodedNameKeepsNameAndExtension)
{
    EXPECT_EQ(codedFilePathFor(R"(C:\DATA\report.txt)", windows), R"(C:\DATA\report_txt.___)");
    EXPECT_EQ(codedFilePathFor(R"(C:\DATA\archive.tar.gz)", windows), R"(C:\DATA\archive.tar_gz.___)");
    EXPECT_EQ(codedFilePathFor(R"(C:\DATA\README)", windows), R"(C:\DATA\README____.___)");
    EXPECT_EQ(codedFilePathFor(R"(C:\DATA\README.___)", windows), R"(C:\DATA\README____.___)");
    EXPECT_EQ(codedFilePathFor("/home/a/.profile", posix), "/home/a/_profile.___");
    EXPECT_EQ(codedFilePathFor(R"(C:\DATA\report_txt.___)", windows), R"(C:\DATA\report_txt____.___)");
}

TEST(FileNames, NamesBesideTheCodedFile)
{
    EXPECT_EQ(defaultKeyPathFor(R"(C:\DATA\report_txt.___)", windows), R"(C:\DATA\report_txt.KEY)");
    // A chosen file that does not end in ".___" gets its names by the same rule.
    EXPECT_EQ(defaultKeyPathFor(R"(C:\DATA\notes.txt)", windows), R"(C:\DATA\notes.KEY)");
    // Temporary files are the tool's own, and each is new.
    const std::string first = temporaryPathIn("/d/").value();
    EXPECT_TRUE(first.starts_with("/d/") && isTemporaryName(first.substr(3))) << first;
    EXPECT_NE(first, temporaryPathIn("/d/"));
    EXPECT_FALSE(isTemporaryName("report_txt.___"));
}

TEST(FileNames, DecodedNameUndoesTheCodedName)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"(C:\DATA\report_txt.___)", R"(C:\DATA\report.txt)"},
        {R"(C:\DATA\README____.___)", R"(C:\DATA\README)"},
        {R"(C:\DATA\archive.tar_gz.___)", R"(C:\DATA\archive.tar.gz)"},
        {R"(C:\DATA\a_b_c.___)", R"(C:\DATA\a_b.c)"},
        {R"(C:\report.___)", R"(C:\report)"},
        {R"(C:\DATA\_txt.___)", R"(C:\DATA\.txt)"},
        {R"(C:\DATA\notes.txt)", R"(C:\DATA\notes)"},
    };
    for (const auto& [coded, decoded] : cases) {
        EXPECT_EQ(decodedFilePathFor(coded, windows), decoded) << coded;
    }
}

// A "." or "_" in a folder name never moves a derived file into another folder.
TEST(FileNames, RulesStayInTheFileName)
{
    EXPECT_EQ(decodedFilePathFor(R"(C:\MY_DATA\report.___)", windows), R"(C:\MY_DATA\report)");
    EXPECT_EQ(decodedFilePathFor("/srv/my_data/report.___", posix), "/srv/my_data/report");
    EXPECT_EQ(decodedFilePathFor("D:/my_data/report.___", windows), "D:/my_data/report");
    EXPECT_EQ(codedFilePathFor(R"(C:\MY.DATA\README)", windows), R"(C:\MY.DATA\README____.___)");
    EXPECT_EQ(codedFilePathFor("C:README", windows), "C:README____.___");
    EXPECT_EQ(defaultKeyPathFor("/srv/data.d/ab", posix), "/srv/data.d/KEY");
    // On POSIX systems a backslash is part of the name.
    EXPECT_EQ(codedFilePathFor(R"(/srv/a.b\c)", posix), R"(/srv/a_b\c.___)");
}

TEST(FileNames, NoNameLeftIsNoDecodedName)
{
    EXPECT_EQ(decodedFilePathFor(R"(C:\DATA\a_.___)", windows), std::nullopt);
    EXPECT_EQ(decodedFilePathFor(R"(C:\DATA\.___)", windows), std::nullopt);
    EXPECT_EQ(decodedFilePathFor("/d/x", posix), std::nullopt);
}

TEST(FileNames, CharactersAreUnicodeCharacters)
{
    EXPECT_EQ(dropLastCharacters("日本語", 2), "日");
    EXPECT_EQ(dropLastCharacters("ab", 3), "");
    EXPECT_EQ(defaultKeyPathFor("/d/報告書", posix), "/d/KEY");
    EXPECT_EQ(defaultKeyPathFor("/d/報告書.文書", posix), "/d/報告書KEY");
    EXPECT_EQ(decodedFilePathFor("/d/報告_文書.___", posix), "/d/報告.文書");
    // A double-byte character whose second byte is "\" in Shift-JIS is one character in UTF-8.
    EXPECT_EQ(codedFilePathFor(R"(C:\表\ソ.txt)", windows), R"(C:\表\ソ_txt.___)");
}

TEST(FileNames, ProgramPathComparisonIgnoresCase)
{
    EXPECT_TRUE(equalIgnoringCase(R"(C:\Tools\VOTRA_95.EXE)", R"(c:\tools\votra_95.exe)"));
    EXPECT_FALSE(equalIgnoringCase(R"(C:\Tools\VOTRA_95.EXE)", R"(C:\Tools\VOTRA_95.EX)"));
}

}  // namespace
}  // namespace votrana
