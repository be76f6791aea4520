// The machine side of the seam on Linux and macOS: files through their descriptors, drives as the
// mounted file systems.
#pragma once

#include "platform.h"

namespace votrana {

class PosixMachine final : public Machine {
public:
    PathStyle pathStyle() const override { return PathStyle::posix; }
    bool exists(const std::string& path) override;
    std::string driveRoot(const std::string& path) override;
    DriveType driveType(const std::string& root) override;
    std::optional<std::uint64_t> freeSpace(const std::string& root) override;
    std::unique_ptr<File> openForReading(const std::string& path) override;
    std::unique_ptr<File> createNew(const std::string& path) override;
    std::optional<FileIdentity> identity(const std::string& path) override;
    std::optional<std::uint32_t> permissions(const std::string& path) override;
    bool mayReplace(const std::string& path) override;
    std::unique_ptr<FolderLock> lockFolder(const std::string& folder) override;
    bool syncFolder(const std::string& folder) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool replace(const std::string& from, const std::string& to) override;
};

// Standard input or output (descriptor 0 or 1) as a file, for reading or writing a stream through it.
// Closing it leaves the descriptor open and tells whether what was written could be completed.
std::unique_ptr<File> openStandardStream(int descriptor);

}  // namespace votrana
