// The built votrana binary, run as a user would run it.
#include "key_table.h"
#include "lzw_codec.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

namespace votrana::testing {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (const char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

class CliTest : public ::testing::Test {
protected:
    // Runs votrana in the folder with `locale` ("VARIABLE=value ...") as its only locale variables.
    ToolRun runTool(const std::vector<std::string>& arguments, const std::string& locale = "")
    {
        std::string command = "cd " + quoted(folder.path("")) + " && env -u LC_ALL -u LC_MESSAGES -u LANG " +
                              locale + " " + quoted(VOTRANA_BINARY);
        for (const std::string& argument : arguments) {
            command += " " + quoted(argument);
        }
        command += " >" + quoted(outputs.path("out")) + " 2>" + quoted(outputs.path("err"));
        const int status = std::system(command.c_str());
        const auto text = [&](const char* name) {
            const Bytes bytes = readFile(outputs.path(name)).value_or(Bytes{});
            return std::string(bytes.begin(), bytes.end());
        };
        return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, text("out"), text("err")};
    }

    TempFolder folder;
    TempFolder outputs;
};

TEST_F(CliTest, CodesAndDecodesSeveralFilesInOneCall)
{
    writeFile(folder.path("a.txt"), bytesOf("alpha alpha alpha"));
    writeFile(folder.path("b"), bytesOf("beta"));
    const ToolRun coding = runTool({"code", "a.txt", "b"});
    EXPECT_EQ(coding.status, 0);
    EXPECT_EQ(coding.err, "");
    EXPECT_EQ(coding.out, "Following file has been created by coding;\n  " + folder.path("a_txt.___") +
                              "\nKey file;\n  " + folder.path("a_txt.KEY") + "\n" +
                              "Following file has been created by coding;\n  " + folder.path("b____.___") +
                              "\nKey file;\n  " + folder.path("b____.KEY") + "\n");

    std::filesystem::remove(folder.path("a.txt"));
    std::filesystem::remove(folder.path("b"));
    const ToolRun decoding = runTool({"decode", folder.path("a_txt.___"), "b____.___"});
    EXPECT_EQ(decoding.status, 0);
    EXPECT_EQ(decoding.err, "");
    EXPECT_EQ(readFile(folder.path("a.txt")), bytesOf("alpha alpha alpha"));
    EXPECT_EQ(readFile(folder.path("b")), bytesOf("beta"));
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"a.txt", "a_txt.KEY", "a_txt.___", "b", "b____.KEY", "b____.___"}));
}

TEST_F(CliTest, WithAKeyFileOfTheUser)
{
    Bytes identity(512);
    for (std::size_t i = 0; i < identity.size(); ++i) {
        identity[i] = static_cast<std::uint8_t>(i);
    }
    writeFile(folder.path("my.key"), identity);
    writeFile(folder.path("a.txt"), bytesOf("alpha alpha alpha"));
    const ToolRun coding = runTool({"code", "--key", "my.key", "a.txt"});
    EXPECT_EQ(coding.status, 0);
    EXPECT_TRUE(coding.out.ends_with("Key file;\n  " + folder.path("my.key") + "\n")) << coding.out;
    EXPECT_EQ(readFile(folder.path("a_txt.___")), compressBytes(bytesOf("alpha alpha alpha")));
    EXPECT_EQ(runTool({"decode", "a_txt.___", "--key=my.key"}).status, 0);
    EXPECT_EQ(readFile(folder.path("a.txt")), bytesOf("alpha alpha alpha"));
}

TEST_F(CliTest, AnyFileThatFailsMakesTheStatus1)
{
    writeFile(folder.path("a.txt"), bytesOf("alpha"));
    const ToolRun run = runTool({"code", "missing.txt", "a.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "votrana: missing.txt: Error: No assigned file in the directory.\n");
    EXPECT_TRUE(run.out.starts_with("Following file has been created by coding;"));

    writeFile(folder.path("broken.___"), {0x61});
    const ToolRun broken = runTool({"decode", "broken.___"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "votrana: broken.___: Error: The coded file is damaged and cannot be decoded.\n");
    EXPECT_EQ(broken.out, "");
}

TEST_F(CliTest, SpeaksJapaneseWhenTheLocaleSaysSo)
{
    const std::string japanese = "votrana: x: エラー: 指定されたファイルはありません.\n";
    const std::string english = "votrana: x: Error: No assigned file in the directory.\n";
    EXPECT_EQ(runTool({"code", "x"}, "LANG=ja_JP.UTF-8").err, japanese);
    EXPECT_EQ(runTool({"code", "x"}, "LC_MESSAGES=ja_JP.UTF-8 LANG=C").err, japanese);
    EXPECT_EQ(runTool({"code", "x"}, "LC_ALL=C LANG=ja_JP.UTF-8").err, english);
    EXPECT_EQ(runTool({"code", "x"}, "LANG=en_GB.UTF-8").err, english);
}

TEST_F(CliTest, UsageHelpAndVersion)
{
    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: votrana code FILE... [--key KEYFILE]\n"));
    const ToolRun version = runTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "votrana " VOTRANA_VERSION "\n");
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{}, {"frob"}, {"code"}, {"code", "a", "--key"}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.ends_with("Try 'votrana --help'.\n")) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(runTool({"code"}, "LANG=ja_JP.UTF-8").err,
              "votrana: FILE がありません.\n'votrana --help' を参照してください.\n");
    EXPECT_TRUE(folder.names().empty());
}

}  // namespace
}  // namespace votrana::testing
