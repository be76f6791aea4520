#include "lzw_decoder.h"

#include <bit>
#include <cstring>

namespace votrana {

CodecResult LzwDecoder::decompress(ByteSource& source, ByteSink& target)
{
    target_ = &target;
    matcher_.reset();
    reader_.reset(source);
    readCounter_ = 256;
    previousCode_ = 0;
    plainUsed_ = 0;
    CodecResult result = decodeStream();
    if (result == CodecResult::done && !endsAfterEndCode()) {
        result = reader_.failed() ? CodecResult::readError : CodecResult::damagedStream;
    }
    const bool handedOver = handOverDecoded();
    if (result != CodecResult::done) {
        return result;
    }
    return handedOver ? CodecResult::done : CodecResult::writeError;
}

// Only the zero fill may follow the end code. An empty source is coded as eight 1 bits and then the
// end code, 111111110, as the second code; reading takes the first nine 1 bits for the end code, so
// the other eight bits, 11111110, must come before the fill.
bool LzwDecoder::endsAfterEndCode()
{
    const bool readFirst = readCounter_ == firstFreeCode;
    return (!readFirst || reader_.readBits(8) == 0xFE) && reader_.onlyZeroFillFollows();
}

CodecResult LzwDecoder::decodeStream()
{
    while (!matcher_.full() || readCounter_ < codeCount) {
        const std::int32_t code = readCode();
        if (code == noCode) {
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
// the matcher only moves. This loop carries nearly all of a long stream, so it keeps its state in
// local variables and hands it back to the members only around the rare steps that use them.
CodecResult LzwDecoder::decodeWhileFull()
{
    keepShortStrings();
    BitReader::Window window = reader_.window();
    const CodeDictionary& dictionary = matcher_.dictionary();
    std::int32_t matched = matcher_.matched();
    std::size_t used = plainUsed_;
    std::uint8_t* const plain = plain_.data();
    CodecResult result = CodecResult::done;
    for (;;) {
        const std::int32_t code = reader_.readBits(window, 12);
        if (code == noCode) {
            result = reader_.failed() ? CodecResult::readError : CodecResult::damagedStream;
            break;
        }
        if (code == endCode) {
            break;
        }
        const std::size_t start = used;
        const std::uint32_t length = dictionary.stringLength(code);
        const auto& shortString = shortStrings_[static_cast<std::size_t>(code)];
        if (length <= shortStringSize) {
            std::memcpy(plain + start, shortString.data(), shortStringSize);
            used += length;
        } else {
            plainUsed_ = used;
            writeString(code);
            used = plainUsed_;
        }
        if (matched != noCode && !dictionary.hasChild(matched, shortString[0])) {
            matched = code;
        } else {
            matcher_.setMatched(matched);
            matcher_.matchBytes(std::span(plain + start, used - start));
            matched = matcher_.matched();
        }
        if (used >= blockSize) {
            plainUsed_ = used;
            if (!handOverDecoded()) {
                result = CodecResult::writeError;
                break;
            }
            used = 0;
        }
    }
    reader_.setWindow(window);
    matcher_.setMatched(matched);
    plainUsed_ = used;
    return result;
}

// The alphabet grows by one with every code read, up to 4096, whatever the dictionary holds.
std::int32_t LzwDecoder::readCode()
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
    if (low == noCode) {
        return noCode;
    }
    return 2 * high + low - shortCodes;
}

// Appends the string of `code` to the decoded bytes and replays it through the matcher. A code one
// past the dictionary stands for the string the encoder added one step before the decoder could: the
// previous string followed by its own first byte. False for a code the dictionary cannot explain.
bool LzwDecoder::nextDecodedString(std::int32_t code)
{
    const std::size_t start = plainUsed_;
    const std::int32_t nextCode = matcher_.nextCode();
    if (code < nextCode) {
        previousCode_ = code;
        writeString(code);
        replayString(std::span(plain_.data() + start, plainUsed_ - start), code, false);
        return true;
    }
    if (code == nextCode && previousCode_ < nextCode) {
        const std::int32_t repeated = previousCode_;
        previousCode_ = nextCode;
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
void LzwDecoder::replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious)
{
    const std::uint8_t first = string.front();
    const std::int32_t matched = matcher_.matched();
    if (!repeatsPrevious && matched == noCode) {
        matcher_.setMatched(code);
        return;
    }
    const bool matchEndsHere = matched != noCode && !matcher_.dictionary().hasChild(matched, first);
    if (matchEndsHere && !repeatsPrevious) {
        matcher_.addEntry(first);
        matcher_.setMatched(code);
        return;
    }
    if (matchEndsHere && matched == code) {
        const std::int32_t added = matcher_.nextCode();
        matcher_.addEntry(first);
        matcher_.setMatched(added);
        return;
    }
    matcher_.matchBytes(string);
}

// Codes are visited in order, so a parent's string is ready before its children's. A longer string
// keeps only its first byte here.
void LzwDecoder::keepShortStrings()
{
    const CodeDictionary& dictionary = matcher_.dictionary();
    for (std::int32_t code = 0; code < codeCount; ++code) {
        if (code == endCode) {
            continue;
        }
        auto& string = shortStrings_[static_cast<std::size_t>(code)];
        const DictEntry& entry = dictionary[code];
        if (entry.parent == noCode) {
            string[0] = static_cast<std::uint8_t>(entry.byteValue);
            continue;
        }
        string = shortStrings_[static_cast<std::size_t>(entry.parent)];
        const std::uint32_t length = dictionary.stringLength(code);
        if (length <= shortStringSize) {
            string[length - 1] = static_cast<std::uint8_t>(entry.byteValue);
        }
    }
}

// Writes the string of `code` by following parent links from its last byte back to its first.
void LzwDecoder::writeString(std::int32_t code)
{
    const CodeDictionary& dictionary = matcher_.dictionary();
    const std::size_t length = dictionary.stringLength(code);
    std::uint8_t* out = plain_.data() + plainUsed_ + length;
    do {
        const DictEntry& entry = dictionary[code];
        *--out = static_cast<std::uint8_t>(entry.byteValue);
        code = entry.parent;
    } while (code != noCode);
    plainUsed_ += length;
}

bool LzwDecoder::handOverDecoded()
{
    const bool written = plainUsed_ == 0 || target_->write(std::span(plain_.data(), plainUsed_));
    plainUsed_ = 0;
    return written;
}

}  // namespace votrana
