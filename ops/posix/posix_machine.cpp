#include "posix_machine.h"

#include "mount_table.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <sys/mount.h>
#include <sys/param.h>
#endif

namespace votrana {

namespace {

constexpr std::uint32_t permissionBits = 0777;

FileIdentity identityOf(const struct stat& status)
{
#if defined(__APPLE__)
    const struct timespec& modified = status.st_mtimespec;
#else
    const struct timespec& modified = status.st_mtim;
#endif
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
                        static_cast<std::uint64_t>(status.st_size),
                        static_cast<std::int64_t>(modified.tv_sec) * 1000000000 + modified.tv_nsec};
}

// A folder as the system names it: the empty folder part of a path is the current folder.
std::string folderName(const std::string& folder)
{
    return folder.empty() ? std::string(".") : folder;
}

int openFolder(const std::string& folder)
{
    return ::open(folderName(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

class PosixFolderLock final : public FolderLock {
public:
    explicit PosixFolderLock(int descriptor) : descriptor_(descriptor) {}
    PosixFolderLock(const PosixFolderLock&) = delete;
    PosixFolderLock& operator=(const PosixFolderLock&) = delete;
    ~PosixFolderLock() override
    {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }

private:
    int descriptor_;
};

// Whether this user may write the file. The superuser may write any file, so for it a file whose
// owner made it read-only (no write bit at all) counts as read-only all the same.
bool permitsWriting(const std::string& path, const struct stat& status)
{
    if (::geteuid() == 0) {
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

class PosixFile final : public File {
public:
    // An `interruptible` file gives up a read or write that a signal interrupts, as standard input
    // and output do: a pipe or a terminal may keep them waiting for ever. Any other goes on.
    explicit PosixFile(int descriptor, bool interruptible = false)
        : descriptor_(descriptor), interruptible_(interruptible)
    {
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;
    ~PosixFile() override { close(); }

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        for (;;) {
            const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
            if (count >= 0) {
                return static_cast<std::size_t>(count);
            }
            if (errno != EINTR || interruptible_) {
                return std::nullopt;
            }
        }
    }

    bool write(std::span<const std::uint8_t> bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t count = ::write(descriptor_, bytes.data(), bytes.size());
            if (count < 0 && errno == EINTR && !interruptible_) {
                continue;
            }
            if (count <= 0) {
                return false;
            }
            bytes = bytes.subspan(static_cast<std::size_t>(count));
            startWriteback(static_cast<std::size_t>(count));
        }
        return true;
    }

    bool seek(std::uint64_t offset) override
    {
        return offset <= static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) &&
               ::lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) >= 0;
    }

    std::optional<std::uint64_t> size() override
    {
        struct stat status {};
        if (::fstat(descriptor_, &status) != 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(status.st_size);
    }

    bool sync() override { return ::fsync(descriptor_) == 0; }
    void writeBehind() override { writeBehind_ = true; }

    std::optional<FileIdentity> identity() override
    {
        struct stat status {};
        if (::fstat(descriptor_, &status) != 0) {
            return std::nullopt;
        }
        return identityOf(status);
    }

    bool setPermissions(std::uint32_t bits) override
    {
        return ::fchmod(descriptor_, static_cast<mode_t>(bits & permissionBits)) == 0;
    }

    bool close() override
    {
        if (descriptor_ < 0) {
            return true;
        }
        // The descriptor is gone even when close reports an error, so it is never retried.
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0 || errno == EINTR;
    }

private:
    // Asks the system to start writing the `count` bytes just written, without waiting for it.
    void startWriteback([[maybe_unused]] std::size_t count)
    {
#if defined(__linux__)
        if (writeBehind_) {
            const off_t end = ::lseek(descriptor_, 0, SEEK_CUR);
            const auto length = static_cast<off_t>(count);
            if (end >= length) {
                ::sync_file_range(descriptor_, end - length, length, SYNC_FILE_RANGE_WRITE);
            }
        }
#endif
    }

    int descriptor_;
    bool interruptible_;
    bool writeBehind_ = false;
};

std::string canonicalPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

std::unique_ptr<File> openRegularFile(const std::string& path, int access)
{
    // Without O_NONBLOCK the opening of a named pipe would wait for a writer.
    const int descriptor = ::open(path.c_str(), access | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return nullptr;
    }
    auto file = std::make_unique<PosixFile>(descriptor);
    // Only regular files: a folder, a pipe or a device has no length to code.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        return nullptr;
    }
    return file;
}

#if defined(__linux__)

std::vector<MountEntry> currentMounts()
{
    std::ifstream file("/proc/self/mountinfo");
    std::ostringstream text;
    text << file.rdbuf();
    return parseMountInfo(text.str());
}

// The kernel's own mark of a device with removable media; for a partition it sits on the whole disk.
bool isRemovableDevice(unsigned major, unsigned minor)
{
    const std::string device = canonicalPath("/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
    if (device.empty()) {
        return false;
    }
    for (const std::string& folder : {device, device.substr(0, device.rfind('/'))}) {
        std::ifstream removable(folder + "/removable");
        char flag = '0';
        if (removable >> flag) {
            return flag == '1';
        }
    }
    return false;
}

#endif

}  // namespace

bool PosixMachine::exists(const std::string& path)
{
    struct stat status {};
    return !path.empty() && ::lstat(path.c_str(), &status) == 0;
}

std::string PosixMachine::driveRoot(const std::string& path)
{
    // The folder decides, since that is where the commands write; the file may be a link elsewhere.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string canonical = exists(path) ? canonicalPath(folder) : std::string();
    if (canonical.empty()) {
        return {};
    }
#if defined(__linux__)
    const std::vector<MountEntry> mounts = currentMounts();
    const MountEntry* mount = mountHolding(mounts, canonical);
    return mount != nullptr ? mount->mountPoint : std::string();
#elif defined(__APPLE__)
    struct statfs status {};
    return ::statfs(canonical.c_str(), &status) == 0 ? std::string(status.f_mntonname) : std::string();
#else
    return "/";
#endif
}

DriveType PosixMachine::driveType(const std::string& root)
{
    if (root.empty()) {
        return DriveType::other;
    }
#if defined(__linux__)
    const std::vector<MountEntry> mounts = currentMounts();
    const MountEntry* mount = mountHolding(mounts, root);
    if (mount == nullptr || mount->mountPoint != root) {
        return DriveType::other;
    }
    return driveTypeOf(*mount, isRemovableDevice(mount->deviceMajor, mount->deviceMinor));
#elif defined(__APPLE__)
    struct statfs status {};
    if (::statfs(root.c_str(), &status) != 0) {
        return DriveType::other;
    }
    if ((status.f_flags & MNT_LOCAL) == 0) {
        return DriveType::remote;
    }
#if defined(MNT_REMOVABLE)
    if ((status.f_flags & MNT_REMOVABLE) != 0) {
        return DriveType::removable;
    }
#endif
    return DriveType::fixed;
#else
    return DriveType::fixed;
#endif
}

std::optional<std::uint64_t> PosixMachine::freeSpace(const std::string& root)
{
    struct statvfs status {};
    if (root.empty() || ::statvfs(root.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.f_bavail) * static_cast<std::uint64_t>(status.f_frsize);
}

std::unique_ptr<File> PosixMachine::openForReading(const std::string& path)
{
    return openRegularFile(path, O_RDONLY);
}

std::unique_ptr<File> PosixMachine::createNew(const std::string& path)
{
    // O_EXCL refuses whatever has the name, a link included, and never waits on a pipe.
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return nullptr;
    }
    auto file = std::make_unique<PosixFile>(descriptor);
    // The umask may only take bits away; a private file stays private, and gets no fewer bits.
    if (::fchmod(descriptor, 0600) != 0) {
        file.reset();
        ::unlink(path.c_str());
        return nullptr;
    }
    return file;
}

std::unique_ptr<File> openStandardStream(int descriptor)
{
    const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    return copy >= 0 ? std::make_unique<PosixFile>(copy, true) : nullptr;
}

std::optional<FileIdentity> PosixMachine::identity(const std::string& path)
{
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return identityOf(status);
}

std::optional<std::uint32_t> PosixMachine::permissions(const std::string& path)
{
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(status.st_mode) & permissionBits;
}

bool PosixMachine::mayReplace(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    if (S_ISDIR(status.st_mode)) {
        return false;
    }
    // A link is replaced itself; what it points to is left alone.
    return S_ISLNK(status.st_mode) || permitsWriting(path, status);
}

std::unique_ptr<FolderLock> PosixMachine::lockFolder(const std::string& folder)
{
    const int descriptor = openFolder(folder);
    if (descriptor >= 0) {
        while (::flock(descriptor, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    return std::make_unique<PosixFolderLock>(descriptor);
}

bool PosixMachine::syncFolder(const std::string& folder)
{
    const int descriptor = openFolder(folder);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool PosixMachine::remove(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool PosixMachine::rename(const std::string& from, const std::string& to)
{
#if defined(__linux__)
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#elif defined(__APPLE__)
    if (::renamex_np(from.c_str(), to.c_str(), RENAME_EXCL) == 0) {
        return true;
    }
    if (errno != ENOTSUP) {
        return false;
    }
#endif
    // The file system cannot refuse an existing target by itself; a hard link can.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0) {
            return true;
        }
        ::unlink(to.c_str());
        return false;
    }
    if (errno == EEXIST) {
        return false;
    }
    return !exists(to) && ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixMachine::replace(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace votrana
