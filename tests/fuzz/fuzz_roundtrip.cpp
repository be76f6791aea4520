// Every plain input must code exactly as the plain reference coder codes it, also when split into
// ranges small enough to reach every way of joining them, come back unchanged, and grow by at most
// half plus 3 bytes.
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
    static const std::unique_ptr<votrana::LzwEncoder> splitEncoders[] = {
        std::make_unique<votrana::LzwEncoder>(votrana::EncoderTuning{2048, 1, 1}),
        std::make_unique<votrana::LzwEncoder>(votrana::EncoderTuning{4096, 37, 2}),
        std::make_unique<votrana::LzwEncoder>(votrana::EncoderTuning{16384, 600, 1}),
    };
    const std::span<const std::uint8_t> plain(data, size);
    const std::vector<std::uint8_t> coded = votrana::compressBytes(codec->encoder, plain);
    if (coded.size() > 3 * size / 2 + 3 || coded != votrana::reference::compress(plain)) {
        std::abort();
    }
    for (const auto& encoder : splitEncoders) {
        if (votrana::compressBytes(*encoder, plain) != coded) {
            std::abort();
        }
    }
    const votrana::DecodedBytes decoded = votrana::decompressBytes(codec->decoder, coded);
    if (decoded.result != votrana::CodecResult::done || !std::ranges::equal(decoded.bytes, plain)) {
        std::abort();
    }
    return 0;
}
