// A real folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace votrana::testing {

using Bytes = std::vector<std::uint8_t>;

// Paths as the commands hold them, UTF-8 text, on every system (on Windows a narrow path would be
// taken in the ANSI code page).
std::filesystem::path pathOf(const std::string& utf8);
std::string textOf(const std::filesystem::path& path);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of `name` in the folder.
    std::string path(const std::string& name) const { return textOf(root_ / pathOf(name)); }
    // The names in the folder, sorted.
    std::vector<std::string> names() const;

private:
    std::filesystem::path root_;
};

void writeFile(const std::string& path, const Bytes& bytes);
std::optional<Bytes> readFile(const std::string& path);
Bytes bytesOf(const std::string& text);

}  // namespace votrana::testing
