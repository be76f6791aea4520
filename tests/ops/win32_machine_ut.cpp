// The promises of the seam's Windows side that the commands' tests over a real folder do not reach:
// refusals, devices, wildcards, drives, and names in any script or beyond MAX_PATH.
#include "win32_machine.h"

#include "command_fixture.h"

#include <windows.h>

#include <cctype>
#include <filesystem>

namespace votrana::testing {
namespace {

class Win32MachineTest : public ::testing::Test {
protected:
    std::string at(const char* name) const { return folder.path(name); }

    TempFolder folder;
    Win32Machine machine;
};

// Only a file on a disk opens; a new file never opens what has its name; a rename never takes a name
// that is there, a replacement only a file's; a wildcard is no pattern.
TEST_F(Win32MachineTest, KeepsWhatHasAName)
{
    writeFile(at("a"), bytesOf("a"));
    writeFile(at("b"), bytesOf("b"));
    std::filesystem::create_directory(pathOf(at("dir")));
    for (const std::string path : {at("dir"), at("missing"), std::string(), std::string("NUL")}) {
        EXPECT_EQ(machine.openForReading(path), nullptr) << path;
    }
    EXPECT_EQ(machine.createNew(at("dir")), nullptr);
    EXPECT_EQ(machine.createNew(at("b")), nullptr);
    EXPECT_FALSE(machine.mayReplace(at("dir")));
    EXPECT_FALSE(machine.remove(at("dir")));
    EXPECT_FALSE(machine.rename(at("a"), at("b")));
    EXPECT_FALSE(machine.rename(at("a"), at("dir")));
    EXPECT_FALSE(machine.replace(at("a"), at("dir")));
    EXPECT_EQ(readFile(at("b")), bytesOf("b"));
    EXPECT_TRUE(machine.exists(at("dir")) && machine.exists(at("a")));
    EXPECT_FALSE(machine.exists(at("?")) || machine.exists(at("*")) || machine.exists(""));
    EXPECT_TRUE(machine.replace(at("a"), at("b")) && machine.rename(at("b"), at("c")));
    EXPECT_EQ(readFile(at("c")), bytesOf("a"));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"c", "dir"}));
}

TEST_F(Win32MachineTest, AFileReadsBackWhatWasWrittenAndMayBeReadOnly)
{
    const std::unique_ptr<File> file = machine.createNew(at("f"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->write(bytesOf("0123456789")) && file->seek(4) && file->write(bytesOf("ab")));
    EXPECT_EQ(file->size(), 10U);
    Bytes read(16);
    EXPECT_TRUE(file->seek(0));
    EXPECT_EQ(file->read(read), 10U);
    EXPECT_EQ(file->read(read), 0U);
    EXPECT_TRUE(file->sync() && file->close());
    EXPECT_EQ(readFile(at("f")), bytesOf("0123ab6789"));
    EXPECT_TRUE(machine.mayReplace(at("f")));
    SetFileAttributesW(fileApiPath(at("f")).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(machine.mayReplace(at("f")));
    SetFileAttributesW(fileApiPath(at("f")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32MachineTest, TheTemporaryFolderIsOnAFixedDriveWithFreeSpace)
{
    const std::string root = machine.driveRoot(at("f"));
    ASSERT_EQ(root.size(), 3U) << root;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(root[0])) && root.substr(1) == ":\\") << root;
    EXPECT_EQ(machine.driveType(root), DriveType::fixed);
    EXPECT_GT(machine.freeSpace(root).value_or(0), 0U);
    EXPECT_EQ(machine.freeSpace(""), std::nullopt);
    EXPECT_EQ(machine.driveType(""), DriveType::other);
}

TEST(Win32FileApiPath, LongFullPathsGetTheExtendedPrefix)
{
    const std::string name(300, 'x');
    const std::wstring wide(300, L'x');
    EXPECT_EQ(fileApiPath(R"(C:\data\report.txt)"), LR"(C:\data\report.txt)");
    EXPECT_EQ(fileApiPath(R"(C:\data\)" + name), LR"(\\?\C:\data\)" + wide);
    EXPECT_EQ(fileApiPath(R"(\\server\share\)" + name), LR"(\\?\UNC\server\share\)" + wide);
    EXPECT_EQ(fileApiPath(R"(\\?\C:\)" + name), LR"(\\?\C:\)" + wide);
}

// The whole of Coding and Decoding over the real files, for names that the ANSI functions could not
// reach: Japanese, and a path beyond MAX_PATH.
TEST_F(CommandFixture, RoundTripsOfNamesInAnotherScriptOrBeyondMaxPath)
{
    for (const std::string stem : {std::string("報告書"), std::string(240, 'n')}) {
        const std::string path = folder.path(stem + ".txt");
        writeFile(path, source);
        run(false, path);
        std::filesystem::remove(pathOf(path));
        run(true, codedFilePathFor(path, machine.pathStyle()));
        EXPECT_TRUE(succeeded());
        EXPECT_EQ(readFile(path), source);
        EXPECT_EQ(folder.names().size(), 3U);
        lay({});
    }
}

}  // namespace
}  // namespace votrana::testing
