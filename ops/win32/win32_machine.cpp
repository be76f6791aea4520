#include "win32_machine.h"

#include "utf16.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>

namespace votrana {

namespace {

std::optional<FileIdentity> identityOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information)) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    return FileIdentity{information.dwVolumeSerialNumber, join(information.nFileIndexHigh, information.nFileIndexLow),
                        join(information.nFileSizeHigh, information.nFileSizeLow),
                        static_cast<std::int64_t>(join(information.ftLastWriteTime.dwHighDateTime,
                                                       information.ftLastWriteTime.dwLowDateTime))};
}

// A mutex named after the folder: every process that gives names in the folder waits for it.
class Win32FolderLock final : public FolderLock {
public:
    explicit Win32FolderLock(HANDLE mutex) : mutex_(mutex) {}
    Win32FolderLock(const Win32FolderLock&) = delete;
    Win32FolderLock& operator=(const Win32FolderLock&) = delete;
    ~Win32FolderLock() override
    {
        if (mutex_ != nullptr) {
            ReleaseMutex(mutex_);
            CloseHandle(mutex_);
        }
    }

private:
    HANDLE mutex_;
};

std::wstring folderLockName(const std::string& folder)
{
    std::wstring full = toWide(folder.empty() ? std::string(".") : folder);
    const DWORD length = GetFullPathNameW(full.c_str(), 0, nullptr, nullptr);
    if (length > 0) {
        std::wstring buffer(length, L'\0');
        if (GetFullPathNameW(full.c_str(), length, buffer.data(), nullptr) > 0) {
            full = buffer.c_str();
        }
    }
    CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
    std::uint64_t hash = 0xcbf29ce484222325;  // FNV-1a
    for (const wchar_t c : full) {
        hash = (hash ^ static_cast<std::uint16_t>(c)) * 0x100000001b3;
    }
    wchar_t name[64];
    swprintf(name, 64, L"Local\\votrana-folder-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

class Win32File final : public File {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;
    ~Win32File() override { close(); }

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1U << 30));
        DWORD count = 0;
        if (!ReadFile(handle_, buffer.data(), wanted, &count, nullptr)) {
            return std::nullopt;
        }
        return count;
    }

    bool write(std::span<const std::uint8_t> bytes) override
    {
        while (!bytes.empty()) {
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
            DWORD count = 0;
            if (!WriteFile(handle_, bytes.data(), wanted, &count, nullptr) || count == 0) {
                return false;
            }
            bytes = bytes.subspan(count);
        }
        return true;
    }

    bool seek(std::uint64_t offset) override
    {
        if (offset > static_cast<std::uint64_t>(LLONG_MAX)) {
            return false;
        }
        LARGE_INTEGER distance{};
        distance.QuadPart = static_cast<LONGLONG>(offset);
        return SetFilePointerEx(handle_, distance, nullptr, FILE_BEGIN) != 0;
    }

    std::optional<std::uint64_t> size() override
    {
        LARGE_INTEGER length{};
        if (!GetFileSizeEx(handle_, &length)) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(length.QuadPart);
    }

    bool sync() override { return FlushFileBuffers(handle_) != 0; }
    void writeBehind() override {}
    std::optional<FileIdentity> identity() override { return identityOf(handle_); }
    bool setPermissions(std::uint32_t) override { return true; }

    bool close() override
    {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return true;
        }
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// Only files on a disk: a folder fails to open as a file, and a device or pipe has no length to code.
std::unique_ptr<File> openFile(const std::string& path, DWORD access, DWORD share, DWORD disposition)
{
    if (path.empty()) {
        return nullptr;
    }
    const HANDLE handle =
        CreateFileW(fileApiPath(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    auto file = std::make_unique<Win32File>(handle);
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        return nullptr;
    }
    return file;
}

bool isDriveRoot(std::wstring_view path)
{
    return path.size() == 3 && std::iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

std::wstring fileApiPath(const std::string& path)
{
    std::wstring wide = toWide(path);
    constexpr std::size_t longPath = MAX_PATH - 12;
    if (wide.size() < longPath || wide.starts_with(LR"(\\?\)")) {
        return wide;
    }
    if (wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\') {
        return LR"(\\?\)" + wide;
    }
    if (wide.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + wide.substr(2);
    }
    return wide;
}

bool Win32Machine::exists(const std::string& path)
{
    // A directory search would take wildcards as a pattern and find some other file.
    if (path.empty() || path.find_first_of("*?") != std::string::npos) {
        return false;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(fileApiPath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

std::string Win32Machine::driveRoot(const std::string& path)
{
    const std::wstring wide = toWide(path);
    if (wide.empty()) {
        return {};
    }
    // The volume that holds the path: C:\, a folder where a volume is mounted, or \\server\share\.
    const std::wstring apiPath = fileApiPath(path);
    std::wstring root(apiPath.size() + 1, L'\0');
    if (GetVolumePathNameW(apiPath.c_str(), root.data(), static_cast<DWORD>(root.size()))) {
        root.resize(root.find(L'\0'));
        if (root.starts_with(LR"(\\?\UNC\)")) {
            root = LR"(\\)" + root.substr(8);
        } else if (root.starts_with(LR"(\\?\)")) {
            root = root.substr(4);
        }
    } else {
        root = wide.substr(0, 3);
    }
    if (isDriveRoot(root.substr(0, 3))) {
        root[0] = static_cast<wchar_t>(std::towupper(root[0]));
    }
    return toUtf8(root);
}

DriveType Win32Machine::driveType(const std::string& root)
{
    if (root.empty()) {
        return DriveType::other;
    }
    switch (GetDriveTypeW(toWide(root).c_str())) {
    case DRIVE_FIXED:
        return DriveType::fixed;
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
        return DriveType::removable;
    case DRIVE_REMOTE:
        return DriveType::remote;
    default:
        return DriveType::other;
    }
}

std::optional<std::uint64_t> Win32Machine::freeSpace(const std::string& root)
{
    ULARGE_INTEGER availableToCaller{};
    if (root.empty() || !GetDiskFreeSpaceExW(toWide(root).c_str(), &availableToCaller, nullptr, nullptr)) {
        return std::nullopt;
    }
    return availableToCaller.QuadPart;
}

std::unique_ptr<File> Win32Machine::openForReading(const std::string& path)
{
    return openFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

std::unique_ptr<File> Win32Machine::createNew(const std::string& path)
{
    // CREATE_NEW refuses whatever has the name.
    return openFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW);
}

std::optional<FileIdentity> Win32Machine::identity(const std::string& path)
{
    if (path.empty()) {
        return std::nullopt;
    }
    const HANDLE handle = CreateFileW(fileApiPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::optional<FileIdentity> identity = identityOf(handle);
    CloseHandle(handle);
    return identity;
}

bool Win32Machine::mayReplace(const std::string& path)
{
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(fileApiPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

std::unique_ptr<FolderLock> Win32Machine::lockFolder(const std::string& folder)
{
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, folderLockName(folder).c_str());
    if (mutex != nullptr) {
        WaitForSingleObject(mutex, INFINITE);
    }
    return std::make_unique<Win32FolderLock>(mutex);
}

bool Win32Machine::remove(const std::string& path)
{
    return !path.empty() && DeleteFileW(fileApiPath(path).c_str()) != 0;
}

bool Win32Machine::rename(const std::string& from, const std::string& to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a target that exists.
    return !from.empty() && !to.empty() &&
           MoveFileExW(fileApiPath(from).c_str(), fileApiPath(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32Machine::replace(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty()) {
        return false;
    }
    const std::wstring target = fileApiPath(to);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    return MoveFileExW(fileApiPath(from).c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

}  // namespace votrana
