#include "bmp_format.h"

namespace artwork {
namespace {

constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t paletteSize = 16 * 4;
constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t pixelsPerMetre = 2835;  // 72 dots an inch

void put16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint32_t rowBytes(int width, int bitsPerPixel)
{
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// Colour rows, bottom row first; clear pixels are written as index 0.
Bytes colourRows(const Canvas& picture)
{
    const std::uint32_t stride = rowBytes(picture.width(), 4);
    Bytes rows;
    for (int y = picture.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width(); ++x) {
            std::uint8_t colour = picture.at(x, y);
            if (colour == Canvas::clear) {
                colour = 0;
            }
            const std::uint8_t nibble = x % 2 == 0 ? static_cast<std::uint8_t>(colour << 4) : colour;
            row[x / 2] = static_cast<std::uint8_t>(row[x / 2] | nibble);
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

// The icon's transparency mask, bottom row first: 1 where the picture is clear.
Bytes maskRows(const Canvas& picture)
{
    const std::uint32_t stride = rowBytes(picture.width(), 1);
    Bytes rows;
    for (int y = picture.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.at(x, y) == Canvas::clear) {
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

void putInfoHeader(Bytes& out, int width, int height, std::uint32_t imageSize, std::uint32_t pixelsPerMetre,
                   std::uint32_t importantColours)
{
    put32(out, infoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, 4);  // bits a pixel
    put32(out, 0);  // BI_RGB
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 16);
    put32(out, importantColours);
}

void putPalette(Bytes& out, const Palette& palette)
{
    for (const Rgb& colour : palette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
}

}  // namespace

Bytes encodeBmp(const Canvas& picture, const Palette& palette)
{
    const Bytes pixels = colourRows(picture);
    const std::uint32_t pixelOffset = fileHeaderSize + infoHeaderSize + paletteSize;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + static_cast<std::uint32_t>(pixels.size()));
    put32(out, 0);  // reserved
    put32(out, pixelOffset);
    putInfoHeader(out, picture.width(), picture.height(), static_cast<std::uint32_t>(pixels.size()), pixelsPerMetre,
                  16);
    putPalette(out, palette);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes encodeIco(const std::vector<IconImage>& images)
{
    std::vector<Bytes> bodies;
    for (const IconImage& image : images) {
        const Bytes colours = colourRows(image.picture);
        const Bytes mask = maskRows(image.picture);
        Bytes body;
        // An icon image's header counts the colour rows and the mask rows together.
        putInfoHeader(body, image.picture.width(), image.picture.height() * 2,
                      static_cast<std::uint32_t>(colours.size() + mask.size()), 0, 0);
        putPalette(body, image.palette);
        body.insert(body.end(), colours.begin(), colours.end());
        body.insert(body.end(), mask.begin(), mask.end());
        bodies.push_back(std::move(body));
    }

    Bytes out;
    put16(out, 0);  // reserved
    put16(out, 1);  // type: icon
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i].picture.width()));
        out.push_back(static_cast<std::uint8_t>(images[i].picture.height()));
        out.push_back(16);  // colours
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, 4);  // bits a pixel
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace artwork
