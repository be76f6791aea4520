#include "codec_state.h"

#include <bit>

namespace votrana {

CodecResult CodecState::decompress(ByteSource& source, ByteSink& target)
{
    resetCodec(source, target);
    const CodecResult result = decodeStream();
    const bool handedOver = handOverDecoded();
    if (result != CodecResult::done) {
        return result;
    }
    return handedOver ? CodecResult::done : CodecResult::writeError;
}

CodecResult CodecState::decodeStream()
{
    while (nextCode_ < codeCount || readCounter_ < codeCount) {
        const std::int32_t code = readCode();
        if (code == BitReader::pastEnd) {
            return reader_.failed() ? CodecResult::readError : CodecResult::damagedStream;
        }
        if (code == endCode) {
            return CodecResult::done;
        }
        if (!nextDecodedString(code)) {
            return CodecResult::damagedStream;
        }
        if (plainUsed_ >= blockSize && !handOverDecoded()) {
            return CodecResult::writeError;
        }
    }
    return decodeWhileFull();
}

// Once the dictionary is full and every code is 12 bits wide, a code is always below nextCode and
// the matcher only moves. This is the loop that carries nearly all of a long stream.
CodecResult CodecState::decodeWhileFull()
{
    for (;;) {
        const std::int32_t code = reader_.readBits(12);
        if (code == BitReader::pastEnd) {
            return reader_.failed() ? CodecResult::readError : CodecResult::damagedStream;
        }
        if (code == endCode) {
            return CodecResult::done;
        }
        const std::size_t start = plainUsed_;
        writeString(code);
        if (matchedCode_ >= 0 && !dictionary_.hasChild(matchedCode_, plain_[start])) {
            matchedCode_ = code;
        } else {
            for (std::size_t at = start; at < plainUsed_; ++at) {
                matchByte(plain_[at]);
            }
        }
        if (plainUsed_ >= blockSize && !handOverDecoded()) {
            return CodecResult::writeError;
        }
    }
}

// The alphabet grows by one with every code read, up to 4096, whatever the dictionary holds.
std::int32_t CodecState::readCode()
{
    if (readCounter_ < codeCount) {
        ++readCounter_;
    }
    const auto alphabet = static_cast<std::uint32_t>(readCounter_);
    const int width = std::bit_width(alphabet);
    const auto shortCodes = static_cast<std::int32_t>((1u << width) - alphabet);
    const std::int32_t high = reader_.readBits(width - 1);
    if (high < shortCodes) {
        return high;
    }
    const int low = reader_.readBit();
    if (low == BitReader::pastEnd) {
        return BitReader::pastEnd;
    }
    return 2 * high + low - shortCodes;
}

// Appends the string of `code` to the decoded bytes and replays it through the matcher. A code one
// past the dictionary stands for the string the encoder added one step before the decoder could: the
// previous string followed by its own first byte. False for a code the dictionary cannot explain.
bool CodecState::nextDecodedString(std::int32_t code)
{
    const std::size_t start = plainUsed_;
    if (code < nextCode_) {
        previousCode_ = code;
        writeString(code);
        replayString(std::span(plain_.data() + start, plainUsed_ - start), code, false);
        return true;
    }
    if (code == nextCode_ && previousCode_ < nextCode_) {
        const std::int32_t repeated = previousCode_;
        previousCode_ = nextCode_;
        writeString(repeated);
        plain_[plainUsed_++] = plain_[start];
        replayString(std::span(plain_.data() + start, plainUsed_ - start), repeated, true);
        return true;
    }
    return false;
}

// Feeds a decoded string through the matcher, so that the dictionary grows as the encoder's did.
// On streams this encoder writes, each string starts where the last match ended: the matcher adds
// one entry at the string's first byte and then walks down to the string's own code, which costs one
// look-up instead of one per byte. Any other stream is replayed byte by byte.
void CodecState::replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious)
{
    const std::uint8_t first = string.front();
    if (!repeatsPrevious && matchedCode_ < 0) {
        matchedCode_ = code;
        return;
    }
    const bool matchEndsHere = matchedCode_ >= 0 && !dictionary_.hasChild(matchedCode_, first);
    if (matchEndsHere && !repeatsPrevious) {
        addEntry(first);
        matchedCode_ = code;
        return;
    }
    if (matchEndsHere && matchedCode_ == code) {
        const std::int32_t added = nextCode_;
        addEntry(first);
        matchedCode_ = added;
        return;
    }
    for (const std::uint8_t byte : string) {
        matchByte(byte);
    }
}

// Writes the string of `code` by following parent links from its last byte back to its first.
void CodecState::writeString(std::int32_t code)
{
    const std::size_t length = dictionary_.stringLength(code);
    std::uint8_t* out = plain_.data() + plainUsed_ + length;
    do {
        const DictEntry& entry = dictionary_[code];
        *--out = static_cast<std::uint8_t>(entry.byteValue);
        code = entry.parent;
    } while (code >= 0);
    plainUsed_ += length;
}

bool CodecState::handOverDecoded()
{
    const bool written = plainUsed_ == 0 || target_->write(std::span(plain_.data(), plainUsed_));
    plainUsed_ = 0;
    return written;
}

}  // namespace votrana
