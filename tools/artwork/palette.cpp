#include "palette.h"

namespace artwork {

Palette standardPalette()
{
    return {{
        {0, 0, 0},
        {128, 0, 0},
        {0, 128, 0},
        {128, 128, 0},
        {0, 0, 128},
        {128, 0, 128},
        {0, 128, 128},
        {192, 192, 192},
        {128, 128, 128},
        {255, 0, 0},
        {0, 255, 0},
        {255, 255, 0},
        {0, 0, 255},
        {255, 0, 255},
        {0, 255, 255},
        {255, 255, 255},
    }};
}

Palette paletteWithFace(Rgb face)
{
    Palette palette = standardPalette();
    palette[silver] = face;
    return palette;
}

}  // namespace artwork
