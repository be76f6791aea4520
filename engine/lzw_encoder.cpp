#include "lzw_encoder.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace votrana {

namespace {

// Ranges parsed side by side: enough to hide the wait for each look-up, few enough for the registers.
constexpr std::size_t lanes = 6;
constexpr std::size_t chunkSteps = 2048;

// Two codes fill three bytes, so codes written in pairs keep the writer's rhythm regular. The window
// goes in and out by value, to live in registers.
BitWriter::Window writeTwelveBitCodes(BitWriter::Window window, const std::uint16_t* codes, std::size_t count)
{
    std::size_t at = 0;
    for (; at + 1 < count; at += 2) {
        BitWriter::writeBits(window, static_cast<std::uint32_t>(codes[at]) << 12 | codes[at + 1], 24);
    }
    if (at < count) {
        BitWriter::writeBits(window, codes[at], 12);
    }
    return window;
}

// The index-th of the 12-bit codes packed from the first bit of `coded`.
std::uint32_t twelveBitCode(const std::uint8_t* coded, std::size_t index)
{
    const std::uint8_t* at = coded + index * 3 / 2;
    return index % 2 == 0 ? std::uint32_t{at[0]} << 4 | at[1] >> 4 : (std::uint32_t{at[0]} & 0xFu) << 8 | at[1];
}

// One byte of a greedy parse over the frozen layout, with no branch to mispredict: the matched string
// grows by the byte, or its code is stored and the byte starts the next string.
inline void parseByte(const FrozenTrie::View& trie, std::uint32_t& matched, std::uint8_t byte, std::uint16_t* codes,
                      std::size_t& codeCount)
{
    const std::uint32_t child = trie.child(matched, byte);
    codes[codeCount] = trie.codeOf[matched];
    const std::uint32_t ends = child == noCode16 ? 1 : 0;
    codeCount += ends;
    matched = child ^ ((child ^ byte) & (0 - ends));
}

// Packs whole fours of codes, 48 bits in six bytes, and moves the rest (up to three) to the front.
// Each four is stored as eight bytes, the last two of them overwritten by the next four or left over.
std::size_t packFours(std::uint16_t* codes, std::size_t count, std::uint8_t*& coded)
{
    std::size_t at = 0;
    for (; at + 4 <= count; at += 4, coded += 6) {
        const std::uint64_t four = std::uint64_t{codes[at]} << 36 | std::uint64_t{codes[at + 1]} << 24 |
                                   std::uint64_t{codes[at + 2]} << 12 | codes[at + 3];
        BitWriter::storeBigEndian(coded, four << 16);
    }
    std::copy(codes + at, codes + count, codes);
    return count - at;
}

// `steps` bytes of each lane, one of each in turn: the look-ups of one lane wait for each other, those
// of different lanes do not. Everything the loop touches is local, so that it stays in registers.
void parseInStep(const FrozenTrie::View& view, const std::uint8_t* const* in, std::size_t steps,
                 std::uint32_t* matchedInOut, std::uint16_t* const* codes, std::size_t* codeCounts)
{
    const FrozenTrie::View trie = view;
    std::uint32_t matched[lanes];
    std::size_t counts[lanes];
    const std::uint8_t* from[lanes];
    std::uint16_t* to[lanes];
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        matched[lane] = matchedInOut[lane];
        counts[lane] = codeCounts[lane];
        from[lane] = in[lane];
        to[lane] = codes[lane];
    }
    for (std::size_t step = 0; step < steps; ++step) {
#pragma GCC unroll 8
        for (std::size_t lane = 0; lane < lanes; ++lane) {
            parseByte(trie, matched[lane], from[lane][step], to[lane], counts[lane]);
        }
    }
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        matchedInOut[lane] = matched[lane];
        codeCounts[lane] = counts[lane];
    }
}

// Parses a group of ranges in step, one byte of each in turn: the look-ups of one range wait for each
// other, those of different ranges do not. The first range may go on with a match carried in.
void parseGroup(const FrozenTrie::View& trie, std::span<const std::uint8_t> bytes, LzwEncoder::Range* group,
                std::uint32_t carried)
{
    std::uint32_t matched[lanes];
    std::size_t next[lanes];
    std::uint8_t* coded[lanes];
    std::uint16_t codes[lanes][chunkSteps + 4];
    std::size_t codeCounts[lanes];  // codes not yet packed
    std::size_t steps = SIZE_MAX;
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        LzwEncoder::Range& range = group[lane];
        const bool carries = lane == 0 && carried != noCode16;
        matched[lane] = carries ? carried : bytes[range.begin];
        next[lane] = carries ? range.begin : range.begin + 1;
        coded[lane] = range.coded;
        codeCounts[lane] = 0;
        steps = std::min(steps, range.limit - next[lane]);
    }
    for (std::size_t done = 0; done < steps;) {
        const std::size_t chunk = std::min(chunkSteps, steps - done);
        const std::uint8_t* in[lanes];
        std::uint16_t* out[lanes];
        for (std::size_t lane = 0; lane < lanes; ++lane) {
            in[lane] = bytes.data() + next[lane] + done;
            out[lane] = codes[lane];
        }
        parseInStep(trie, in, chunk, matched, out, codeCounts);
        for (std::size_t lane = 0; lane < lanes; ++lane) {
            codeCounts[lane] = packFours(codes[lane], codeCounts[lane], coded[lane]);
        }
        done += chunk;
    }
    // The ranges differ in length by a byte or two. Each then runs its last string to its end.
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        LzwEncoder::Range& range = group[lane];
        std::size_t at = next[lane] + steps;
        std::uint32_t node = matched[lane];
        for (; at < range.limit; ++at) {
            parseByte(trie, node, bytes[at], codes[lane], codeCounts[lane]);
        }
        for (std::uint32_t child; at < bytes.size() && (child = trie.child(node, bytes[at])) != noCode16; ++at) {
            node = child;
        }
        if (at == bytes.size()) {
            range.parsed = {at - trie.lengthOf[trie.codeOf[node]], true, node};
        } else {
            codes[lane][codeCounts[lane]++] = trie.codeOf[node];
            range.parsed = {at, false, 0};
        }
        BitWriter::Window window = writeTwelveBitCodes({0, 0, coded[lane]}, codes[lane], codeCounts[lane]);
        BitWriter::flushWindow(window);
        range.codeCount = static_cast<std::size_t>(coded[lane] - range.coded) / 6 * 4 + codeCounts[lane];
    }
}

}  // namespace

LzwEncoder::LzwEncoder(const EncoderTuning& tuning) : tuning_(tuning)
{
    tuning_.bufferBytes = std::max<std::size_t>(tuning_.bufferBytes, 1);
    tuning_.rangeBytes = std::max<std::size_t>(tuning_.rangeBytes, 1);
    if (tuning_.threads == 0) {
        tuning_.threads = std::min(std::thread::hardware_concurrency(), 2u);
        if (tuning_.threads < 2) {
            tuning_ = EncoderTuning{tuning_.bufferBytes, tuning_.bufferBytes, 1};
        }
    }
}

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
    if (!input_) {
        input_ = std::make_unique_for_overwrite<std::uint8_t[]>(tuning_.bufferBytes);
    }
    for (bool more = true; more;) {
        std::size_t filled = 0;
        while (filled < tuning_.bufferBytes) {
            const auto got = source.read(std::span(input_.get() + filled, tuning_.bufferBytes - filled));
            if (!got) {
                return CodecResult::readError;
            }
            if (*got == 0) {
                more = false;
                break;
            }
            filled += *got;
        }
        const auto rest = encodeWhileGrowing(std::span(input_.get(), filled));
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

// The same walk over the full dictionary, where every code is 12 bits wide and nothing is added. It
// runs on the frozen layout. Input long enough is parsed in ranges (see encodeRanges); otherwise most
// strings are short, so the first step below the root, which depends only on two input bytes, is
// looked up for a whole stretch of input ahead of the walk: those look-ups run side by side instead of
// one after the other behind each mispredicted branch.
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
    // In one group the ranges parse no faster than the plain walk on input of short strings; two
    // groups on two threads always do.
    std::size_t groupCount = bytes.size() / tuning_.rangeBytes / lanes;
    if (groupCount == 1 && tuning_.threads >= 2) {
        groupCount = 2;
    }
    const std::size_t rangeCount = groupCount * lanes;
    if (rangeCount > 0) {
        Parsed state = encodeRanges(bytes, rangeCount);
        while (!state.open) {
            state = encodeOneString(bytes, state.end);
        }
        matcher_.setMatched(trie.codeOf[state.node]);
        return;
    }
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
        writer_.closeWindow(writeTwelveBitCodes(writer_.openWindow(codeCount * 3 / 2 + 8), codes, codeCount));
        if (matchOpen) {
            matcher_.setMatched(trie.codeOf[matched]);
            return;
        }
        start = at;
    }
    // One byte is left, and its match stays open for the next block.
    matcher_.setMatched(bytes[start]);
}

// Each range is parsed from its own start, and the first goes on with the match carried in, in groups
// of ranges by whichever thread is free; the parse of each range then joins the true one, in order.
LzwEncoder::Parsed LzwEncoder::encodeRanges(std::span<const std::uint8_t> bytes, std::size_t rangeCount)
{
    if (!ranges_) {
        const std::size_t most = std::max(tuning_.bufferBytes / tuning_.rangeBytes, 2 * lanes);
        ranges_ = std::make_unique<Range[]>(most);
        rangeCodes_ = std::make_unique_for_overwrite<std::uint8_t[]>(tuning_.bufferBytes / 2 * 3 + 8 * most + 8);
    }
    // Lengths differ by one at most, so that a group runs in step to its end.
    const std::size_t shortLength = bytes.size() / rangeCount;
    const std::size_t longRanges = bytes.size() % rangeCount;
    for (std::size_t index = 0, begin = 0; index < rangeCount; ++index) {
        Range& range = ranges_[index];
        range.begin = begin;
        begin += shortLength + (index < longRanges ? 1 : 0);
        range.limit = begin;
        range.coded = rangeCodes_.get() + range.begin / 2 * 3 + 8 * index;
        range.done.store(false, std::memory_order_relaxed);
    }
    const FrozenTrie::View trie = frozen_.view();
    const std::size_t groupCount = rangeCount / lanes;
    std::atomic<std::size_t> nextGroup = 0;
    // Not atomic::wait: where the library has no futex to build it on (MinGW's), a notify can slip in
    // between the waiter's last look and its sleep, and the waiter never wakes.
    std::mutex doneMutex;
    std::condition_variable doneChanged;
    const auto parseNext = [&] {
        const std::size_t group = nextGroup.fetch_add(1, std::memory_order_relaxed);
        if (group >= groupCount) {
            return false;
        }
        Range* const first = &ranges_[group * lanes];
        parseGroup(trie, bytes, first, group == 0 ? trie.idOf[matcher_.matched()] : noCode16);
        {
            const std::lock_guard lock(doneMutex);
            for (std::size_t lane = 0; lane < lanes; ++lane) {
                first[lane].done.store(true, std::memory_order_release);
            }
        }
        doneChanged.notify_all();
        return true;
    };
    std::vector<std::jthread> helpers;
    try {
        for (unsigned helper = 1; helper < tuning_.threads && helper < groupCount; ++helper) {
            helpers.emplace_back([&parseNext] {
                while (parseNext()) {
                }
            });
        }
    } catch (const std::system_error&) {
        // Without a thread to help, this one parses every group.
    }

    Parsed state{0, false, 0};
    std::size_t joined = 0;
    const auto joinParsed = [&](bool wait) {
        for (; joined < rangeCount; ++joined) {
            Range& range = ranges_[joined];
            if (!range.done.load(std::memory_order_acquire)) {
                if (!wait) {
                    return;
                }
                std::unique_lock lock(doneMutex);
                doneChanged.wait(lock, [&range] { return range.done.load(std::memory_order_acquire); });
            }
            state = joinRange(bytes, range, state);
        }
    };
    while (parseNext()) {
        joinParsed(false);
    }
    joinParsed(true);
    return state;
}

// Goes on from `state`, the true parse, until it ends a string where the range's own parse ended one,
// and takes the range's codes from there. Where the two never meet, the true parse has passed the range.
LzwEncoder::Parsed LzwEncoder::joinRange(std::span<const std::uint8_t> bytes, const Range& range, Parsed state)
{
    const FrozenTrie::View trie = frozen_.view();
    std::size_t index = 0;
    std::size_t boundary = range.begin;
    while (!state.open) {
        for (; boundary < state.end && index < range.codeCount; ++index) {
            boundary += trie.lengthOf[twelveBitCode(range.coded, index)];
        }
        if (boundary == state.end) {
            writer_.appendBits(range.coded, 12 * index, 12 * (range.codeCount - index));
            return range.parsed;
        }
        if (boundary < state.end) {
            break;
        }
        state = encodeOneString(bytes, state.end);
    }
    return state;
}

// One string from the root at `start`.
LzwEncoder::Parsed LzwEncoder::encodeOneString(std::span<const std::uint8_t> bytes, std::size_t start)
{
    const FrozenTrie::View trie = frozen_.view();
    std::uint32_t matched = bytes[start];
    std::size_t end = start + 1;
    for (std::uint32_t next; end < bytes.size() && (next = trie.child(matched, bytes[end])) != noCode16; ++end) {
        matched = next;
    }
    if (end == bytes.size()) {
        return {start, true, matched};
    }
    writer_.writeBits(trie.codeOf[matched], 12);
    return {end, false, 0};
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
