// The mounted file systems as Linux lists them in /proc/self/mountinfo, and how the drive checks see
// each one.
#pragma once

#include "platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace votrana {

struct MountEntry {
    std::string mountPoint;
    std::string fileSystemType;  // "ext4", "nfs4", "fuse.sshfs", ...
    std::string source;          // "/dev/sda1", "server:/export", ...
    unsigned deviceMajor = 0;
    unsigned deviceMinor = 0;
};

// The entries of a mountinfo text, in its order; lines that do not parse are left out.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mount that holds `path` (absolute, without symbolic links): the longest mount point that is
// `path` or one of its folders, and of equal ones the last mounted. Null when none is.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view path);

// Network file systems, FUSE ones included, which the fixed-disk check refuses.
bool isNetworkFileSystem(std::string_view fileSystemType);

// Local disks, overlay, tmpfs and the like are fixed; network file systems remote; optical discs and
// devices that the kernel marks removable removable.
DriveType driveTypeOf(const MountEntry& mount, bool onRemovableDevice);

}  // namespace votrana
