// A deliberately plain LZW coder of the coded format (lzw_codec.h): a map for the dictionary and one
// bit at a time. It is slow and obviously right; the tests and the fuzzers hold the real codec to it
// bit for bit.
#pragma once

#include "codec_result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace votrana::reference {

// The codes the encoder writes for `plain`, the end code left out. The empty input gives the one
// code -1, which the format writes as eight 1 bits.
std::vector<std::int32_t> parse(std::span<const std::uint8_t> plain);

// Writes `codes` as a stream: the i-th (from 0) in the alphabet min(257 + i, 4096), then the end code
// and the fill. Codes that the encoder would never write make streams for the decoder's odd cases.
std::vector<std::uint8_t> writeCodes(std::span<const std::int32_t> codes);

inline std::vector<std::uint8_t> compress(std::span<const std::uint8_t> plain)
{
    return writeCodes(parse(plain));
}

struct Decoded {
    CodecResult result;
    std::vector<std::uint8_t> bytes;
};
Decoded decompress(std::span<const std::uint8_t> coded);

}  // namespace votrana::reference
