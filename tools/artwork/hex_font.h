#pragma once

#include <cstdint>

#include "canvas.h"

namespace artwork {

inline constexpr int hexGlyphWidth = 6;
inline constexpr int hexGlyphHeight = 9;

// A bold 6 x 9 hexadecimal digit (0 to 15) in `ink`, as a layer.
Canvas hexDigit(int value, std::uint8_t ink);

}  // namespace artwork
