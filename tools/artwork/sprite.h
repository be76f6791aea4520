#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace artwork {

// Pixel art written as text, one string a row, one character a pixel.
using SpriteRows = std::vector<std::string_view>;

// Gives the colour of one character of a sprite; Canvas::clear leaves the pixel empty.
using ColourOf = std::function<std::uint8_t(char symbol)>;

// Turns sprite rows into a layer. Rows of unequal length are a mistake in the art and throw.
Canvas spriteLayer(const SpriteRows& rows, const ColourOf& colourOf);

// A sprite whose '#' pixels take `ink` and whose other pixels stay clear.
Canvas inkSprite(const SpriteRows& rows, std::uint8_t ink);

}  // namespace artwork
