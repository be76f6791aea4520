// The names of the files that go with a chosen file, and the names of the tool's own temporaries.
#include "file_names.h"
#include "temporary_file.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

constexpr auto windows = PathStyle::windows;
constexpr auto posix = PathStyle::posix;

struct Derived {
    std::string_view path;
    PathStyle style;
    std::optional<std::string_view> name;  // nullopt: none
};

// A "." or "_" in a folder name never moves a derived file into another folder, and a character is
// a Unicode character: a double-byte character whose second byte is "\" in Shift-JIS is one in UTF-8.
TEST(FileNames, CodedName)
{
    const Derived cases[] = {
        {R"(C:\DATA\report.txt)", windows, R"(C:\DATA\report_txt.___)"},
        {R"(C:\DATA\archive.tar.gz)", windows, R"(C:\DATA\archive.tar_gz.___)"},
        {R"(C:\MY.DATA\README)", windows, R"(C:\MY.DATA\README____.___)"},
        {R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report_txt____.___)"},
        {"C:README", windows, "C:README____.___"},
        {"/home/a/.profile", posix, "/home/a/_profile.___"},
        {R"(/srv/a.b\c)", posix, R"(/srv/a_b\c.___)"},
        {R"(C:\表\ソ.txt)", windows, R"(C:\表\ソ_txt.___)"},
    };
    for (const auto& [path, style, name] : cases) {
        EXPECT_EQ(codedFilePathFor(path, style), name) << path;
    }
}

TEST(FileNames, KeyName)
{
    const Derived cases[] = {
        {R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report_txt.KEY)"},
        {R"(C:\DATA\notes.txt)", windows, R"(C:\DATA\notes.KEY)"},
        {"/srv/data.d/ab", posix, "/srv/data.d/KEY"},
        {"/d/報告書", posix, "/d/KEY"},
        {"/d/報告書.文書", posix, "/d/報告書KEY"},
    };
    for (const auto& [path, style, name] : cases) {
        EXPECT_EQ(defaultKeyPathFor(path, style), name) << path;
    }
}

TEST(FileNames, DecodedName)
{
    const Derived cases[] = {
        {R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report.txt)"},
        {R"(C:\DATA\README____.___)", windows, R"(C:\DATA\README)"},
        {R"(C:\DATA\archive.tar_gz.___)", windows, R"(C:\DATA\archive.tar.gz)"},
        {R"(C:\DATA\a_b_c.___)", windows, R"(C:\DATA\a_b.c)"},
        {R"(C:\DATA\_txt.___)", windows, R"(C:\DATA\.txt)"},
        {R"(C:\DATA\notes.txt)", windows, R"(C:\DATA\notes)"},
        {R"(C:\MY_DATA\report.___)", windows, R"(C:\MY_DATA\report)"},
        {"D:/my_data/report.___", windows, "D:/my_data/report"},
        {"/srv/my_data/report.___", posix, "/srv/my_data/report"},
        {"/d/報告_文書.___", posix, "/d/報告.文書"},
        {"/d/日本語_.___", posix, std::nullopt},
        {R"(C:\DATA\a_.___)", windows, std::nullopt},
        {R"(C:\DATA\.___)", windows, std::nullopt},
        {"/d/x", posix, std::nullopt},
    };
    for (const auto& [path, style, name] : cases) {
        EXPECT_EQ(decodedFilePathFor(path, style), name) << path;
    }
}

TEST(FileNames, TemporaryNamesAreTheToolsOwnAndNew)
{
    const std::string first = temporaryPathIn("/d/").value();
    EXPECT_TRUE(first.starts_with("/d/") && isTemporaryName(first.substr(3))) << first;
    EXPECT_NE(first, temporaryPathIn("/d/"));
    EXPECT_FALSE(isTemporaryName("report_txt.___"));
}

}  // namespace
}  // namespace votrana
