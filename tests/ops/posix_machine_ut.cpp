// The promises of the seam that the commands' tests over a real folder do not reach.
#include "posix_machine.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace votrana::testing {
namespace {

// Only a regular file opens; a new file never opens what has its name, whatever it is, and only its
// owner may read it; a rename never takes a name that is there, a replacement only a file's.
TEST(PosixMachine, KeepsWhatHasAName)
{
    TempFolder folder;
    PosixMachine machine;
    const auto at = [&](const char* name) { return folder.path(name); };
    std::filesystem::create_directory(at("dir"));
    ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
    writeFile(at("target"), bytesOf("kept"));
    writeFile(at("other"), bytesOf("other"));
    std::filesystem::create_symlink(at("target"), at("link"));
    std::filesystem::create_symlink(at("nothing"), at("dangling"));
    for (const char* name : {"dir", "pipe", "missing"}) {
        EXPECT_EQ(machine.openForReading(at(name)), nullptr) << name;
    }
    for (const char* name : {"dir", "pipe", "target", "link", "dangling"}) {
        EXPECT_EQ(machine.createNew(at(name)), nullptr) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(at("nothing")));
    EXPECT_FALSE(machine.rename(at("other"), at("target")));
    EXPECT_FALSE(machine.replace(at("other"), at("dir")));
    EXPECT_FALSE(machine.remove(at("dir")));
    EXPECT_EQ(readFile(at("target")), bytesOf("kept"));
    EXPECT_TRUE(machine.replace(at("other"), at("target")));
    EXPECT_EQ(readFile(at("target")), bytesOf("other"));
    EXPECT_FALSE(machine.exists(at("other")));

    const mode_t umask = ::umask(0);
    const std::unique_ptr<File> file = machine.createNew(at("new"));
    ::umask(umask);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(machine.permissions(at("new")), 0600u);
    EXPECT_TRUE(file->setPermissions(0640) && file->sync());
    EXPECT_EQ(machine.permissions(at("new")), 0640u);
    // The drive is the mount that holds the file, with its free space.
    const std::string root = machine.driveRoot(at("new"));
    EXPECT_TRUE(at("new").starts_with(root) && machine.freeSpace(root).value_or(0) > 0) << root;
}

}  // namespace
}  // namespace votrana::testing
