#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"
#include "palette.h"

namespace artwork {

using Bytes = std::vector<std::uint8_t>;

// A Windows bitmap file: 4 bits a pixel, 16 palette entries, uncompressed, bottom-up.
Bytes encodeBmp(const Canvas& picture, const Palette& palette);

struct IconImage {
    const Canvas& picture;  // clear pixels become transparent
    const Palette& palette;
};

// A Windows icon file holding the given 16-colour images, in the order given.
Bytes encodeIco(const std::vector<IconImage>& images);

}  // namespace artwork
