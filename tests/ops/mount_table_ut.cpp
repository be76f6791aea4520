// How the POSIX machine side finds the drive of a path and its type in the mount table.
#include "mount_table.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

constexpr const char* mountInfo = "22 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
                                  "25 22 0:21 / /proc rw,nosuid - proc proc rw\n"
                                  "30 22 0:26 / /tmp rw shared:5 - tmpfs tmpfs rw\n"
                                  "31 22 0:40 / /mnt/my\\040share rw - cifs //server/share rw\n"
                                  "32 22 0:41 / /home/u/remote rw,nosuid - fuse.sshfs u@host:/ rw\n"
                                  "33 22 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n"
                                  "34 22 0:42 / /tmp rw - overlay overlay rw\n"
                                  "broken line\n";

TEST(MountTable, TheDriveRootIsTheMountPointThatHoldsThePath)
{
    const std::vector<MountEntry> mounts = parseMountInfo(mountInfo);
    ASSERT_EQ(mounts.size(), 7u);
    EXPECT_EQ(mounts[5].source, "/dev/sdb1");
    EXPECT_EQ(mounts[5].deviceMinor, 17u);
    const auto rootOf = [&](const char* path) { return mountHolding(mounts, path)->mountPoint; };
    EXPECT_EQ(rootOf("/home/u/report.txt"), "/");
    EXPECT_EQ(rootOf("/procfile"), "/");
    EXPECT_EQ(rootOf("/mnt/my share/a.txt"), "/mnt/my share");
    EXPECT_EQ(rootOf("/home/u/remote"), "/home/u/remote");
    // Of two mounts on one point the later one is on top.
    EXPECT_EQ(mountHolding(mounts, "/tmp/x")->fileSystemType, "overlay");
}

TEST(MountTable, NetworkAndRemovableMediaAreNoFixedDisk)
{
    const std::vector<MountEntry> mounts = parseMountInfo(mountInfo);
    EXPECT_EQ(driveTypeOf(mounts[0], false), DriveType::fixed);
    EXPECT_EQ(driveTypeOf(mounts[2], false), DriveType::fixed);
    EXPECT_EQ(driveTypeOf(mounts[6], false), DriveType::fixed);
    EXPECT_EQ(driveTypeOf(mounts[3], false), DriveType::remote);
    EXPECT_EQ(driveTypeOf(mounts[4], false), DriveType::remote);
    EXPECT_EQ(driveTypeOf(mounts[5], true), DriveType::removable);
    for (const char* type : {"nfs", "nfs4", "smb3", "9p", "fuse.rclone"}) {
        EXPECT_TRUE(isNetworkFileSystem(type)) << type;
    }
    for (const char* type : {"ext4", "btrfs", "xfs", "fuseblk", "fuse.fuse-overlayfs", "overlay", "tmpfs"}) {
        EXPECT_FALSE(isNetworkFileSystem(type)) << type;
    }
    EXPECT_EQ(driveTypeOf(MountEntry{"/media/cdrom", "iso9660", "/dev/sr0", 11, 0}, false), DriveType::removable);
}

}  // namespace
}  // namespace votrana
