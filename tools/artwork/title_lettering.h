#pragma once

#include <cstdint>

#include "canvas.h"

namespace artwork {

// The name "Votrana" in large, bold, geometric letters of colour `ink`, as a layer whose
// bottom row holds the letters' round overshoot below the baseline.
Canvas titleLettering(std::uint8_t ink);

}  // namespace artwork
