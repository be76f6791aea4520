// The decompressing direction of the LZW coder (the format is in lzw_codec.h). It keeps its tables
// from run to run, so that nothing is allocated while a file is decoded; every run starts from an
// empty dictionary, so runs never influence each other.
#pragma once

#include "bit_reader.h"
#include "byte_stream.h"
#include "codec_result.h"
#include "lzw_codes.h"
#include "lzw_matcher.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace votrana {

class LzwDecoder {
public:
    // Decodes the one coded stream that must make up all of `source` into `target`.
    CodecResult decompress(ByteSource& source, ByteSink& target);

private:
    static constexpr std::size_t blockSize = 1 << 16;
    // The strings of the full dictionary that fit, copied whole in place of a walk up the parents.
    static constexpr std::uint32_t shortStringSize = 16;

    CodecResult decodeStream();
    bool endsAfterEndCode();
    CodecResult decodeWhileFull();
    void keepShortStrings();
    std::int32_t readCode();
    bool nextDecodedString(std::int32_t code);
    void replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious);
    void writeString(std::int32_t code);
    bool handOverDecoded();

    ByteSink* target_ = nullptr;
    Matcher matcher_;
    BitReader reader_;
    std::int32_t readCounter_ = 256;  // the alphabet of the last code read
    std::int32_t previousCode_ = 0;
    std::size_t plainUsed_ = 0;
    // The decoded bytes not yet handed over, with room for one more string.
    std::array<std::uint8_t, blockSize + longestString + 1> plain_{};
    std::array<std::array<std::uint8_t, shortStringSize>, codeCount> shortStrings_{};
};

}  // namespace votrana
