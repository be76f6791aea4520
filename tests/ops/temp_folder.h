// A real folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace votrana::testing {

using Bytes = std::vector<std::uint8_t>;

// Paths as the commands hold them, UTF-8 text, on every system (on Windows a narrow path would be
// taken in the ANSI code page).
inline std::filesystem::path pathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string textOf(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class TempFolder {
public:
    // A new folder of a random name: creation fails for a name that is taken, so no other test's
    // folder is ever shared.
    TempFolder()
    {
        std::random_device seed;
        while (root_.empty()) {
            const auto candidate = std::filesystem::temp_directory_path() / ("votrana-test-" + std::to_string(seed()));
            root_ = std::filesystem::create_directory(candidate) ? candidate : root_;
        }
    }
    // Files made read-only by a test go too.
    ~TempFolder()
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(root_, ignored)) {
            std::filesystem::permissions(entry, std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                         ignored);
        }
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of `name` in the folder.
    std::string path(const std::string& name) const { return textOf(root_ / pathOf(name)); }
    // The names in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root_)) {
            names.push_back(textOf(entry.path().filename()));
        }
        std::ranges::sort(names);
        return names;
    }

private:
    std::filesystem::path root_;
};

inline void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(pathOf(path), std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The bytes of a file; nullopt for a folder or nothing.
inline std::optional<Bytes> readFile(const std::string& path)
{
    std::ifstream file(pathOf(path), std::ios::binary);
    if (!file || std::filesystem::is_directory(pathOf(path))) {
        return std::nullopt;
    }
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

}  // namespace votrana::testing
