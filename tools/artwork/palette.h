#pragma once

#include <array>
#include <cstdint>

namespace artwork {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 16>;

// Indices of the standard 16-colour (VGA) palette.
enum Vga : std::uint8_t {
    black = 0,
    maroon = 1,
    green = 2,
    olive = 3,
    navy = 4,
    purple = 5,
    teal = 6,
    silver = 7,
    grey = 8,
    red = 9,
    lime = 10,
    yellow = 11,
    blue = 12,
    fuchsia = 13,
    aqua = 14,
    white = 15,
};

Palette standardPalette();

// The standard palette with the silver entry, the classic button face, replaced by `face`.
Palette paletteWithFace(Rgb face);

}  // namespace artwork
