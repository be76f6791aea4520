#pragma once

#include "bmp_format.h"
#include "canvas.h"

namespace artwork {

// The program's icon, a coded sheet with its key, in the standard palette with clear surroundings.
Canvas programIcon32();
Canvas programIcon16();

// The .ico file: the 32 x 32 image, then the 16 x 16 one for captions and small lists.
Bytes programIconFile();

}  // namespace artwork
