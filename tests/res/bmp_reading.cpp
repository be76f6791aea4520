#include "bmp_reading.h"

#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t get16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t get32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return get16(bytes, at) | (get16(bytes, at + 2) << 16);
}

}  // namespace

Colour BitmapFile::colourAt(int x, int y) const
{
    return palette.at(indices.at(static_cast<std::size_t>(y) * width + x));
}

std::optional<BitmapFile> readBitmapFile(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = readAll(path);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || get32(bytes, 14) != 40) {
        return std::nullopt;
    }
    BitmapFile bitmap;
    bitmap.width = static_cast<int>(get32(bytes, 18));
    bitmap.height = static_cast<int>(get32(bytes, 22));
    bitmap.bitsPerPixel = static_cast<int>(get16(bytes, 28));
    bitmap.compression = get32(bytes, 30);
    bitmap.coloursUsed = get32(bytes, 46);
    if (bitmap.bitsPerPixel != 4 || bitmap.width <= 0 || bitmap.height == 0) {
        return bitmap;
    }
    const std::size_t paletteSize = bitmap.coloursUsed == 0 ? 16 : bitmap.coloursUsed;
    for (std::size_t i = 0; i < paletteSize; ++i) {
        const std::size_t at = 54 + 4 * i;
        bitmap.palette.push_back({bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)});
    }
    const std::size_t pixelOffset = get32(bytes, 10);
    const int rows = bitmap.height < 0 ? -bitmap.height : bitmap.height;
    const std::size_t stride = ((static_cast<std::size_t>(bitmap.width) * 4 + 31) / 32) * 4;
    if (pixelOffset + stride * rows > bytes.size()) {
        return std::nullopt;
    }
    for (int y = 0; y < rows; ++y) {
        const int storedRow = bitmap.height > 0 ? rows - 1 - y : y;
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint8_t pair = bytes[pixelOffset + stride * storedRow + x / 2];
            bitmap.indices.push_back(static_cast<std::uint8_t>(x % 2 == 0 ? pair >> 4 : pair & 15));
        }
    }
    return bitmap;
}

std::optional<std::vector<IconEntry>> readIconDirectory(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = readAll(path);
    if (bytes.size() < 6 || get16(bytes, 0) != 0 || get16(bytes, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = get16(bytes, 4);
    if (bytes.size() < 6 + 16 * count) {
        return std::nullopt;
    }
    std::vector<IconEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * i;
        entries.push_back({bytes[at] == 0 ? 256 : bytes[at], bytes[at + 1] == 0 ? 256 : bytes[at + 1], bytes[at + 2],
                           static_cast<int>(get16(bytes, at + 6))});
    }
    return entries;
}
