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
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace votrana {

// How the encoder splits the input once the dictionary is full: it holds up to bufferBytes of input
// at a time, cuts it into ranges of about rangeBytes and parses each from its own start, six ranges
// side by side, on `threads` threads (0: two where the machine has two cores or more, else no split;
// 1: the calling thread alone). The coded stream is the same whatever the tuning.
struct EncoderTuning {
    std::size_t bufferBytes = std::size_t{1} << 22;
    std::size_t rangeBytes = std::size_t{1} << 15;
    unsigned threads = 0;
};

class LzwEncoder {
public:
    LzwEncoder() : LzwEncoder(EncoderTuning{}) {}
    explicit LzwEncoder(const EncoderTuning& tuning);

    // Codes all of `source` into `target`, end code and fill included.
    CodecResult compress(ByteSource& source, ByteSink& target);

    // Where a greedy parse stopped: the start of the next string, or of the match the input ended in.
    struct Parsed {
        std::size_t end;
        bool open;
        std::uint32_t node;  // the open match
    };

    // The codes of one range parsed from its own start, 12 bits each from the first bit of `coded`.
    struct Range {
        std::size_t begin;
        std::size_t limit;  // strings start before it; the last may run on
        Parsed parsed;
        std::size_t codeCount;
        std::uint8_t* coded;
        std::atomic<bool> done;
    };

private:
    CodecResult encodeStream(ByteSource& source);
    std::span<const std::uint8_t> encodeWhileGrowing(std::span<const std::uint8_t> bytes);
    void encodeWhileFull(std::span<const std::uint8_t> bytes);
    Parsed encodeRanges(std::span<const std::uint8_t> bytes, std::size_t rangeCount);
    Parsed joinRange(std::span<const std::uint8_t> bytes, const Range& range, Parsed state);
    Parsed encodeOneString(std::span<const std::uint8_t> bytes, std::size_t start);
    void writeCode(std::int32_t code, std::uint32_t alphabet);
    void flushBits();

    EncoderTuning tuning_;
    Matcher matcher_;
    FrozenTrie frozen_;
    bool frozenBuilt_ = false;
    std::array<std::uint16_t, 2048> firstSteps_{};
    std::array<std::uint16_t, 2048> stretchCodes_{};
    BitWriter writer_;
    std::unique_ptr<std::uint8_t[]> input_;
    std::unique_ptr<std::uint8_t[]> rangeCodes_;
    std::unique_ptr<Range[]> ranges_;
};

}  // namespace votrana
