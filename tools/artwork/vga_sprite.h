#pragma once

#include "canvas.h"
#include "sprite.h"

namespace artwork {

// A sprite drawn with one letter a standard-palette colour:
//   k black, m maroon, e green, o olive, n navy, p purple, t teal, s silver,
//   g grey, r red, l lime, y yellow, b blue, f fuchsia, a aqua, w white; '.' clear.
Canvas vgaSprite(const SpriteRows& rows);

}  // namespace artwork
