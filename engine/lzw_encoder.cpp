#include "codec_state.h"

#include <bit>

namespace votrana {

void CodecState::resetCodec(ByteSource& source, ByteSink& target)
{
    source_ = &source;
    target_ = &target;
    dictionary_.reset();
    nextCode_ = firstFreeCode;
    matchedCode_ = -1;
    readCounter_ = 256;
    previousCode_ = 0;
    writer_.reset(target);
    reader_.reset(source);
    plainUsed_ = 0;
    frozenBuilt_ = false;
}

CodecResult CodecState::compress(ByteSource& source, ByteSink& target)
{
    resetCodec(source, target);
    const CodecResult result = encodeStream();
    if (result != CodecResult::done) {
        return result;
    }
    writeEndCode();
    flushBits();
    return writer_.failed() ? CodecResult::writeError : CodecResult::done;
}

// Greedy longest match: the matched string grows while the dictionary holds it; at the first byte
// that ends the match its code is written and the string with that byte is added.
CodecResult CodecState::encodeStream()
{
    for (;;) {
        const auto got = source_->read(std::span(plain_.data(), blockSize));
        if (!got) {
            return CodecResult::readError;
        }
        if (*got == 0) {
            break;
        }
        const auto rest = encodeWhileGrowing(std::span(plain_.data(), *got));
        encodeWhileFull(rest);
        if (writer_.failed()) {
            return CodecResult::writeError;
        }
    }
    // With an empty source nothing was matched, and -1 goes out as a code of all one bits.
    writeCode(matchedCode_);
    return CodecResult::done;
}

// Encodes until the bytes run out or the dictionary is full; returns the bytes left.
std::span<const std::uint8_t> CodecState::encodeWhileGrowing(std::span<const std::uint8_t> bytes)
{
    std::size_t position = 0;
    while (position < bytes.size() && nextCode_ < codeCount) {
        const std::uint8_t byte = bytes[position++];
        const std::int32_t code = searchByte(byte);
        if (code >= 0) {
            descend(code);
        } else {
            writeCode(matchedCode_);
            addEntry(byte);
        }
    }
    return bytes.subspan(position);
}

// The same walk over the full dictionary, where every code is 12 bits wide and nothing is added.
// It runs on the frozen layout. Most strings are short, so the first step below the root, which
// depends only on two input bytes, is looked up for a whole stretch of input ahead of the walk:
// those look-ups run side by side instead of one after the other behind each mispredicted branch.
void CodecState::encodeWhileFull(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        return;
    }
    if (!frozenBuilt_) {
        frozen_.build(dictionary_);
        frozenBuilt_ = true;
    }
    const FrozenTrie::View trie = frozen_.view();
    const std::size_t size = bytes.size();
    std::uint32_t matched = trie.idOf[matchedCode_];
    std::size_t start = 0;  // where the next string starts
    while (start < size) {
        const std::uint32_t child = trie.child(matched, bytes[start]);
        if (child == FrozenTrie::noChild) {
            break;
        }
        matched = child;
        ++start;
    }
    if (start == size) {
        matchedCode_ = trie.codeOf[matched];
        return;
    }
    writer_.writeBits(trie.codeOf[matched], 12);

    std::uint16_t* const firstSteps = firstSteps_.data();
    std::uint16_t* const codes = stretchCodes_.data();
    while (start + 1 < size) {
        const std::size_t stretchEnd = std::min(start + firstSteps_.size(), size);
        for (std::size_t at = start; at + 1 < stretchEnd; ++at) {
            firstSteps[at - start] = static_cast<std::uint16_t>(trie.pair(&bytes[at]));
        }
        std::size_t codeCount = 0;
        std::size_t at = start;
        bool matchOpen = false;
        while (at + 1 < stretchEnd) {
            matched = firstSteps[at - start];
            if (matched == FrozenTrie::noChild) {
                codes[codeCount++] = bytes[at];  // the code of a single byte is its value
                ++at;
                continue;
            }
            std::size_t end = at + 2;
            for (std::uint32_t next; end < size && (next = trie.child(matched, bytes[end])) != FrozenTrie::noChild; ++end) {
                matched = next;
            }
            if (end == size) {
                matchOpen = true;
                break;
            }
            codes[codeCount++] = trie.codeOf[matched];
            at = end;
        }
        writeTwelveBitCodes(std::span(codes, codeCount));
        if (matchOpen) {
            matchedCode_ = trie.codeOf[matched];
            return;
        }
        start = at;
    }
    // One byte is left, and its match stays open for the next block.
    matchedCode_ = bytes[start];
}

// Two codes fill three bytes, so codes written in pairs keep the writer's rhythm regular.
void CodecState::writeTwelveBitCodes(std::span<const std::uint16_t> codes)
{
    BitWriter::Window window = writer_.openWindow(codes.size() * 3 / 2 + 8);
    std::size_t at = 0;
    for (; at + 1 < codes.size(); at += 2) {
        BitWriter::writeBits(window, static_cast<std::uint32_t>(codes[at]) << 12 | codes[at + 1], 24);
    }
    if (at < codes.size()) {
        BitWriter::writeBits(window, codes[at], 12);
    }
    writer_.closeWindow(window);
}

// A truncated binary code for the alphabet of nextCode values: with n the bit width of the alphabet
// size and u the unused values of n bits, a code below u takes n - 1 bits and the others take n bits
// of code + u.
void CodecState::writeCode(std::int32_t code)
{
    const auto alphabet = static_cast<std::uint32_t>(nextCode_);
    const int width = std::bit_width(alphabet);
    const auto shortCodes = static_cast<std::int32_t>((1u << width) - alphabet);
    if (code < shortCodes) {
        writer_.writeBits(static_cast<std::uint32_t>(code) & ((1u << (width - 1)) - 1), width - 1);
    } else {
        writer_.writeBits(static_cast<std::uint32_t>(code + shortCodes), width);
    }
}

// The end code takes one more step of the alphabet, past 4096 when the dictionary is full; it is
// 12 bits wide then, as the decoder reads it.
void CodecState::writeEndCode()
{
    ++nextCode_;
    writeCode(endCode);
}

// Completes the last byte with zero bits; a whole zero byte when none was unfinished.
void CodecState::flushBits()
{
    while (writer_.writeBit(0) != 0) {
    }
    writer_.finish();
}

}  // namespace votrana
