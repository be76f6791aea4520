// Every file operation of a command is made to fail in turn, the first, then the second, and so on
// until a run gets through; in a second round the disk fills up at each write in turn; in a third the
// process is as if killed after each operation in turn, with no clean-up at all, and in a fourth the
// power fails there too, emptying every file written since it was last synced. A failed run must
// leave the files exactly as they were, and report no success. A killed run may leave its own
// temporary files, but every file of the user's, and every earlier or new coded file with its key,
// must be whole under some name, and no coded file may stand beside a key that does not decode it.
#include "command_fixture.h"
#include "key_table.h"
#include "lzw_codec.h"

#include <algorithm>

namespace votrana::testing {
namespace {

enum class Fault { failingOperation, diskFull, kill, powerLoss };

class FaultInjectionTest : public CommandFixture {
protected:
    // Runs `command` over `before` with each fault in turn. After a failed run the files must be as
    // before; after a kill `checkKilled` sees them, less the temporary files; after the run that got
    // through, `checkDone` does.
    void everyFault(const Files& before, const std::function<void()>& command,
                    const std::function<void(const Files&)>& checkKilled,
                    const std::function<void(const Files&)>& checkDone)
    {
        for (const Fault fault : {Fault::failingOperation, Fault::diskFull, Fault::kill, Fault::powerLoss}) {
            const bool killed = fault == Fault::kill || fault == Fault::powerLoss;
            std::uint64_t n = 1;
            for (; !::testing::Test::HasFailure(); ++n) {
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
                const Files after = filesNow(false);
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
                    EXPECT_NE(outcome, CommandOutcome::cancelled);
                    EXPECT_FALSE(person.messages.empty());
                    EXPECT_TRUE(std::ranges::all_of(
                        person.messages, [](const Message& message) { return message.icon == MessageIcon::error; }));
                    EXPECT_EQ(filesNow(), before);
                    EXPECT_EQ(person.cursors.empty() ? Cursor::arrow : person.cursors.back(), Cursor::arrow);
                }
            }
            EXPECT_GT(n, 1u);  // the fault met the command
        }
    }

    void loseUnsyncedWrites()
    {
        for (const auto& [path, bytes] : filesNow()) {
            const std::optional<FileIdentity> identity = machine.identity(path);
            if (identity && machine.unsynced.contains({identity->device, identity->node})) {
                std::filesystem::resize_file(pathOf(path), 0);
            }
        }
    }

    bool anyFileHolds(const std::optional<Bytes>& bytes) const
    {
        return std::ranges::any_of(filesNow(), [&](const auto& file) { return file.second == bytes; });
    }

    // The coded file and the key file in place, both whole, decode to the source.
    bool wholePairInPlace(const Files& files) const
    {
        const std::optional<Bytes> key = files.contains(keyPath) ? files.at(keyPath) : std::nullopt;
        if (!files.contains(codedPath) || !key || !checkKeyFile(*key, KeyDirection::decoding)) {
            return false;
        }
        KeyTables tables;
        loadKeyHalf(tables, *key, KeyDirection::decoding);
        DecodedBytes decoded = decompressBytes(files.at(codedPath).value());
        substitute(decoded.bytes, tables.inverseTable);
        return decoded.result == CodecResult::done && decoded.bytes == source;
    }
};

// Coding a file for the first time, again with a new generated key, and again with the person's own
// key file, which is the earlier key file itself.
TEST_F(FaultInjectionTest, Coding)
{
    writeFile(reportPath, source);
    for (const int run : {0, 1, 2}) {
        if (run == 1) {
            code();
        }
        const Files before = filesNow();
        const auto check = [&](const Files& files, bool killed) {
            EXPECT_EQ(files.at(reportPath), source);
            EXPECT_TRUE(run < 2 || files.at(keyPath) == before.at(keyPath));
            if (!killed) {
                EXPECT_EQ(files.size(), 3u);
                EXPECT_TRUE(wholePairInPlace(files));
                return;
            }
            // A coded file and a key file in place belong together; a file left empty by a power
            // loss is refused when it is used, and splits nothing.
            const auto present = [&](const std::string& path) {
                return files.contains(path) && !files.at(path)->empty();
            };
            if (present(codedPath) && present(keyPath)) {
                EXPECT_TRUE(wholePairInPlace(files));
            }
            // The earlier pair stays whole somewhere until the new pair has both names.
            if (run > 0 && !wholePairInPlace(files)) {
                EXPECT_TRUE(anyFileHolds(before.at(codedPath)) && anyFileHolds(before.at(keyPath)));
            }
        };
        everyFault(
            before, [&] { code(run == 2 ? keyPath : ""); }, [&](const Files& files) { check(files, true); },
            [&](const Files& files) { check(files, false); });
    }
}

TEST_F(FaultInjectionTest, DecodingKeepsTheCodedFileAndAnyFileOfTheDecodedName)
{
    writeFile(reportPath, source);
    code();
    writeFile(reportPath, bytesOf("an older report"));
    const Files before = filesNow();
    Files decoded = before;
    decoded[reportPath] = source;
    everyFault(
        before, [&] { decode(); }, [&](const Files& files) { EXPECT_TRUE(files == before || files == decoded); },
        [&](const Files& files) { EXPECT_EQ(files, decoded); });
}

// A stop that the person asks for ends a command at the next block, silently, as a refusal does.
TEST_F(FaultInjectionTest, AStopLeavesTheFilesAsTheyWere)
{
    writeFile(reportPath, source);
    code();
    for (const bool decoding : {false, true}) {
        writeFile(reportPath, decoding ? bytesOf("an older report") : source);
        const Files before = filesNow();
        person = ScriptedPerson();
        person.stopAtReport = 1;
        decoding ? decode() : code();
        EXPECT_TRUE(person.messages.empty());
        EXPECT_EQ(outcome, CommandOutcome::cancelled);
        EXPECT_EQ(person.stages.size(), 1u);
        EXPECT_EQ(filesNow(), before);
    }
}

}  // namespace
}  // namespace votrana::testing
