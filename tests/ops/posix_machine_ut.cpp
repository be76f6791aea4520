// The promises of the seam that the commands' tests over a real folder do not reach.
#include "posix_machine.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace votrana {
namespace {

using testing::Bytes;

class PosixMachineTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    PosixMachine machine;
};

TEST_F(PosixMachineTest, RenameRefusesAnExistingTargetAndReplaceDoesNot)
{
    testing::writeFile(folder.path("a"), testing::bytesOf("a"));
    testing::writeFile(folder.path("b"), testing::bytesOf("b"));
    std::filesystem::create_directory(folder.path("dir"));
    EXPECT_FALSE(machine.rename(folder.path("a"), folder.path("b")));
    EXPECT_FALSE(machine.replace(folder.path("a"), folder.path("dir")));
    EXPECT_EQ(testing::readFile(folder.path("b")), testing::bytesOf("b"));
    EXPECT_TRUE(machine.replace(folder.path("a"), folder.path("b")));
    EXPECT_EQ(testing::readFile(folder.path("b")), testing::bytesOf("a"));
    EXPECT_FALSE(machine.exists(folder.path("a")));
}

TEST_F(PosixMachineTest, OnlyRegularFilesOpen)
{
    std::filesystem::create_directory(folder.path("dir"));
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(machine.exists(folder.path("dir")));
    EXPECT_EQ(machine.openForReading(folder.path("dir")), nullptr);
    EXPECT_EQ(machine.openForReading(folder.path("pipe")), nullptr);
    EXPECT_EQ(machine.openForReading(folder.path("missing")), nullptr);
    EXPECT_FALSE(machine.remove(folder.path("dir")));
}

// A new file never opens what has its name, whatever it is, and only its owner may read it.
TEST_F(PosixMachineTest, NewFilesAreNewAndPrivate)
{
    std::filesystem::create_directory(folder.path("dir"));
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    testing::writeFile(folder.path("target"), testing::bytesOf("kept"));
    std::filesystem::create_symlink(folder.path("target"), folder.path("link"));
    std::filesystem::create_symlink(folder.path("nothing"), folder.path("dangling"));
    for (const char* name : {"dir", "pipe", "target", "link", "dangling"}) {
        EXPECT_EQ(machine.createNew(folder.path(name)), nullptr) << name;
    }
    EXPECT_EQ(testing::readFile(folder.path("target")), testing::bytesOf("kept"));
    EXPECT_FALSE(std::filesystem::exists(folder.path("nothing")));

    const mode_t umask = ::umask(0);
    const std::unique_ptr<File> file = machine.createNew(folder.path("new"));
    ::umask(umask);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(machine.permissions(folder.path("new")), 0600u);
    EXPECT_TRUE(file->setPermissions(0640) && file->sync());
    EXPECT_EQ(machine.permissions(folder.path("new")), 0640u);
}

}  // namespace
}  // namespace votrana
