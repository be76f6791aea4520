#include "main_picture.h"

#include <cstdint>
#include <stdexcept>

#include "hex_font.h"
#include "program_icon.h"
#include "shapes.h"
#include "title_lettering.h"

namespace artwork {
namespace {

enum PictureColour : std::uint8_t {
    ink = 0,
    foam = 1,
    digitInk = 2,
    iconBlue = 3,
    iconGrey = 4,
    iconSilver = 5,
    iconYellow = 6,
    iconOlive = 7,
    water0 = 8,  // the lightest of six water tones; water0 + 5 is the deepest
    shadow = 14,
    deep = 15,
};

constexpr int waterTones = 6;

Palette pictureColours()
{
    return {{
        {0, 0, 0},
        {255, 255, 255},
        {0, 0, 128},
        {0, 0, 255},
        {128, 128, 128},
        {192, 192, 192},
        {255, 255, 0},
        {128, 128, 0},
        {236, 252, 254},
        {218, 246, 252},
        {200, 240, 250},
        {182, 232, 246},
        {162, 222, 240},
        {140, 208, 232},
        {92, 172, 208},
        {24, 96, 144},
    }};
}

// 4 x 4 ordered-dither thresholds, 0..15.
constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Water depth at a pixel in sixteenths of a tone step: deeper towards the bottom, with slow swells.
int waterDepth(int x, int y)
{
    const int gradient = y * 3 * 16 / pictureHeight;
    const int swell = (wave(x * 2 + wave(y * 5) / 2) + wave(y * 7 - x)) / 8;
    return 16 + gradient + swell;
}

// Thin bright lines of light refracted by the surface, as seen on the floor of a pool: two
// families of wavy lines, drawn where a line's phase passes a whole period between neighbours.
int causticPhaseA(int x, int y)
{
    return x * 4 + wave(y * 5 + wave(x * 3) / 2) * 2 + y;
}
int causticPhaseB(int x, int y)
{
    return y * 6 + wave(x * 4 + wave(y * 4) / 2) * 2 - x;
}

bool crossesPeriod(int (*phase)(int, int), int period, int x, int y)
{
    const auto band = [&](int px, int py) {
        const int value = phase(px, py) + 4096 * period;  // kept positive, so division floors
        return value / period;
    };
    return band(x, y) != band(x + 1, y) || band(x, y) != band(x, y + 1);
}

bool causticLine(int x, int y)
{
    return crossesPeriod(causticPhaseA, 210, x, y) || crossesPeriod(causticPhaseB, 180, x, y);
}

void paintWater(Canvas& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int depth = waterDepth(x, y);
            int tone = depth / 16 + ((depth % 16) > bayer[y % 4][x % 4] ? 1 : 0);
            if (causticLine(x, y)) {
                tone = tone / 2;
            }
            tone = tone < 0 ? 0 : tone >= waterTones ? waterTones - 1 : tone;
            picture.set(x, y, static_cast<std::uint8_t>(water0 + tone));
        }
    }
}

// Draws `layer` with a halo of `halo` one pixel round it and a shadow of `shadow` below right.
void drawRaised(Canvas& picture, const Canvas& layer, int left, int top, std::uint8_t halo, std::uint8_t shadow,
                int shadowOffset)
{
    Canvas shadowLayer(layer.width(), layer.height(), Canvas::clear);
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            if (layer.at(x, y) != Canvas::clear) {
                shadowLayer.set(x, y, shadow);
            }
        }
    }
    picture.draw(shadowLayer, left + shadowOffset, top + shadowOffset);
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            if (layer.at(x, y) == Canvas::clear) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (!layer.contains(nx, ny) || layer.at(nx, ny) == Canvas::clear) {
                        picture.set(left + nx, top + ny, halo);
                    }
                }
            }
        }
    }
    picture.draw(layer, left, top);
}

// Bytes that look like the start of a coded file: a fixed pseudo-random sequence.
int codedByte(int index)
{
    std::uint32_t state = 0x5EED1234u + static_cast<std::uint32_t>(index) * 0x9E3779B9u;
    state ^= state >> 15;
    state *= 0x2C1B3C6Du;
    state ^= state >> 12;
    return static_cast<int>(state & 0xFF);
}

void paintBytes(Canvas& picture)
{
    constexpr int left = 18;
    constexpr int top = 50;
    constexpr int rowPitch = 15;
    constexpr int digitAdvance = hexGlyphWidth + 1;
    constexpr int byteAdvance = 2 * digitAdvance + 6;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int value = codedByte(row * 8 + column);
            const int x = left + column * byteAdvance;
            const int y = top + row * rowPitch;
            drawRaised(picture, hexDigit(value >> 4, digitInk), x, y, foam, shadow, 1);
            drawRaised(picture, hexDigit(value & 15, digitInk), x + digitAdvance, y, foam, shadow, 1);
        }
    }
}

// The program's icon, taken from the standard palette into the picture's own colours.
Canvas iconInPictureColours()
{
    const Palette standard = standardPalette();
    const Palette own = pictureColours();
    const Canvas icon = programIcon32();
    Canvas mapped(icon.width(), icon.height(), Canvas::clear);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const std::uint8_t colour = icon.at(x, y);
            if (colour == Canvas::clear) {
                continue;
            }
            bool found = false;
            for (std::uint8_t i = 0; i < own.size() && !found; ++i) {
                if (own[i] == standard[colour]) {
                    mapped.set(x, y, i);
                    found = true;
                }
            }
            if (!found) {
                throw std::logic_error("the picture's palette lacks a colour of the icon");
            }
        }
    }
    return mapped;
}

}  // namespace

Palette mainPicturePalette()
{
    return pictureColours();
}

Canvas mainPicture()
{
    Canvas picture(pictureWidth, pictureHeight, water0);
    paintWater(picture);

    const Canvas title = titleLettering(ink);
    drawRaised(picture, title, (pictureWidth - title.width()) / 2, 6, foam, deep, 2);

    paintBytes(picture);
    picture.draw(iconInPictureColours(), pictureWidth - 32 - 12, pictureHeight - 32 - 8);
    return picture;
}

}  // namespace artwork
