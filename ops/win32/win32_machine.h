// The machine side of the seam on Windows: files through their handles, drives through their roots.
// Every call takes the W form, so a file name in any script works.
#pragma once

#include "platform.h"

namespace votrana {

class Win32Machine final : public Machine {
public:
    PathStyle pathStyle() const override { return PathStyle::windows; }
    bool exists(const std::string& path) override;
    std::string driveRoot(const std::string& path) override;
    DriveType driveType(const std::string& root) override;
    std::optional<std::uint64_t> freeSpace(const std::string& root) override;
    std::unique_ptr<File> openForReading(const std::string& path) override;
    std::unique_ptr<File> createNew(const std::string& path) override;
    std::optional<FileIdentity> identity(const std::string& path) override;
    // Windows files take their folder's access rules instead.
    std::optional<std::uint32_t> permissions(const std::string&) override { return std::nullopt; }
    bool mayReplace(const std::string& path) override;
    std::unique_ptr<FolderLock> lockFolder(const std::string& folder) override;
    // Every rename is written through to the disk before it returns.
    bool syncFolder(const std::string&) override { return true; }
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool replace(const std::string& from, const std::string& to) override;
};

// The form of `path` that the file functions take beyond MAX_PATH characters: a full path gets the
// "\\?\" prefix once it is long. Other paths are given back as they are.
std::wstring fileApiPath(const std::string& path);

}  // namespace votrana
