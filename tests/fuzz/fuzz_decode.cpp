// Any byte string may reach the decoder as a coded file: it must never crash on one, and it must end
// each one, with the same bytes and the same result, as the plain reference decoder does, also when it
// decodes in rounds of a few codes. The decoders are reused from input to input, as the program reuses
// one from file to file.
#include "lzw_codec.h"
#include "reference_lzw.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto decoder = std::make_unique<votrana::LzwDecoder>();
    static const auto inRounds = std::make_unique<votrana::LzwDecoder>(votrana::DecoderTuning{0, 400, 2});
    const std::span<const std::uint8_t> coded(data, size);
    const votrana::reference::Decoded theirs = votrana::reference::decompress(coded);
    for (votrana::LzwDecoder* ours : {decoder.get(), inRounds.get()}) {
        const votrana::DecodedBytes decoded = votrana::decompressBytes(*ours, coded);
        if (decoded.result != theirs.result || decoded.bytes != theirs.bytes) {
            std::abort();
        }
    }
    return 0;
}
