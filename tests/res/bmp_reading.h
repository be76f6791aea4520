#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

struct Colour {
    int red;
    int green;
    int blue;
    bool operator==(const Colour&) const = default;
};

// What the tests need of a Windows bitmap file.
struct BitmapFile {
    int width = 0;
    int height = 0;  // negative for a top-down bitmap
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<Colour> palette;
    std::vector<std::uint8_t> indices;  // one a pixel, top row first

    Colour colourAt(int x, int y) const;
};

// Reads a 4-bit bitmap file; nothing when the file is missing or not such a bitmap.
std::optional<BitmapFile> readBitmapFile(const std::filesystem::path& path);

struct IconEntry {
    int width;
    int height;
    int colourCount;
    int bitsPerPixel;
};

// The images an .ico file lists in its directory; nothing when it is not an icon file.
std::optional<std::vector<IconEntry>> readIconDirectory(const std::filesystem::path& path);
