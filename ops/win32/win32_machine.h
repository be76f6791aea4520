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
    std::unique_ptr<File> openForUpdate(const std::string& path) override;
    std::unique_ptr<File> create(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool replace(const std::string& from, const std::string& to) override;
};

// The form of `path` that the file functions take beyond MAX_PATH characters: a full path gets the
// "\\?\" prefix once it is long. Other paths are given back as they are.
std::wstring fileApiPath(const std::string& path);

}  // namespace votrana
