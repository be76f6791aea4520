// A deliberately plain coder that follows the documented algorithm step by step: sibling lists walked
// one entry at a time, one bit per call, a byte stack for decoding. It is slow and obviously right,
// and the tests hold the real codec to it bit for bit.
#pragma once

#include "codec_result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace votrana::reference {

std::vector<std::uint8_t> compress(std::span<const std::uint8_t> plain);

struct Decoded {
    CodecResult result;
    std::vector<std::uint8_t> bytes;
};
Decoded decompress(std::span<const std::uint8_t> coded);

// Writes `codes` as a stream: the i-th with the alphabet min(256 + i, 4096), then the end code and
// the fill bits. Codes that the encoder would never write make streams for the decoder's odd cases.
std::vector<std::uint8_t> writeCodes(std::span<const std::int32_t> codes);

}  // namespace votrana::reference
