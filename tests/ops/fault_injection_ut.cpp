// Every file operation of a command is made to fail in turn, the first, then the second, and so on
// until a run gets through; in a second round the disk fills up at each write in turn; in a third the
// process is as if killed after each operation in turn, with no clean-up at all, and in a fourth the
// power fails there too, emptying every file written since it was last synced. A failed run must
// leave the files exactly as they were, and report no success. A killed run may leave its own
// temporary files, but every file of the user's, and every earlier or new coded file with its key,
// must be whole under some name, and no coded file may stand beside a key that does not decode it.
#include "coding.h"
#include "decoding.h"

#include "command_fixture.h"
#include "key_table.h"
#include "lzw_codec.h"
#include "temporary_file.h"

#include <filesystem>
#include <functional>
#include <map>

namespace votrana::testing {
namespace {

using Files = std::map<std::string, Bytes>;

enum class Fault { failingOperation, diskFull, kill, powerLoss };

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
            std::filesystem::remove(pathOf(folder.path(name)));
        }
        for (const auto& [name, bytes] : files) {
            writeFile(folder.path(name), bytes);
        }
    }

    // Runs `command` over `before` with each fault in turn. After a failed run the files must be as
    // before; after a kill `checkKilled` sees them, less the temporary files; after the run that got
    // through, `checkDone` does. Returns how many runs were made.
    int everyFault(const Files& before, const std::function<void()>& command,
                   const std::function<void(const Files&)>& checkKilled,
                   const std::function<void(const Files&)>& checkDone)
    {
        int runs = 0;
        for (const Fault fault : {Fault::failingOperation, Fault::diskFull, Fault::kill, Fault::powerLoss}) {
            const bool killed = fault == Fault::kill || fault == Fault::powerLoss;
            for (std::uint64_t n = 1;; ++n, ++runs) {
                SCOPED_TRACE("fault " + std::to_string(static_cast<int>(fault)) + " at " + std::to_string(n));
                lay(before);
                person = ScriptedPerson();
                machine.failed = false;
                machine.operations = machine.writes = 0;
                machine.failOperation = fault == Fault::failingOperation ? n : 0;
                machine.failWritesFrom = fault == Fault::diskFull ? n : 0;
                machine.dieAfter = killed ? n : 0;
                machine.unsynced.clear();
                command();
                machine.dieAfter = 0;
                if (fault == Fault::powerLoss && machine.failed) {
                    loseUnsyncedWrites();
                }
                const Files after = userFiles();
                if (!machine.failed || (!killed && succeeded())) {
                    // Only a fault after the files took their names may go unreported.
                    EXPECT_TRUE(succeeded());
                    checkDone(after);
                    if (!machine.failed) {
                        break;
                    }
                } else if (killed) {
                    checkKilled(after);
                } else {
                    EXPECT_FALSE(person.messages.empty());
                    EXPECT_NE(outcome, CommandOutcome::cancelled);
                    for (const Message& message : person.messages) {
                        EXPECT_EQ(message.icon, MessageIcon::error);
                    }
                    EXPECT_EQ(filesNow(), before);
                    EXPECT_EQ(person.cursors.empty() ? Cursor::arrow : person.cursors.back(), Cursor::arrow);
                }
                if (::testing::Test::HasFailure()) {
                    return runs;
                }
            }
        }
        return runs;
    }

    // The files but the command's own temporaries, which are all it may leave besides.
    Files userFiles() const
    {
        Files files = filesNow();
        std::erase_if(files, [](const auto& file) { return isTemporaryName(file.first); });
        return files;
    }

    void loseUnsyncedWrites()
    {
        for (const std::string& name : folder.names()) {
            const std::optional<FileIdentity> identity = machine.identity(folder.path(name));
            if (identity && machine.unsynced.contains({identity->device, identity->node})) {
                std::filesystem::resize_file(pathOf(folder.path(name)), 0);
            }
        }
    }

    bool anyFileHolds(const Bytes& bytes) const
    {
        for (const auto& [name, held] : filesNow()) {
            if (held == bytes) {
                return true;
            }
        }
        return false;
    }

    // The coded file and the key file in place, both whole, decode to the source.
    bool wholePairInPlace(const Files& files) const
    {
        if (!files.contains("report_txt.___") || !files.contains("report_txt.KEY") ||
            !checkKeyFile(files.at("report_txt.KEY"), KeyDirection::decoding)) {
            return false;
        }
        KeyTables tables;
        loadKeyHalf(tables, files.at("report_txt.KEY"), KeyDirection::decoding);
        DecodedBytes decoded = decompressBytes(files.at("report_txt.___"));
        substitute(decoded.bytes, tables.inverseTable);
        return decoded.result == CodecResult::done && decoded.bytes == source;
    }

    // A coded file and a key file in place belong together; a file left empty by a power loss is
    // refused when it is used, and splits nothing.
    void expectNoSplitPair(const Files& files) const
    {
        const auto present = [&](const char* name) { return files.contains(name) && !files.at(name).empty(); };
        if (present("report_txt.___") && present("report_txt.KEY")) {
            EXPECT_TRUE(wholePairInPlace(files));
        }
    }

    const Bytes source = sampleText(200000);
};

TEST_F(FaultInjectionTest, CodingAndCodingAgain)
{
    for (const bool again : {false, true}) {
        writeFile(folder.path("report.txt"), source);
        if (again) {
            code("report.txt");
        }
        const Files before = filesNow();
        const int runs = everyFault(
            before, [&] { code("report.txt"); },
            [&](const Files& files) {
                EXPECT_EQ(files.at("report.txt"), source);
                expectNoSplitPair(files);
                // The earlier pair stays whole somewhere until the new pair has both names.
                if (again && !wholePairInPlace(files)) {
                    EXPECT_TRUE(anyFileHolds(before.at("report_txt.___")));
                    EXPECT_TRUE(anyFileHolds(before.at("report_txt.KEY")));
                }
            },
            [&](const Files& files) {
                EXPECT_EQ(files.size(), 3u);
                EXPECT_TRUE(wholePairInPlace(files));
            });
        EXPECT_GT(runs, 50);
    }
}

TEST_F(FaultInjectionTest, CodingWithAUserKey)
{
    writeFile(folder.path("report.txt"), source);
    writeFile(folder.path("my.key"), identityKeyFile());
    code("report.txt");
    std::filesystem::remove(pathOf(folder.path("report_txt.KEY")));
    const Files before = filesNow();
    everyFault(
        before,
        [&] {
            person.choose(folder.path("report.txt"));
            person.useUserKey(folder.path("my.key"));
            outcome = runCoding(platform, state);
        },
        [&](const Files& files) {
            EXPECT_EQ(files.at("report.txt"), source);
            EXPECT_EQ(files.at("my.key"), identityKeyFile());
            EXPECT_TRUE(files.at("report_txt.___") == before.at("report_txt.___") ||
                        files.at("report_txt.___") == compressBytes(source));
        },
        [&](const Files& files) { EXPECT_EQ(files.at("report_txt.___"), compressBytes(source)); });
}

TEST_F(FaultInjectionTest, DecodingKeepsTheCodedFileAndAnyFileOfTheDecodedName)
{
    writeFile(folder.path("report.txt"), source);
    code("report.txt");
    writeFile(folder.path("report.txt"), bytesOf("an older report"));
    const Files before = filesNow();
    everyFault(
        before, [&] { decode("report_txt.___"); },
        [&](const Files& files) {
            EXPECT_EQ(files.at("report_txt.___"), before.at("report_txt.___"));
            EXPECT_EQ(files.at("report_txt.KEY"), before.at("report_txt.KEY"));
            EXPECT_TRUE(files.at("report.txt") == before.at("report.txt") || files.at("report.txt") == source);
        },
        [&](const Files& files) {
            Files expected = before;
            expected["report.txt"] = source;
            EXPECT_EQ(files, expected);
        });
}

// A stop that the person asks for ends a command at the next block, silently, as a refusal does.
TEST_F(FaultInjectionTest, AStopLeavesTheFilesAsTheyWere)
{
    writeFile(folder.path("report.txt"), source);
    code("report.txt");
    for (const bool decoding : {false, true}) {
        writeFile(folder.path("report.txt"), decoding ? bytesOf("an older report") : source);
        const Files before = filesNow();
        person = ScriptedPerson();
        person.stopAtProgressReport = 1;
        decoding ? decode("report_txt.___") : code("report.txt");
        EXPECT_TRUE(person.messages.empty());
        EXPECT_EQ(outcome, CommandOutcome::cancelled);
        EXPECT_EQ(person.progressReports, 1);
        EXPECT_EQ(filesNow(), before);
    }
}

}  // namespace
}  // namespace votrana::testing
