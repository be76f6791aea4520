#include "file_placement.h"

#include <vector>

namespace votrana {

namespace {

// An earlier file moved out of the way of a new one, and where it went.
struct SetAside {
    std::string finalPath;
    std::string asidePath;
};

std::optional<std::string> setAside(Machine& machine, const std::string& path, const std::string& folder)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::optional<std::string> aside = temporaryPathIn(folder);
        if (!aside) {
            return std::nullopt;
        }
        if (machine.rename(path, *aside)) {
            return aside;
        }
        if (!machine.exists(*aside)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Puts the earlier files back, the last one set aside first. One that cannot get its name back stays
// whole under its aside name.
void putBack(Machine& machine, std::vector<SetAside>& asides)
{
    for (auto it = asides.rbegin(); it != asides.rend(); ++it) {
        machine.rename(it->asidePath, it->finalPath);
    }
    asides.clear();
}

std::optional<std::size_t> placeGroup(Machine& machine, const std::string& folder,
                                      std::span<const Placement> placements)
{
    std::vector<SetAside> asides;
    // Every earlier file leaves before any new one comes, so no new file ever stands beside an
    // earlier member of its group.
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const std::string& finalPath = placements[i].finalPath;
        if (!machine.exists(finalPath)) {
            continue;
        }
        std::optional<std::string> aside = setAside(machine, finalPath, folder);
        if (!aside) {
            putBack(machine, asides);
            return i;
        }
        asides.push_back({finalPath, std::move(*aside)});
    }
    for (std::size_t i = 0; i < placements.size(); ++i) {
        if (!machine.rename(placements[i].file.path(), placements[i].finalPath)) {
            // The new files that came go back to their temporary names, to be removed with them.
            for (std::size_t j = i; j-- > 0;) {
                machine.rename(placements[j].finalPath, placements[j].file.path());
            }
            putBack(machine, asides);
            return i;
        }
    }
    for (const Placement& placement : placements) {
        placement.file.release();
    }
    machine.syncFolder(folder);
    for (const SetAside& aside : asides) {
        machine.remove(aside.asidePath);
    }
    return std::nullopt;
}

}  // namespace

bool isSameFile(Machine& machine, const std::string& a, const std::string& b)
{
    const std::optional<FileIdentity> first = machine.identity(a);
    const std::optional<FileIdentity> second = machine.identity(b);
    return first && second && first->isSameFileAs(*second);
}

bool setPermissionsFor(Machine& machine, File& file, std::optional<std::uint32_t> wanted, const std::string& finalPath)
{
    if (!wanted) {
        return true;
    }
    return file.setPermissions(*wanted & machine.permissions(finalPath).value_or(*wanted));
}

bool replacesAnyFile(Machine& machine, std::span<const Placement> placements)
{
    for (const Placement& placement : placements) {
        if (machine.exists(placement.finalPath)) {
            return true;
        }
    }
    return false;
}

std::optional<std::size_t> placeFiles(Machine& machine, const std::string& folder,
                                      std::span<const Placement> placements)
{
    if (placements.size() != 1) {
        return placeGroup(machine, folder, placements);
    }
    const Placement& placement = placements.front();
    if (!machine.replace(placement.file.path(), placement.finalPath)) {
        return 0;
    }
    placement.file.release();
    machine.syncFolder(folder);
    return std::nullopt;
}

}  // namespace votrana
