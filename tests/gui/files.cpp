#include "files.h"

#include "script.h"
#include "text.h"

#include <windows.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace guitest {

std::optional<Bytes> readFile(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    Bytes bytes;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD count = 0;
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 26));
            ok = ReadFile(file, bytes.data() + done, wanted, &count, nullptr) != 0 && count > 0;
            done += count;
        }
    }
    CloseHandle(file);
    return ok ? std::optional<Bytes>(std::move(bytes)) : std::nullopt;
}

bool writeFile(const std::wstring& path, const Bytes& bytes)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD count = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 26));
        ok = WriteFile(file, bytes.data() + done, wanted, &count, nullptr) != 0 && count == wanted;
        done += count;
    }
    return CloseHandle(file) != 0 && ok;
}

bool fileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::uint64_t> fileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool makeFolder(const std::wstring& path)
{
    return CreateDirectoryW(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool removeTree(const std::wstring& path)
{
    for (const std::wstring& name : folderNames(path)) {
        const std::wstring inner = path + L"\\" + name;
        const DWORD attributes = GetFileAttributesW(inner.c_str());
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            removeTree(inner);
        } else {
            SetFileAttributesW(inner.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(inner.c_str());
        }
    }
    RemoveDirectoryW(path.c_str());
    return !fileExists(path);
}

bool copyFile(const std::wstring& from, const std::wstring& to)
{
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

std::set<std::wstring> folderNames(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.insert(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string describe(const std::set<std::wstring>& names)
{
    std::string text = "{";
    for (const std::wstring& name : names) {
        text += cat(text.size() > 1 ? ", " : "", utf8(name));
    }
    return text + "}";
}

Bytes sampleBytes(std::size_t length, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes;
    bytes.reserve(length);
    // Every byte value once, then phrases, runs and noise in turn.
    for (int value = 0; value < 256 && bytes.size() < length; ++value) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    static constexpr char phrase[] = "Coded bytes come back through the key file. ";
    while (bytes.size() < length) {
        switch (random() % 3) {
        case 0:
            for (const char c : phrase) {
                bytes.push_back(static_cast<std::uint8_t>(c));
            }
            break;
        case 1:
            bytes.insert(bytes.end(), 16 + random() % 64, static_cast<std::uint8_t>(random()));
            break;
        default:
            for (int i = 0; i < 48; ++i) {
                bytes.push_back(static_cast<std::uint8_t>(random()));
            }
            break;
        }
    }
    bytes.resize(length);
    return bytes;
}

Bytes keyFileBytes(std::uint32_t seed)
{
    std::vector<std::uint8_t> table(256);
    std::iota(table.begin(), table.end(), std::uint8_t{0});
    std::shuffle(table.begin(), table.end(), std::mt19937(seed));
    Bytes bytes(512);
    for (std::size_t i = 0; i < 256; ++i) {
        bytes[i] = table[i];
        bytes[256 + table[i]] = static_cast<std::uint8_t>(i);
    }
    return bytes;
}

bool isKeyFile(const Bytes& bytes)
{
    if (bytes.size() != 512) {
        return false;
    }
    std::vector<bool> seen(256, false);
    for (std::size_t i = 0; i < 256; ++i) {
        if (seen[bytes[i]] || bytes[256 + bytes[i]] != i) {
            return false;
        }
        seen[bytes[i]] = true;
    }
    return true;
}

namespace {

std::string slashes(const std::wstring& relative)
{
    std::string text = utf8(relative);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

}  // namespace

LockOutcome lockFolder(const std::wstring& relativeFolder)
{
    const std::optional<std::string> answer = askScript("lock " + slashes(relativeFolder));
    if (!answer) {
        return LockOutcome::noAnswer;
    }
    return *answer == "locked" ? LockOutcome::locked : LockOutcome::unsupported;
}

void unlockFolder(const std::wstring& relativeFolder)
{
    askScript("unlock " + slashes(relativeFolder));
}

}  // namespace guitest
