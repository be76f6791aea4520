// The decompressing direction of the LZW coder (the format is in lzw_codec.h). It keeps its tables
// from run to run; every run starts from an empty dictionary, so runs never influence each other.
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
#include <vector>

namespace votrana {

// Once the dictionary is full, a long stream is decoded in rounds of two ranges of codes, each into a
// buffer of its own, the second by a helper thread.
struct DecoderTuning {
    std::size_t decodedAlone = std::size_t{1} << 20;  // bytes decoded before rounds begin
    std::size_t rangeOutput = std::size_t{1} << 20;   // bytes one range decodes at most, give or take a string
    int threads = 0;  // 0: two where the machine has two cores or more; 1: both ranges in the calling thread
};

class LzwDecoder {
public:
    explicit LzwDecoder(DecoderTuning tuning = {});

    // Decodes the one coded stream that must make up all of `source` into `target`.
    CodecResult decompress(ByteSource& source, ByteSink& target);

    // Where the string of a code starts in the table of full-dictionary strings, and its length.
    struct StringRef {
        std::uint32_t offset;
        std::uint32_t length;
    };

private:
    static constexpr std::size_t blockSize = 1 << 16;

    CodecResult decodeStream();
    bool endsAfterEndCode();
    CodecResult failedOr(CodecResult result) const;
    CodecResult decodeWhileFull();
    CodecResult decodeInRounds();
    void fillCoded(std::size_t codesWanted);
    bool codedEndsAfterEndCode(std::uint64_t endBit);
    void keepFullStrings();
    std::int32_t readCode();
    bool nextDecodedString(std::int32_t code);
    void replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious);
    void writeString(std::int32_t code);
    bool handOverDecoded();

    DecoderTuning tuning_;
    ByteSink* target_ = nullptr;
    Matcher matcher_;
    BitReader reader_;
    std::int32_t readCounter_ = 256;  // the alphabet of the last code read
    std::int32_t previousCode_ = 0;
    std::size_t plainUsed_ = 0;
    // The decoded bytes not yet handed over, with room for one more string.
    std::array<std::uint8_t, blockSize + longestString + 1> plain_{};
    // Every string of the full dictionary, one after the other in order of code.
    std::array<StringRef, codeCount> fullStrings_{};
    std::vector<std::uint8_t> fullStringBytes_;
    // The coded bytes of the rounds; the codes start at codedBit, 12 bits each.
    std::vector<std::uint8_t> coded_;
    std::size_t codedSize_ = 0;
    std::uint64_t codedBit_ = 0;
    std::array<std::vector<std::uint8_t>, 2> rangePlain_;
};

}  // namespace votrana
