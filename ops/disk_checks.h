// The checks of the drive that a file lies on.
#pragma once

#include "platform.h"

#include <cstdint>
#include <string>

namespace votrana {

// Room that a command asks for beyond the length of the file it writes.
inline constexpr std::uint64_t freeSpaceMargin = 1000;

// True when the drive has room for `length` + 1000 bytes. A drive whose free space the system cannot
// tell passes: every write is checked, so a full disk is still reported.
bool hasEnoughFreeSpace(Machine& machine, const std::string& rootPath, std::uint64_t length);

bool isOnFixedDisk(Machine& machine, const std::string& rootPath);

}  // namespace votrana
