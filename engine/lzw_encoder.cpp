#include "lzw_encoder.h"

#include <algorithm>
#include <bit>

namespace votrana {

CodecResult LzwEncoder::compress(ByteSource& source, ByteSink& target)
{
    matcher_.reset();
    frozenBuilt_ = false;
    writer_.reset(target);
    const CodecResult result = encodeStream(source);
    if (result != CodecResult::done) {
        return result;
    }
    // The end code takes one more step of the alphabet, past 4096 when the dictionary is full; it is
    // 12 bits wide then, as the decoder reads it.
    writeCode(endCode, static_cast<std::uint32_t>(matcher_.nextCode()) + 1);
    flushBits();
    return writer_.failed() ? CodecResult::writeError : CodecResult::done;
}

// Greedy longest match: the matched string grows while the dictionary holds it; at the first byte
// that ends the match its code is written and the string with that byte is added.
CodecResult LzwEncoder::encodeStream(ByteSource& source)
{
    for (;;) {
        const auto got = source.read(block_);
        if (!got) {
            return CodecResult::readError;
        }
        if (*got == 0) {
            break;
        }
        const auto rest = encodeWhileGrowing(std::span(block_.data(), *got));
        encodeWhileFull(rest);
        if (writer_.failed()) {
            return CodecResult::writeError;
        }
    }
    // With an empty source nothing was matched, and noCode goes out as a code of all one bits.
    writeCode(matcher_.matched(), static_cast<std::uint32_t>(matcher_.nextCode()));
    return CodecResult::done;
}

// Encodes until the bytes run out or the dictionary is full; returns the bytes left.
std::span<const std::uint8_t> LzwEncoder::encodeWhileGrowing(std::span<const std::uint8_t> bytes)
{
    std::size_t position = 0;
    while (position < bytes.size() && !matcher_.full()) {
        const std::uint8_t byte = bytes[position++];
        const std::int32_t code = matcher_.search(byte);
        if (code != noCode) {
            matcher_.setMatched(code);
        } else {
            writeCode(matcher_.matched(), static_cast<std::uint32_t>(matcher_.nextCode()));
            matcher_.addEntry(byte);
        }
    }
    return bytes.subspan(position);
}

// The same walk over the full dictionary, where every code is 12 bits wide and nothing is added.
// It runs on the frozen layout. Most strings are short, so the first step below the root, which
// depends only on two input bytes, is looked up for a whole stretch of input ahead of the walk:
// those look-ups run side by side instead of one after the other behind each mispredicted branch.
void LzwEncoder::encodeWhileFull(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        return;
    }
    if (!frozenBuilt_) {
        frozen_.build(matcher_.dictionary());
        frozenBuilt_ = true;
    }
    const FrozenTrie::View trie = frozen_.view();
    const std::size_t size = bytes.size();
    std::uint32_t matched = trie.idOf[matcher_.matched()];
    std::size_t start = 0;  // where the next string starts
    while (start < size) {
        const std::uint32_t child = trie.child(matched, bytes[start]);
        if (child == noCode16) {
            break;
        }
        matched = child;
        ++start;
    }
    if (start == size) {
        matcher_.setMatched(trie.codeOf[matched]);
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
            if (matched == noCode16) {
                codes[codeCount++] = bytes[at];  // the code of a single byte is its value
                ++at;
                continue;
            }
            std::size_t end = at + 2;
            for (std::uint32_t next; end < size && (next = trie.child(matched, bytes[end])) != noCode16; ++end) {
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
            matcher_.setMatched(trie.codeOf[matched]);
            return;
        }
        start = at;
    }
    // One byte is left, and its match stays open for the next block.
    matcher_.setMatched(bytes[start]);
}

// Two codes fill three bytes, so codes written in pairs keep the writer's rhythm regular.
void LzwEncoder::writeTwelveBitCodes(std::span<const std::uint16_t> codes)
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

// A truncated binary code for an alphabet of `alphabet` values: with n the bit width of the alphabet
// size and u the unused values of n bits, a code below u takes n - 1 bits and the others take n bits
// of code + u.
void LzwEncoder::writeCode(std::int32_t code, std::uint32_t alphabet)
{
    const int width = std::bit_width(alphabet);
    const auto shortCodes = static_cast<std::int32_t>((1u << width) - alphabet);
    if (code < shortCodes) {
        writer_.writeBits(static_cast<std::uint32_t>(code) & ((1u << (width - 1)) - 1), width - 1);
    } else {
        writer_.writeBits(static_cast<std::uint32_t>(code + shortCodes), width);
    }
}

// Completes the last byte with zero bits; a whole zero byte when none was unfinished.
void LzwEncoder::flushBits()
{
    while (writer_.writeBit(0) != 0) {
    }
    writer_.finish();
}

}  // namespace votrana
