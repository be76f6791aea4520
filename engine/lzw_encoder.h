// The compressing direction of the LZW coder (the format is in lzw_codec.h). It keeps its tables from
// run to run, so that nothing is allocated while a file is coded; every run starts from an empty
// dictionary, so runs never influence each other.
#pragma once

#include "bit_writer.h"
#include "byte_stream.h"
#include "codec_result.h"
#include "frozen_trie.h"
#include "lzw_matcher.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace votrana {

class LzwEncoder {
public:
    // Codes all of `source` into `target`, end code and fill included.
    CodecResult compress(ByteSource& source, ByteSink& target);

private:
    static constexpr std::size_t blockSize = 1 << 16;

    CodecResult encodeStream(ByteSource& source);
    std::span<const std::uint8_t> encodeWhileGrowing(std::span<const std::uint8_t> bytes);
    void encodeWhileFull(std::span<const std::uint8_t> bytes);
    void writeTwelveBitCodes(std::span<const std::uint16_t> codes);
    void writeCode(std::int32_t code, std::uint32_t alphabet);
    void flushBits();

    Matcher matcher_;
    FrozenTrie frozen_;
    bool frozenBuilt_ = false;
    std::array<std::uint16_t, 2048> firstSteps_{};
    std::array<std::uint16_t, 2048> stretchCodes_{};
    BitWriter writer_;
    std::array<std::uint8_t, blockSize> block_{};
};

}  // namespace votrana
