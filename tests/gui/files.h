// Files on disk as the checks see them: contents, folder listings, and the folder locks that the shell
// script makes on request.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace guitest {

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> readFile(const std::wstring& path);
bool writeFile(const std::wstring& path, const Bytes& bytes);
bool fileExists(const std::wstring& path);
std::optional<std::uint64_t> fileSize(const std::wstring& path);
bool makeFolder(const std::wstring& path);
// Removes a folder with everything in it; true when it is gone.
bool removeTree(const std::wstring& path);
bool copyFile(const std::wstring& from, const std::wstring& to);
// The names in a folder (files and folders, not "." and "..").
std::set<std::wstring> folderNames(const std::wstring& folder);
std::string describe(const std::set<std::wstring>& names);

// Bytes of every value, with runs and repeats (so that they compress) and noise, from a seed.
Bytes sampleBytes(std::size_t length, std::uint32_t seed);

// A key file: the table and its inverse, from a seed.
Bytes keyFileBytes(std::uint32_t seed);
// Whether 512 bytes hold a permutation of 0..255 followed by its inverse.
bool isKeyFile(const Bytes& bytes);

// Makes a folder unwritable for everyone, the driver's own user included, through the script that runs
// the driver (on Linux as root: an immutable folder). The folder is given relative to the driver's folder.
enum class LockOutcome { locked, unsupported, noAnswer };
LockOutcome lockFolder(const std::wstring& relativeFolder);
void unlockFolder(const std::wstring& relativeFolder);

}  // namespace guitest
