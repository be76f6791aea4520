// Every file operation of a command is made to fail in turn, the first, then the second, and so on
// until a run gets through, and in a second round the disk fills up at each write in turn. After every
// failed run nothing may have been reported as done, and the files must be as they were.
#include "coding.h"
#include "decoding.h"

#include "command_fixture.h"

#include <filesystem>
#include <functional>
#include <map>

namespace votrana::testing {
namespace {

using Files = std::map<std::string, Bytes>;

class FaultInjectionTest : public CommandFixture {
protected:
    Files filesNow() const
    {
        Files files;
        for (const std::string& name : folder.names()) {
            files[name] = readFile(folder.path(name)).value();
        }
        return files;
    }

    void lay(const Files& files)
    {
        for (const std::string& name : folder.names()) {
            std::filesystem::remove(folder.path(name));
        }
        for (const auto& [name, bytes] : files) {
            writeFile(folder.path(name), bytes);
        }
    }

    // Runs `command` over `before` with each fault in turn; `checkFailed` sees the files after each
    // failed run. Returns the files of the run that got through.
    Files everyFault(const Files& before, const std::function<void()>& command,
                     const std::function<void(const Files&)>& checkFailed)
    {
        Files after;
        for (const bool diskFull : {false, true}) {
            for (std::uint64_t n = 1;; ++n) {
                SCOPED_TRACE((diskFull ? "disk full from write " : "failing operation ") + std::to_string(n));
                lay(before);
                person = ScriptedPerson();
                machine.failed = false;
                machine.operations = machine.writes = 0;
                machine.failOperation = diskFull ? 0 : n;
                machine.failWritesFrom = diskFull ? n : 0;
                command();
                after = filesNow();
                if (!machine.failed) {
                    EXPECT_TRUE(succeeded());
                    EXPECT_GT(n, 1u);
                    break;
                }
                EXPECT_FALSE(person.messages.empty());
                for (const Message& message : person.messages) {
                    EXPECT_EQ(message.icon, MessageIcon::error);
                }
                checkFailed(after);
                EXPECT_EQ(person.cursors.empty() ? Cursor::arrow : person.cursors.back(), Cursor::arrow);
                if (::testing::Test::HasFailure()) {
                    return after;
                }
            }
        }
        return after;
    }

    const Bytes source = sampleText(200000);
};

TEST_F(FaultInjectionTest, CodingLeavesNoFileOfItsOwn)
{
    const Files before{{"report.txt", source}};
    const Files after = everyFault(
        before, [&] { code("report.txt"); }, [&](const Files& files) { EXPECT_EQ(files, before); });
    EXPECT_EQ(after.size(), 3u);
}

TEST_F(FaultInjectionTest, CodingWithAUserKeyLeavesNoFileOfItsOwn)
{
    const Files before{{"report.txt", source}, {"my.key", identityKeyFile()}};
    everyFault(
        before,
        [&] {
            person.choose(folder.path("report.txt"));
            person.useUserKey(folder.path("my.key"));
            runCoding(platform, state);
        },
        [&](const Files& files) { EXPECT_EQ(files, before); });
}

// An earlier coded file may go, but never stays beside a key file that does not decode it.
TEST_F(FaultInjectionTest, CodingAgainNeverSplitsACodedFileFromItsKey)
{
    writeFile(folder.path("report.txt"), source);
    code("report.txt");
    const Files before = filesNow();
    everyFault(
        before, [&] { code("report.txt"); },
        [&](const Files& files) {
            EXPECT_EQ(files.at("report.txt"), source);
            for (const auto& [name, bytes] : files) {
                EXPECT_TRUE(before.contains(name) && before.at(name) == bytes) << name;
            }
            if (files.contains("report_txt.___")) {
                EXPECT_TRUE(files.contains("report_txt.KEY"));
            }
        });
}

TEST_F(FaultInjectionTest, DecodingKeepsTheCodedFileAndAnyFileOfTheDecodedName)
{
    writeFile(folder.path("report.txt"), source);
    code("report.txt");
    writeFile(folder.path("report.txt"), bytesOf("an older report"));
    const Files before = filesNow();
    const Files after = everyFault(
        before, [&] { decode("report_txt.___"); },
        [&](const Files& files) {
            // When not even the name of the coded file can be given back, it is kept whole under the
            // temporary name, and the person is told so.
            Files expected = before;
            if (files.contains("report_txt.!!!")) {
                expected["report_txt.!!!"] = expected.extract("report_txt.___").mapped();
                EXPECT_EQ(person.messages.back().text, "Unable to rename the coded file for decoding.");
            }
            EXPECT_EQ(files, expected);
        });
    EXPECT_EQ(after.at("report.txt"), source);
}

}  // namespace
}  // namespace votrana::testing
