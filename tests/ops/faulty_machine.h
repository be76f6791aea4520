// The system's machine side over a real folder, with the drive answers set by the test and file
// operations that fail on demand, in the manner of disk-full and crash tests: the N-th operation
// fails, or every write from the N-th on, or the process is as if killed after the N-th operation
// (nothing it does from then on reaches the disk).
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
#include <set>
#include <string>
#include <utility>

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

    // 1-based; 0 never. Counts what changes or reads files: opens, creations, reads, writes, seeks,
    // sizes, syncs, permission changes, closes, removals, renames and replacements.
    std::uint64_t failOperation = 0;
    std::uint64_t failWritesFrom = 0;
    std::uint64_t dieAfter = 0;
    std::uint64_t operations = 0;
    std::uint64_t writes = 0;
    bool failed = false;
    // Files written since they were last synced, by device and node: a power loss may empty them.
    std::set<std::pair<std::uint64_t, std::uint64_t>> unsynced;
    // Refuses an operation ("open", "create", "remove", "rename", "replace") on a path.
    std::function<bool(std::string_view operation, const std::string& path)> refuse;

    bool dead() const { return dieAfter != 0 && operations >= dieAfter; }

    // True, once counted, when this operation is to fail.
    bool failsNow()
    {
        const bool wasDead = dead();
        const bool fails = wasDead || ++operations == failOperation;
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
    std::unique_ptr<File> createNew(const std::string& path) override
    {
        return refuses("create", path) ? nullptr : wrapped(real_.createNew(path));
    }
    std::optional<FileIdentity> identity(const std::string& path) override { return real_.identity(path); }
    std::optional<std::uint32_t> permissions(const std::string& path) override { return real_.permissions(path); }
    bool mayReplace(const std::string& path) override { return real_.mayReplace(path); }
    std::unique_ptr<FolderLock> lockFolder(const std::string& folder) override { return real_.lockFolder(folder); }
    bool syncFolder(const std::string& folder) override { return !failsNow() && real_.syncFolder(folder); }
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
