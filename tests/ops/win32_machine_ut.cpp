// The promises of the seam's Windows side that the commands' tests over a real folder do not reach:
// devices, wildcards, drives, a name that is taken, and names in any script or beyond MAX_PATH.
#include "win32_machine.h"

#include "command_fixture.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>

namespace votrana::testing {
namespace {

TEST(Win32Machine, KeepsWhatHasANameAndFindsNoPattern)
{
    TempFolder folder;
    Win32Machine machine;
    writeFile(folder.path("a"), bytesOf("a"));
    writeFile(folder.path("b"), bytesOf("b"));
    EXPECT_EQ(machine.createNew(folder.path("b")), nullptr);
    EXPECT_FALSE(machine.rename(folder.path("a"), folder.path("b")));
    EXPECT_EQ(readFile(folder.path("b")), bytesOf("b"));
    EXPECT_EQ(machine.openForReading("NUL"), nullptr);  // a device has no length to code
    EXPECT_FALSE(machine.exists(folder.path("?")) || machine.exists(folder.path("*")) || machine.exists(""));
    const std::string root = machine.driveRoot(folder.path("a"));
    EXPECT_TRUE(root.size() == 3 && std::isupper(static_cast<unsigned char>(root[0])) && root.ends_with(":\\"));
    EXPECT_EQ(machine.driveType(root), DriveType::fixed);
    EXPECT_GT(machine.freeSpace(root).value_or(0), 0U);
    EXPECT_EQ(machine.freeSpace(""), std::nullopt);
    EXPECT_EQ(machine.driveType(""), DriveType::other);
    if (const char* removable = std::getenv("VOTRANA_REMOVABLE_DISK")) {  // Wine's prefix has one
        EXPECT_EQ(machine.driveType(removable), DriveType::removable);
    }
}

// The whole of Coding and Decoding over the real files, for names that the ANSI functions could not
// reach: Japanese, and a path beyond MAX_PATH.
TEST_F(CommandFixture, RoundTripsOfNamesInAnotherScriptOrBeyondMaxPath)
{
    for (const std::string& stem : {std::string("報告書"), std::string(240, 'n')}) {
        const std::string path = folder.path(stem + ".txt");
        writeFile(path, source);
        run(false, path);
        std::filesystem::remove(pathOf(path));
        run(true, codedFilePathFor(path, machine.pathStyle()));
        EXPECT_TRUE(succeeded());
        EXPECT_EQ(readFile(path), source);
        lay({});
    }
}

}  // namespace
}  // namespace votrana::testing
