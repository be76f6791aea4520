#pragma once

#include "canvas.h"
#include "palette.h"

namespace artwork {

inline constexpr int pictureWidth = 330;
inline constexpr int pictureHeight = 132;

// The picture of the main window: the name, five rows of coded bytes and the program's
// emblem on light water.
Canvas mainPicture();

// The picture's own 16 colours: the few that its drawing needs and a run of water tones.
Palette mainPicturePalette();

}  // namespace artwork
