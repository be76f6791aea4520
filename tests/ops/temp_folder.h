// A real folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace votrana::testing {

using Bytes = std::vector<std::uint8_t>;

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of `name` in the folder.
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    // The names in the folder, sorted.
    std::vector<std::string> names() const;

private:
    std::filesystem::path root_;
};

void writeFile(const std::string& path, const Bytes& bytes);
std::optional<Bytes> readFile(const std::string& path);
Bytes bytesOf(const std::string& text);

}  // namespace votrana::testing
