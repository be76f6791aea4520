// The promises of the seam's Windows side that the commands' tests over a real folder do not reach:
// refusals, devices, wildcards, drives, and names in any script or beyond MAX_PATH.
#include "win32_machine.h"

#include "coding.h"
#include "decoding.h"
#include "scripted_person.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <filesystem>

namespace votrana {
namespace {

using testing::Bytes;
using testing::bytesOf;
using testing::pathOf;
using testing::readFile;
using testing::writeFile;

class Win32MachineTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    Win32Machine machine;
};

TEST_F(Win32MachineTest, RenameRefusesAnExistingTargetAndReplaceDoesNot)
{
    writeFile(folder.path("a"), bytesOf("a"));
    writeFile(folder.path("b"), bytesOf("b"));
    std::filesystem::create_directory(pathOf(folder.path("dir")));
    EXPECT_FALSE(machine.rename(folder.path("a"), folder.path("b")));
    EXPECT_FALSE(machine.rename(folder.path("a"), folder.path("dir")));
    EXPECT_FALSE(machine.replace(folder.path("a"), folder.path("dir")));
    EXPECT_EQ(readFile(folder.path("b")), bytesOf("b"));
    EXPECT_TRUE(machine.replace(folder.path("a"), folder.path("b")));
    EXPECT_EQ(readFile(folder.path("b")), bytesOf("a"));
    EXPECT_FALSE(machine.exists(folder.path("a")));
    EXPECT_TRUE(machine.rename(folder.path("b"), folder.path("c")));
    EXPECT_EQ(readFile(folder.path("c")), bytesOf("a"));
}

TEST_F(Win32MachineTest, OnlyFilesOnADiskOpen)
{
    std::filesystem::create_directory(pathOf(folder.path("dir")));
    EXPECT_TRUE(machine.exists(folder.path("dir")));
    EXPECT_EQ(machine.openForReading(folder.path("dir")), nullptr);
    EXPECT_EQ(machine.createNew(folder.path("dir")), nullptr);
    EXPECT_FALSE(machine.mayReplace(folder.path("dir")));
    EXPECT_EQ(machine.openForReading(folder.path("missing")), nullptr);
    EXPECT_EQ(machine.openForReading(""), nullptr);
    EXPECT_FALSE(machine.remove(folder.path("dir")));
    // A device has no length to code.
    EXPECT_EQ(machine.openForReading("NUL"), nullptr);
}

TEST_F(Win32MachineTest, WildcardsAreNoPattern)
{
    writeFile(folder.path("report.txt"), bytesOf("r"));
    EXPECT_TRUE(machine.exists(folder.path("report.txt")));
    EXPECT_FALSE(machine.exists(folder.path("rep*.txt")));
    EXPECT_FALSE(machine.exists(folder.path("report.tx?")));
    EXPECT_FALSE(machine.exists(""));
}

TEST_F(Win32MachineTest, AFileReadsBackWhatWasWrittenAndKeepsItsLength)
{
    const Bytes bytes = bytesOf("0123456789");
    const std::unique_ptr<File> file = machine.createNew(folder.path("f"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->write(bytes));
    EXPECT_EQ(file->size(), 10U);
    EXPECT_EQ(machine.createNew(folder.path("f")), nullptr);
    ASSERT_TRUE(file->seek(4));
    EXPECT_TRUE(file->write(bytesOf("ab")));
    ASSERT_TRUE(file->seek(0));
    Bytes read(16);
    EXPECT_EQ(file->read(read), 10U);
    EXPECT_EQ(file->read(read), 0U);
    EXPECT_TRUE(file->sync() && file->close());
    EXPECT_EQ(readFile(folder.path("f")), bytesOf("0123ab6789"));
    EXPECT_TRUE(machine.mayReplace(folder.path("f")));
    SetFileAttributesW(fileApiPath(folder.path("f")).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(machine.mayReplace(folder.path("f")));
    SetFileAttributesW(fileApiPath(folder.path("f")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32MachineTest, TheTemporaryFolderIsOnAFixedDriveWithFreeSpace)
{
    const std::string root = machine.driveRoot(folder.path("f"));
    ASSERT_EQ(root.size(), 3U) << root;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(root[0]))) << root;
    EXPECT_EQ(root.substr(1), ":\\");
    EXPECT_EQ(machine.driveType(root), DriveType::fixed);
    EXPECT_GT(machine.freeSpace(root).value_or(0), 0U);
    EXPECT_EQ(machine.freeSpace(""), std::nullopt);
    EXPECT_EQ(machine.driveType(""), DriveType::other);
}

TEST(Win32FileApiPath, LongFullPathsGetTheExtendedPrefix)
{
    EXPECT_EQ(fileApiPath(R"(C:\data\report.txt)"), LR"(C:\data\report.txt)");
    const std::string longName(300, 'x');
    EXPECT_EQ(fileApiPath(R"(C:\data\)" + longName), LR"(\\?\C:\data\)" + std::wstring(300, L'x'));
    EXPECT_EQ(fileApiPath(R"(\\server\share\)" + longName), LR"(\\?\UNC\server\share\)" + std::wstring(300, L'x'));
    EXPECT_EQ(fileApiPath(R"(\\?\C:\)" + longName), LR"(\\?\C:\)" + std::wstring(300, L'x'));
}

// The whole of Coding and Decoding over the real files, for names that the ANSI functions could not
// reach: Japanese, and a path beyond MAX_PATH.
class Win32RoundTripTest : public ::testing::Test {
protected:
    void roundTrip(const std::string& stem)
    {
        const Bytes source = bytesOf("A file with a name in another script, or a very long one.\n");
        writeFile(folder.path(stem + ".txt"), source);

        person.choose(folder.path(stem + ".txt"));
        person.useApplicationKey();
        runCoding(platform, state);
        ASSERT_EQ(person.messages.size(), 1U);
        EXPECT_EQ(person.messages.back().icon, MessageIcon::information) << person.messages.back().text;
        EXPECT_TRUE(machine.exists(folder.path(stem + "_txt.___")));
        EXPECT_TRUE(machine.exists(folder.path(stem + "_txt.KEY")));

        std::filesystem::remove(pathOf(folder.path(stem + ".txt")));
        person.choose(folder.path(stem + "_txt.___"));
        person.useApplicationKey();
        runDecoding(platform, state);
        ASSERT_EQ(person.messages.size(), 2U);
        EXPECT_EQ(person.messages.back().icon, MessageIcon::information) << person.messages.back().text;
        EXPECT_EQ(readFile(folder.path(stem + ".txt")), source);
        EXPECT_EQ(folder.names().size(), 3U);
    }

    testing::TempFolder folder;
    testing::ScriptedPerson person;
    Win32Machine machine;
    Platform platform{person, machine};
    OperationsState state;
};

TEST_F(Win32RoundTripTest, AJapaneseName)
{
    roundTrip("報告書");
}

TEST_F(Win32RoundTripTest, ANameBeyondMaxPath)
{
    const std::string stem(240, 'n');
    ASSERT_GT(folder.path(stem).size(), 260U);
    roundTrip(stem);
}

}  // namespace
}  // namespace votrana
