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

namespace votrana::testing {
namespace {

class FaultInjectionTest : public CommandFixture {
protected:
    // Runs `command` over `before` with each fault in turn. After a failed run the files must be as
    // before; `check` sees them, less the temporary files, after a kill and after the run that got
    // through.
    void everyFault(const Files& before, const std::function<void()>& command,
                    const std::function<void(const Files&, bool killed)>& check)
    {
        for (const int fault : {0, 1, 2, 3}) {  // a failing operation, a full disk, a kill, a power loss
            const bool killed = fault >= 2;
            std::uint64_t n = 1;
            for (; !::testing::Test::HasFailure(); ++n) {
                SCOPED_TRACE("fault " + std::to_string(fault) + " at " + std::to_string(n));
                lay(before);
                person = ScriptedPerson();
                machine.failed = false;
                machine.operations = machine.writes = 0;
                machine.unsynced.clear();
                machine.failOperation = fault == 0 ? n : 0;
                machine.failWritesFrom = fault == 1 ? n : 0;
                machine.dieAfter = killed ? n : 0;
                command();
                machine.dieAfter = 0;
                if (fault == 3 && machine.failed) {
                    loseUnsyncedWrites();
                }
                if (!machine.failed || (!killed && succeeded())) {
                    // Only a fault after the files took their names may go unreported.
                    EXPECT_TRUE(succeeded());
                    check(filesNow(false), false);
                    if (!machine.failed) {
                        break;
                    }
                } else if (killed) {
                    check(filesNow(false), true);
                } else {
                    EXPECT_NE(outcome, CommandOutcome::cancelled);
                    EXPECT_FALSE(person.messages.empty());
                    for (const Message& message : person.messages) {
                        EXPECT_EQ(message.icon, MessageIcon::error);
                    }
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
        everyFault(
            before, [&] { code(run == 2 ? keyPath : ""); },
            [&](const Files& files, bool killed) {
                EXPECT_EQ(files.at(reportPath), source);
                EXPECT_TRUE(run < 2 || files.at(keyPath) == before.at(keyPath));
                const bool newPair = wholePairInPlace(files);
                EXPECT_TRUE(killed || (newPair && files.size() == 3u));
                // A coded file and a key file in place belong together; a file left empty by a power
                // loss is refused when it is used, and splits nothing.
                const auto present = [&](const std::string& path) {
                    return files.contains(path) && !files.at(path)->empty();
                };
                EXPECT_TRUE(newPair || !present(codedPath) || !present(keyPath));
                // The earlier pair stays whole somewhere until the new pair has both names.
                EXPECT_TRUE(newPair || run == 0 ||
                            (anyFileHolds(before.at(codedPath)) && anyFileHolds(before.at(keyPath))));
            });
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
        before, [&] { decode(); },
        [&](const Files& files, bool killed) { EXPECT_TRUE(files == decoded || (killed && files == before)); });
}

}  // namespace
}  // namespace votrana::testing
