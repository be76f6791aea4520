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
    // Refuses an operation: "open", "create", "remove", "rename" or "replace".
    std::function<bool(std::string_view operation)> refuse;

    bool dead() const { return dieAfter != 0 && operations >= dieAfter; }
    // True, once counted, when this operation is to fail.
    bool failsNow(bool write = false)
    {
        writes += write;
        const bool fails =
            dead() || ++operations == failOperation || (write && failWritesFrom != 0 && writes >= failWritesFrom);
        failed = failed || fails;
        return fails;
    }
    bool refuses(std::string_view operation) { return failsNow() || (refuse && refuse(operation)); }

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
        return refuses("open") ? nullptr : wrapped(real_.openForReading(path));
    }
    std::unique_ptr<File> createNew(const std::string& path) override
    {
        return refuses("create") ? nullptr : wrapped(real_.createNew(path));
    }
    std::optional<FileIdentity> identity(const std::string& path) override { return real_.identity(path); }
    std::optional<std::uint32_t> permissions(const std::string& path) override { return real_.permissions(path); }
    bool mayReplace(const std::string& path) override { return real_.mayReplace(path); }
    std::unique_ptr<FolderLock> lockFolder(const std::string& folder) override { return real_.lockFolder(folder); }
    bool syncFolder(const std::string& folder) override { return !failsNow() && real_.syncFolder(folder); }
    bool remove(const std::string& path) override { return !refuses("remove") && real_.remove(path); }
    bool rename(const std::string& from, const std::string& to) override
    {
        return !refuses("rename") && real_.rename(from, to);
    }
    bool replace(const std::string& from, const std::string& to) override
    {
        return !refuses("replace") && real_.replace(from, to);
    }

private:
    std::unique_ptr<File> wrapped(std::unique_ptr<File> file);

#if defined(_WIN32)
    Win32Machine real_;
#else
    PosixMachine real_;
#endif
};

class FaultyFile final : public File {
public:
    FaultyFile(FaultyMachine& machine, std::unique_ptr<File> file) : machine_(machine), file_(std::move(file)) {}

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        return machine_.failsNow() ? std::nullopt : file_->read(buffer);
    }
    // A disk that fills up takes part of the bytes before it refuses.
    bool write(std::span<const std::uint8_t> bytes) override
    {
        const bool fails = machine_.failsNow(true);
        if (machine_.dead()) {
            return false;
        }
        noteSynced(false);
        return file_->write(fails ? bytes.first(bytes.size() / 2) : bytes) && !fails;
    }
    bool seek(std::uint64_t offset) override { return !machine_.failsNow() && file_->seek(offset); }
    std::optional<std::uint64_t> size() override { return machine_.failsNow() ? std::nullopt : file_->size(); }
    void writeBehind() override { file_->writeBehind(); }
    bool sync() override { return noteSynced(!machine_.failsNow() && file_->sync()); }
    std::optional<FileIdentity> identity() override { return file_->identity(); }
    bool setPermissions(std::uint32_t bits) override { return !machine_.failsNow() && file_->setPermissions(bits); }
    // The system closes the files of a killed process too; what was written stays.
    bool close() override
    {
        const bool fails = machine_.failsNow();
        return file_->close() && !fails;
    }

private:
    bool noteSynced(bool synced)
    {
        if (const std::optional<FileIdentity> identity = file_->identity()) {
            const std::pair node{identity->device, identity->node};
            synced ? void(machine_.unsynced.erase(node)) : void(machine_.unsynced.insert(node));
        }
        return synced;
    }

    FaultyMachine& machine_;
    std::unique_ptr<File> file_;
};

inline std::unique_ptr<File> FaultyMachine::wrapped(std::unique_ptr<File> file)
{
    return file ? std::make_unique<FaultyFile>(*this, std::move(file)) : nullptr;
}

}  // namespace votrana::testing
