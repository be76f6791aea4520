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
    kBlack = 0,
    kMaroon = 1,
    kGreen = 2,
    kOlive = 3,
    kNavy = 4,
    kPurple = 5,
    kTeal = 6,
    kSilver = 7,
    kGrey = 8,
    kRed = 9,
    kLime = 10,
    kYellow = 11,
    kBlue = 12,
    kFuchsia = 13,
    kAqua = 14,
    kWhite = 15,
};

Palette standardPalette();

// The standard palette with the silver entry, the classic button face, replaced by `face`.
Palette paletteWithFace(Rgb face);

}  // namespace artwork
