// Every plain input must code exactly as the plain reference coder codes it, come back unchanged, and
// grow by at most half plus 3 bytes.
#include "lzw_codec.h"
#include "reference_lzw.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto codec = std::make_unique<votrana::Codec>();
    const std::span<const std::uint8_t> plain(data, size);
    const std::vector<std::uint8_t> coded = votrana::compressBytes(codec->encoder, plain);
    if (coded.size() > 3 * size / 2 + 3 || coded != votrana::reference::compress(plain)) {
        std::abort();
    }
    const votrana::DecodedBytes decoded = votrana::decompressBytes(codec->decoder, coded);
    if (decoded.result != votrana::CodecResult::done || !std::ranges::equal(decoded.bytes, plain)) {
        std::abort();
    }
    return 0;
}
