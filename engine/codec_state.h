// The working state of one compression or decompression run, kept from run to run so that nothing
// is allocated while a file is coded. Every run starts from resetCodec, so runs never influence
// each other.
#pragma once

#include "bit_reader.h"
#include "bit_writer.h"
#include "byte_stream.h"
#include "codec_result.h"
#include "code_dictionary.h"
#include "frozen_trie.h"

#include <array>
#include <cstdint>
#include <span>

namespace votrana {

class CodecState {
public:
    CodecState() { dictionary_.reset(); }
    CodecState(const CodecState&) = delete;
    CodecState& operator=(const CodecState&) = delete;

    CodecResult compress(ByteSource& source, ByteSink& target);
    CodecResult decompress(ByteSource& source, ByteSink& target);

    // What the last run built, for inspection.
    const CodeDictionary& dictionary() const { return dictionary_; }
    std::int32_t nextCode() const { return nextCode_; }

private:
    static constexpr std::size_t blockSize = 1 << 16;

    void resetCodec(ByteSource& source, ByteSink& target);

    // The matcher, shared by encoder and decoder: a greedy walk down the dictionary.
    std::int32_t searchByte(std::uint8_t byte) const
    {
        return matchedCode_ < 0 ? byte : dictionary_.findChild(matchedCode_, byte);
    }
    void descend(std::int32_t code) { matchedCode_ = code; }
    // Adds the matched string followed by `byte`, while there is room, and starts matching again at
    // the root with `byte`. The root holds every byte value, so that restart matches it at once.
    void addEntry(std::uint8_t byte)
    {
        if (nextCode_ < codeCount) {
            dictionary_.add(nextCode_, matchedCode_, byte);
            ++nextCode_;
        }
        matchedCode_ = byte;
    }
    void matchByte(std::uint8_t byte)
    {
        const std::int32_t code = searchByte(byte);
        if (code >= 0) {
            descend(code);
        } else {
            addEntry(byte);
        }
    }

    // Encoder.
    CodecResult encodeStream();
    std::span<const std::uint8_t> encodeWhileGrowing(std::span<const std::uint8_t> bytes);
    void encodeWhileFull(std::span<const std::uint8_t> bytes);
    void writeTwelveBitCodes(std::span<const std::uint16_t> codes);
    void writeCode(std::int32_t code);
    void writeEndCode();
    void flushBits();

    // Decoder.
    CodecResult decodeStream();
    bool endsAfterEndCode();
    CodecResult decodeWhileFull();
    void keepShortStrings();
    std::int32_t readCode();
    bool nextDecodedString(std::int32_t code);
    void replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious);
    void writeString(std::int32_t code);
    bool handOverDecoded();

    ByteSource* source_ = nullptr;
    ByteSink* target_ = nullptr;
    CodeDictionary dictionary_;
    FrozenTrie frozen_;
    bool frozenBuilt_ = false;
    std::array<std::uint16_t, 2048> firstSteps_{};
    std::array<std::uint16_t, 2048> stretchCodes_{};
    std::int32_t nextCode_ = firstFreeCode;
    std::int32_t matchedCode_ = -1;  // the string matched so far; -1 at the root
    std::int32_t readCounter_ = 256;
    std::int32_t previousCode_ = 0;
    BitWriter writer_;
    BitReader reader_;
    std::size_t plainUsed_ = 0;
    // Plain bytes: the encoder's input block, or the decoder's output with room for one more string.
    std::array<std::uint8_t, blockSize + longestString + 1> plain_{};
    // The strings of the full dictionary that fit, copied whole in place of a walk up the parents.
    static constexpr std::uint32_t shortStringSize = 16;
    std::array<std::array<std::uint8_t, shortStringSize>, codeCount> shortStrings_{};
};

}  // namespace votrana
