// Gives a command's finished temporary files their final names, in place of the files that have
// those names now. At every instant each earlier file and each new file is whole on the disk under
// some name, and a group of new files (a coded file and its key file) never stands beside an
// earlier member of its group.
#pragma once

#include "platform.h"
#include "temporary_file.h"

#include <optional>
#include <span>
#include <string>

namespace votrana {

struct Placement {
    TemporaryFile& file;
    std::string finalPath;
};

// Whether the two paths name one file.
bool isSameFile(Machine& machine, const std::string& a, const std::string& b);

// Gives a new `file` the permission bits `wanted`, less any that the file now at `finalPath` lacks,
// so that replacing a file never lets more users at its name. Nothing to do where the system has no
// such bits (`wanted` is then nullopt).
bool setPermissionsFor(Machine& machine, File& file, std::optional<std::uint32_t> wanted, const std::string& finalPath);

// Whether any of the final names holds a file now: the new files must then be made durable before
// they take the names.
bool replacesAnyFile(Machine& machine, std::span<const Placement> placements);

// Moves every file of `placements` to its final name, all in one folder, the caller holding its lock
// and having finished the files. A single file replaces the earlier one in one step; a group sets the
// earlier files aside, moves the new ones in, and removes the earlier ones only once every new name
// is durable. On failure whatever was moved is put back and the index of the placement that
// failed is returned.
std::optional<std::size_t> placeFiles(Machine& machine, const std::string& folder,
                                      std::span<const Placement> placements);

}  // namespace votrana
