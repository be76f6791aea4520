#include "disk_checks.h"

namespace votrana {

bool hasEnoughFreeSpace(Machine& machine, const std::string& rootPath, std::uint64_t length)
{
    const std::optional<std::uint64_t> free = machine.freeSpace(rootPath);
    if (!free) {
        return true;
    }
    return *free >= length && *free - length >= freeSpaceMargin;
}

bool isOnFixedDisk(Machine& machine, const std::string& rootPath)
{
    return machine.driveType(rootPath) == DriveType::fixed;
}

}  // namespace votrana
