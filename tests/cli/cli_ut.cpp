// The built votrana binary, run as a user would run it: a table of command lines, the tool stopped by
// signals at work, and runs side by side on the same names.
#include "cli_texts.h"
#include "command_fixture.h"
#include "lzw_codec.h"
#include "temp_folder.h"
#include "temporary_file.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <tuple>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace votrana::testing {
namespace {

std::string textOf(const std::optional<Bytes>& bytes)
{
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

struct ToolRun {
    std::string command;  // a shell command line in the folder
    int status = 0;
    std::string out = {}, err = {};
    std::tuple<int, std::string, std::string> result() const { return {status, out, err}; }
};

class CliTest : public ::testing::Test {
protected:
    // Starts the command line through the shell, without locale variables of its own; the shell runs
    // the commands before votrana and then becomes the tool.
    pid_t start(const std::string& commandLine)
    {
        const std::string command = "exec >" + outputs.path("out") + " 2>" + outputs.path("err") +
                                    "; unset LC_ALL LC_MESSAGES LANG; votrana() { exec " VOTRANA_BINARY
                                    " \"$@\"; }; cd " +
                                    folder.path("") + " && " + commandLine;
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ), 0);
        return pid;
    }

    static int exitStatusOf(pid_t pid)
    {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    ToolRun run(const std::string& command)
    {
        const int status = exitStatusOf(start(command));
        return {command, status, textOf(readFile(outputs.path("out"))), textOf(readFile(outputs.path("err")))};
    }

    TempFolder folder;
    TempFolder outputs;
};

TEST_F(CliTest, CommandLines)
{
    const Texts &en = textsFor(false), &ja = textsFor(true);
    const CliTexts& cli = cliTextsFor(false);
    const auto report = [&](std::string_view head, const std::string& file, const std::string& key) {
        return std::string(head) + folder.path(file) + std::string(en.keyFileLabel) + folder.path(key) + "\n";
    };
    const auto error = [](const Texts& texts, const std::string& file, std::string_view text) {
        return "votrana: " + file + ": " + std::string(texts.errorCaption) + ": " + std::string(text) + "\n";
    };
    const std::string alpha = "alpha alpha alpha", coded = textOf(compressBytes(bytesOf(alpha)));
    writeFile(folder.path("a.txt"), bytesOf(alpha));
    writeFile(folder.path("my.key"), identityKeyFile());
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
    const std::string toTerminal = std::string(" <a.txt >") + ::ptsname(terminal);
    std::vector<ToolRun> runs = {
        {"printf beta >b; votrana code a.txt b", 0,
         report(en.codingDone, "a_txt.___", "a_txt.KEY") + report(en.codingDone, "b____.___", "b____.KEY")},
        {"rm a.txt b; votrana decode " + folder.path("a_txt.___") + " b____.___", 0,
         report(en.decodingDone, "a.txt", "a_txt.KEY") + report(en.decodingDone, "b", "b____.KEY")},
        {"cat a.txt b", 0, alpha + "beta"},
        // The user's key file, wherever it is among the files.
        {"votrana code --key my.key a.txt", 0, report(en.codingDone, "a_txt.___", "my.key")},
        {"rm a.txt; votrana decode a_txt.___ --key=my.key", 0, report(en.decodingDone, "a.txt", "my.key")},
        {"cat a_txt.___ a.txt", 0, coded + alpha},
        // FILE -: standard output carries the coded bytes alone, the reports go to standard error, and a
        // key file that is not there is made. Coded bytes go to a terminal only when the user insists.
        {"votrana code --key my.key a.txt - <a.txt", 0, coded, report(en.codingDone, "a_txt.___", "my.key")},
        {"votrana code --key new.KEY - <a.txt >new.___", 0, "",
         std::string(cli.keyFileMade) + folder.path("new.KEY") + "\n"},
        {"votrana decode --key=new.KEY - <new.___", 0, alpha},
        {"votrana code --key my.key -" + toTerminal, 1, "", "votrana: -: " + std::string(cli.notToTerminal) + "\n"},
        {"votrana code -f --key my.key -" + toTerminal, 0},
        // Any file that fails makes the status 1; the others are done.
        {"votrana code missing.txt -- --a.txt a.txt", 1, report(en.codingDone, "a_txt.___", "a_txt.KEY"),
         error(en, "missing.txt", en.noAssignedFile) + error(en, "--a.txt", en.noAssignedFile)},
        {"printf a >broken.___; votrana decode broken.___", 1, "", error(en, "broken.___", en.damagedCodedFile)},
        {"votrana decode --key my.key - <broken.___ >/dev/null", 1, "", error(en, "-", en.damagedCodedFile)},
        // A report that cannot be written is a failure, though the work is done.
        {"printf gamma >c; votrana code c >/dev/full", 1},
        {"printf delta >d; votrana code d >&-", 1},
        {"ls c____.___ d____.___ && cat c d", 0, "c____.___\nd____.___\ngammadelta"},
        // The language of LC_ALL, else of LC_MESSAGES, else of LANG.
        {"LANG=ja_JP.UTF-8 votrana code x", 1, "", error(ja, "x", ja.noAssignedFile)},
        {"LC_MESSAGES=ja_JP.UTF-8 LANG=C votrana code x", 1, "", error(ja, "x", ja.noAssignedFile)},
        {"LC_ALL=C LANG=ja_JP.UTF-8 votrana code x", 1, "", error(en, "x", en.noAssignedFile)},
        {"votrana --help", 0, std::string(cli.usage)},
        {"votrana --version", 0, "votrana " VOTRANA_VERSION "\n"},
    };
    for (const std::string wrong : {"votrana", "votrana frob", "votrana code", "votrana code a --key", "votrana code -",
                                    "votrana decode --key k - a -", "votrana code -k a",
                                    "votrana code a --key k --key=j", "LANG=ja_JP.UTF-8 votrana code"}) {
        const CliTexts& texts = cliTextsFor(wrong.starts_with("LANG"));
        std::istringstream in(wrong.substr(wrong.find("votrana") + 7));
        const CommandLine line = parseCommandLine(std::vector(std::istream_iterator<std::string>(in), {}));
        runs.push_back(
            {wrong, 2, "", "votrana: " + usageErrorText(texts, line) + "\n" + std::string(texts.tryHelp) + "\n"});
    }
    for (const ToolRun& expected : runs) {
        EXPECT_EQ(run(expected.command).result(), expected.result()) << expected.command;
    }
    ::close(terminal);
}

// A signal stops the work; the tool removes what it made, keeps every file of the user's, and says by
// its exit status which signal stopped it.
TEST_F(CliTest, SignalsStopTheToolAndLeaveTheFilesAsTheyWere)
{
    // 256 MiB of zeros code to a small file that takes long enough to decode to be caught at work.
    ASSERT_EQ(run("truncate -s 256M zeros.bin && votrana code zeros.bin").status, 0);
    writeFile(folder.path("zeros.bin"), bytesOf("an earlier file"));
    const std::vector<std::string> before = folder.names();
    const Bytes coded = readFile(folder.path("zeros_bin.___")).value();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t tool = start("votrana decode " + folder.path("zeros_bin.___") + " >/dev/null");
        for (int status = 0; !std::ranges::any_of(folder.names(), isTemporaryName);) {
            ASSERT_EQ(::waitpid(tool, &status, WNOHANG), 0) << "the tool ended before it was caught at work";
            ::usleep(1000);
        }
        ::kill(tool, signal);
        EXPECT_EQ(exitStatusOf(tool), 128 + signal);
        EXPECT_EQ(folder.names(), before);
        EXPECT_EQ(readFile(folder.path("zeros.bin")), bytesOf("an earlier file"));
        EXPECT_EQ(readFile(folder.path("zeros_bin.___")), coded);

        // A run that waits for input which never comes (a new terminal's master side) stops as well,
        // once its new key file is made.
        const pid_t waiting = start("votrana code --key " + outputs.path("new.KEY") + " - </dev/ptmx >/dev/null");
        while (!std::filesystem::exists(outputs.path("new.KEY"))) {
            ::usleep(1000);
        }
        ::kill(waiting, signal);
        EXPECT_EQ(exitStatusOf(waiting), 128 + signal);
        std::filesystem::remove(outputs.path("new.KEY"));
    }
    // Left alone, it decodes; the progress line is for a terminal, not for a file.
    EXPECT_EQ(run("votrana decode zeros_bin.___ >/dev/null").err, "");
}

// Codings and decodings of the same names at the same time never split a coded file from its key and
// never report a decoding that is not on disk.
TEST_F(CliTest, ParallelRunsOnTheSameNames)
{
    const Bytes source = sampleText(3 << 20);
    writeFile(folder.path("report.txt"), source);
    ASSERT_EQ(run("votrana code report.txt").status, 0);
    for (int round = 0; round < 8; ++round) {
        const pid_t first = start("votrana code report.txt");
        exitStatusOf(start(round % 2 ? "votrana code report.txt" : "votrana decode report_txt.___"));
        exitStatusOf(first);
        ASSERT_EQ(readFile(folder.path("report.txt")), source) << "round " << round;
        ASSERT_EQ(folder.names(), (std::vector<std::string>{"report.txt", "report_txt.KEY", "report_txt.___"}));
        ASSERT_EQ(run("votrana decode --key report_txt.KEY - <report_txt.___").out, textOf(source))
            << "round " << round;
    }
}

}  // namespace
}  // namespace votrana::testing
