// The names of the files that go with a chosen file, and the names of the tool's own temporaries.
#include "file_names.h"
#include "temporary_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace votrana {
namespace {

using Rule = std::function<std::optional<std::string>(std::string_view, PathStyle)>;
const Rule coded = codedFilePathFor;
const Rule key = defaultKeyPathFor;
const Rule decoded = decodedFilePathFor;
constexpr auto windows = PathStyle::windows;
constexpr auto posix = PathStyle::posix;

// A "." or "_" in a folder name never moves a derived file into another folder, and a character is
// a Unicode character: a double-byte character whose second byte is "\" in Shift-JIS is one in UTF-8.
TEST(FileNames, DerivedNames)
{
    const struct {
        const Rule& rule;
        std::string_view path;
        PathStyle style;
        std::optional<std::string_view> name;  // nullopt: none
    } cases[] = {
        {coded, R"(C:\DATA\report.txt)", windows, R"(C:\DATA\report_txt.___)"},
        {coded, R"(C:\DATA\archive.tar.gz)", windows, R"(C:\DATA\archive.tar_gz.___)"},
        {coded, R"(C:\MY.DATA\README)", windows, R"(C:\MY.DATA\README____.___)"},
        {coded, R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report_txt____.___)"},
        {coded, "C:README", windows, "C:README____.___"},
        {coded, "/home/a/.profile", posix, "/home/a/_profile.___"},
        {coded, R"(/srv/a.b\c)", posix, R"(/srv/a_b\c.___)"},
        {coded, R"(C:\表\ソ.txt)", windows, R"(C:\表\ソ_txt.___)"},
        {key, R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report_txt.KEY)"},
        {key, R"(C:\DATA\notes.txt)", windows, R"(C:\DATA\notes.KEY)"},
        {key, "/srv/data.d/ab", posix, "/srv/data.d/KEY"},
        {key, "/d/報告書", posix, "/d/KEY"},
        {key, "/d/報告書.文書", posix, "/d/報告書KEY"},
        {decoded, R"(C:\DATA\report_txt.___)", windows, R"(C:\DATA\report.txt)"},
        {decoded, R"(C:\DATA\README____.___)", windows, R"(C:\DATA\README)"},
        {decoded, R"(C:\DATA\archive.tar_gz.___)", windows, R"(C:\DATA\archive.tar.gz)"},
        {decoded, R"(C:\DATA\a_b_c.___)", windows, R"(C:\DATA\a_b.c)"},
        {decoded, R"(C:\DATA\_txt.___)", windows, R"(C:\DATA\.txt)"},
        {decoded, R"(C:\DATA\notes.txt)", windows, R"(C:\DATA\notes)"},
        {decoded, R"(C:\MY_DATA\report.___)", windows, R"(C:\MY_DATA\report)"},
        {decoded, "D:/my_data/report.___", windows, "D:/my_data/report"},
        {decoded, "/srv/my_data/report.___", posix, "/srv/my_data/report"},
        {decoded, "/d/報告_文書.___", posix, "/d/報告.文書"},
        {decoded, "/d/日本語_.___", posix, std::nullopt},
        {decoded, R"(C:\DATA\a_.___)", windows, std::nullopt},
        {decoded, R"(C:\DATA\.___)", windows, std::nullopt},
        {decoded, "/d/x", posix, std::nullopt},
    };
    for (const auto& [rule, path, style, name] : cases) {
        EXPECT_EQ(rule(path, style), name) << path;
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
