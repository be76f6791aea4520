// The parts of the command-line tool that the runs of the binary do not reach: the corners of its
// command line and the progress line, which it shows only on a terminal.
#include "command_line.h"
#include "console_person.h"
#include "key_file_choice.h"

#include <gtest/gtest.h>

#include <sstream>

namespace votrana {
namespace {

CommandLine parse(std::vector<std::string> arguments)
{
    return parseCommandLine(arguments);
}

TEST(CommandLine, FilesAndKeyInAnyOrder)
{
    const CommandLine line = parse({"decode", "a.___", "--key", "k.key", "b.___", "--", "--odd.___", "-"});
    EXPECT_EQ(line.error, UsageError::none);
    EXPECT_EQ(line.action, CommandLine::Action::decode);
    EXPECT_EQ(line.files, (std::vector<std::string>{"a.___", "b.___", "--odd.___", "-"}));
    EXPECT_EQ(line.keyFile, "k.key");
    EXPECT_EQ(parse({"code", "--key=", "a"}).keyFile, "");
    EXPECT_EQ(parse({"code", "a"}).keyFile, std::nullopt);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::version);
    EXPECT_EQ(parse({"code", "a", "--help"}).action, CommandLine::Action::help);
    EXPECT_EQ(parse({"code", "a", "--key", "k", "--key=j"}).error, UsageError::keyTwice);
    EXPECT_EQ(parse({"code", "-k", "a"}).error, UsageError::unknownOption);
    EXPECT_TRUE(parse({"code", "--key", "k", "-f", "-"}).force);
}

TEST(ConsolePerson, AnswersTheDialogsAndPrintsTheMessages)
{
    std::ostringstream out, err;
    ConsolePerson person(out, err, cliTextsFor(false), true);
    person.prepare("r.txt", "/d/r.txt", std::string("/d/k.key"));
    EXPECT_EQ(person.chooseFile({}).path, "/d/r.txt");
    KeyFileChoice choice;
    EXPECT_EQ(person.showKeyFileDialog(choice), KeyDialogResult::ok);
    EXPECT_TRUE(choice.useUserKey);
    EXPECT_EQ(choice.keyFilePath, "/d/k.key");

    constexpr std::uint64_t total = std::uint64_t{100} << 20;
    person.showProgress(WorkStage::coding, total / 2, total);
    person.showProgress(WorkStage::coding, total / 2 + 1, total);
    person.showMessage({"Done.", "Information", MessageIcon::information});
    EXPECT_EQ(out.str(), "Done.\n");
    EXPECT_EQ(err.str(), "\rvotrana: r.txt: coding 50%\r\033[K");

    person.prepare("s.txt", "/d/s.txt", std::nullopt);
    person.showProgress(WorkStage::decoding, 1, 64 << 20);
    person.showMessage({"Bad.", "Error", MessageIcon::error});
    EXPECT_EQ(person.showKeyFileDialog(choice), KeyDialogResult::ok);
    EXPECT_FALSE(choice.useUserKey);
    EXPECT_EQ(err.str(), "\rvotrana: r.txt: coding 50%\r\033[Kvotrana: s.txt: Error: Bad.\n");
}

}  // namespace
}  // namespace votrana
