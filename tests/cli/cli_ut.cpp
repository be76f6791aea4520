// The built votrana binary, run as a user would run it.
#include "command_fixture.h"
#include "key_table.h"
#include "lzw_codec.h"
#include "temp_folder.h"
#include "temporary_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // Runs votrana in the folder with `locale` ("VARIABLE=value ...") as its only locale variables;
    // its standard output goes to `out`, a redirection, when one is given.
    ToolRun runTool(const std::vector<std::string>& arguments, const std::string& locale = "",
                    const std::string& out = "")
    {
        std::string command = "cd " + quoted(folder.path("")) + " && env -u LC_ALL -u LC_MESSAGES -u LANG " + locale +
                              " " + quoted(VOTRANA_BINARY);
        for (const std::string& argument : arguments) {
            command += " " + quoted(argument);
        }
        command += (out.empty() ? " >" + quoted(outputs.path("out")) : " " + out) + " 2>" + quoted(outputs.path("err"));
        const int status = std::system(command.c_str());
        const auto text = [&](const char* name) {
            const Bytes bytes = readFile(outputs.path(name)).value_or(Bytes{});
            return std::string(bytes.begin(), bytes.end());
        };
        return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, text("out"), text("err")};
    }

    // Starts votrana in the background, reading `input` when it is given; its output is not looked at.
    pid_t startTool(const std::vector<std::string>& arguments, int input = -1)
    {
        std::vector<std::string> words{VOTRANA_BINARY};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (input >= 0) {
            posix_spawn_file_actions_adddup2(&actions, input, 0);
        }
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, VOTRANA_BINARY, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    static int exitStatusOf(pid_t pid)
    {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    bool anyTemporaryFile() const
    {
        for (const std::string& name : folder.names()) {
            if (isTemporaryName(name)) {
                return true;
            }
        }
        return false;
    }

    TempFolder folder;
    TempFolder outputs;
};

// Zeros, as many as asked, without holding them.
class Zeros final : public ByteSource {
public:
    explicit Zeros(std::uint64_t count) : left_(count) {}
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), left_));
        std::fill_n(buffer.begin(), count, std::uint8_t{0});
        left_ -= count;
        return count;
    }

private:
    std::uint64_t left_;
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

    // FILE - among others: standard output carries the coded bytes alone, the reports go to standard
    // error. A key file that does not exist is made for it.
    const auto pipe = [&](const std::vector<std::string>& arguments, const std::string& input) {
        return runTool(arguments, "", "<" + input + " >" + quoted(outputs.path("out")));
    };
    const ToolRun piped = pipe({"code", "--key", "my.key", "a.txt", "-"}, "a.txt");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(bytesOf(piped.out), compressBytes(bytesOf("alpha alpha alpha")));
    EXPECT_TRUE(piped.err.starts_with("Following file has been created by coding;")) << piped.err;
    EXPECT_EQ(pipe({"decode", "--key", "my.key", "-"}, "a_txt.___").out, "alpha alpha alpha");
    const ToolRun made = pipe({"code", "--key", "new.KEY", "-"}, "a.txt");
    EXPECT_EQ(made.err, "Following key file has been created;\n  " + folder.path("new.KEY") + "\n");
    EXPECT_EQ(std::filesystem::status(folder.path("new.KEY")).permissions(), std::filesystem::perms(0600));
    writeFile(folder.path("new.___"), bytesOf(made.out));
    EXPECT_EQ(pipe({"decode", "--key=new.KEY", "-"}, "new.___").out, "alpha alpha alpha");

    // Coded bytes go to a terminal only when the user insists.
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
    const std::string toTerminal = std::string("<a.txt >") + ::ptsname(terminal);
    EXPECT_EQ(runTool({"code", "--key", "my.key", "-"}, "", toTerminal).status, 1);
    EXPECT_EQ(runTool({"code", "--force", "--key", "my.key", "-"}, "", toTerminal).status, 0);
    ::close(terminal);
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
    writeFile(folder.path("my.key"), identityKeyFile());
    const ToolRun piped = runTool({"decode", "--key", "my.key", "-"}, "", "<broken.___ >/dev/null");
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.err, "votrana: -: Error: The coded file is damaged and cannot be decoded.\n");
}

// A signal stops the work; the tool removes what it made, keeps every file of the user's, and says by
// its exit status which signal stopped it.
TEST_F(CliTest, AnInterruptedRunLeavesTheFilesAsTheyWere)
{
    writeFile(folder.path("zeros.KEY"), identityKeyFile());
    // A small coded file that decodes to 256 MiB: long enough to be caught at work.
    Zeros zeros(std::uint64_t{256} << 20);
    MemorySink coded;
    LzwEncoder codec;
    ASSERT_EQ(compressStream(codec, zeros, coded), CodecResult::done);
    writeFile(folder.path("zeros.___"), coded.bytes());
    writeFile(folder.path("zeros"), bytesOf("an earlier file"));
    const std::vector<std::string> before = folder.names();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t tool = startTool({"decode", folder.path("zeros.___")});
        int status = 0;
        while (!anyTemporaryFile()) {
            ASSERT_EQ(::waitpid(tool, &status, WNOHANG), 0) << "the tool ended before it was caught at work";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ::kill(tool, signal);
        EXPECT_EQ(exitStatusOf(tool), 128 + signal);
        EXPECT_EQ(folder.names(), before);
        EXPECT_EQ(readFile(folder.path("zeros")), bytesOf("an earlier file"));
        EXPECT_EQ(readFile(folder.path("zeros.___")), coded.bytes());

        // A run on a pipe through which nothing comes stops as well, once its new key file is made.
        int pipe[2];
        ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
        const pid_t piped = startTool({"code", "--key", outputs.path("new.KEY"), "-"}, pipe[0]);
        while (!std::filesystem::exists(outputs.path("new.KEY"))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ::kill(piped, signal);
        EXPECT_EQ(exitStatusOf(piped), 128 + signal);
        ::close(pipe[0]);
        ::close(pipe[1]);
        std::filesystem::remove(outputs.path("new.KEY"));
    }
    // Left alone, it decodes; the progress line is for a terminal, not for a file.
    const ToolRun whole = runTool({"decode", "zeros.___"});
    EXPECT_EQ(whole.status, 0);
    EXPECT_EQ(whole.err, "");
}

// Codings and decodings of the same names at the same time never split a coded file from its key and
// never report a decoding that is not on disk.
TEST_F(CliTest, ParallelRunsOnTheSameNames)
{
    const Bytes source = sampleText(3 << 20);
    writeFile(folder.path("report.txt"), source);
    ASSERT_EQ(runTool({"code", "report.txt"}).status, 0);
    for (int round = 0; round < 8; ++round) {
        const pid_t first = startTool({"code", folder.path("report.txt")});
        const pid_t second = startTool(
            {round % 2 == 0 ? "decode" : "code", folder.path(round % 2 == 0 ? "report_txt.___" : "report.txt")});
        exitStatusOf(first);
        exitStatusOf(second);
        ASSERT_EQ(readFile(folder.path("report.txt")), source) << "round " << round;
        ASSERT_EQ(folder.names(), (std::vector<std::string>{"report.txt", "report_txt.KEY", "report_txt.___"}));
        const Bytes key = readFile(folder.path("report_txt.KEY")).value();
        KeyTables tables;
        loadKeyHalf(tables, key, KeyDirection::coding);
        Bytes substituted = source;
        substitute(substituted, tables.codingTable);
        ASSERT_EQ(readFile(folder.path("report_txt.___")), compressBytes(substituted)) << "round " << round;
    }
}

TEST_F(CliTest, AReportThatCannotBeWrittenIsAFailure)
{
    writeFile(folder.path("a.txt"), bytesOf("alpha"));
    for (const char* out : {">/dev/full", ">&-"}) {
        EXPECT_EQ(runTool({"code", "a.txt"}, "", out).status, 1) << out;
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.txt", "a_txt.KEY", "a_txt.___"}));
    }
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
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"frob"}, {"code"}, {"code", "a", "--key"}, {"code", "-"}, {"decode", "--key", "k", "-", "a", "-"}}) {
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
