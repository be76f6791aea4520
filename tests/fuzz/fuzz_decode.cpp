// Any byte string may reach the decoder as a coded file: it must never crash on one, and it must end
// each one, with the same bytes and the same result, as the plain reference decoder does. The decoder
// is reused from input to input, as the program reuses it from file to file.
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
    const std::span<const std::uint8_t> coded(data, size);
    const votrana::DecodedBytes ours = votrana::decompressBytes(*decoder, coded);
    const votrana::reference::Decoded theirs = votrana::reference::decompress(coded);
    if (ours.result != theirs.result || ours.bytes != theirs.bytes) {
        std::abort();
    }
    return 0;
}
