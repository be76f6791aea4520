// The system's machine side over a real folder, with the drive answers set by the test and file
// operations that fail on demand, in the manner of disk-full tests: the N-th operation fails, or
// every write from the N-th on.
#pragma once

#include "platform.h"
#if defined(_WIN32)
#include "win32_machine.h"
#else
#include "posix_machine.h"
#endif

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace votrana::testing {

#if defined(_WIN32)
using SystemMachine = Win32Machine;
#else
using SystemMachine = PosixMachine;
#endif

class FaultyMachine final : public Machine {
public:
    DriveType drive = DriveType::fixed;
    std::optional<std::uint64_t> freeBytes;  // the real free space when unset

    // 1-based; 0 never. Counts opens, creations, reads, writes, seeks, sizes, closes, removals,
    // renames and replacements; the existence test and the drive queries are not counted.
    std::uint64_t failOperation = 0;
    std::uint64_t failWritesFrom = 0;
    std::uint64_t operations = 0;
    std::uint64_t writes = 0;
    bool failed = false;
    // Refuses an operation ("open", "update", "create", "remove", "rename", "replace") on a path.
    std::function<bool(std::string_view operation, const std::string& path)> refuse;

    // True, once counted, when this operation is to fail.
    bool failsNow()
    {
        const bool fails = ++operations == failOperation;
        failed = failed || fails;
        return fails;
    }
    bool writeFailsNow()
    {
        ++writes;
        const bool fails = failsNow() || (failWritesFrom != 0 && writes >= failWritesFrom);
        failed = failed || fails;
        return fails;
    }
    bool refuses(std::string_view operation, const std::string& path)
    {
        return failsNow() || (refuse && refuse(operation, path));
    }

    PathStyle pathStyle() const override { return real_.pathStyle(); }
    bool exists(const std::string& path) override { return real_.exists(path); }
    std::string driveRoot(const std::string& path) override { return real_.driveRoot(path); }
    DriveType driveType(const std::string&) override { return drive; }
    std::optional<std::uint64_t> freeSpace(const std::string& root) override
    {
        return freeBytes ? freeBytes : real_.freeSpace(root);
    }
    std::unique_ptr<File> openForReading(const std::string& path) override
    {
        return refuses("open", path) ? nullptr : wrapped(real_.openForReading(path));
    }
    std::unique_ptr<File> openForUpdate(const std::string& path) override
    {
        return refuses("update", path) ? nullptr : wrapped(real_.openForUpdate(path));
    }
    std::unique_ptr<File> create(const std::string& path) override
    {
        return refuses("create", path) ? nullptr : wrapped(real_.create(path));
    }
    bool remove(const std::string& path) override { return !refuses("remove", path) && real_.remove(path); }
    bool rename(const std::string& from, const std::string& to) override
    {
        return !refuses("rename", to) && real_.rename(from, to);
    }
    bool replace(const std::string& from, const std::string& to) override
    {
        return !refuses("replace", to) && real_.replace(from, to);
    }

private:
    std::unique_ptr<File> wrapped(std::unique_ptr<File> file);

    SystemMachine real_;
};

}  // namespace votrana::testing
