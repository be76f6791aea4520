#include "reference_lzw.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <map>
#include <string>
#include <utility>

namespace votrana::reference {
namespace {

constexpr int endCode = 256;
constexpr int codeCount = 4096;

// The greedy match that grows the dictionary. The decoder feeds every byte it outputs through it, so
// it grows the encoder's dictionary, one code later.
struct Dictionary {
    std::vector<std::vector<std::uint8_t>> strings;  // by code; the end code's is empty
    std::map<std::pair<int, int>, int> children;     // (code, byte) -> code of the string one byte longer
    int matched = -1;

    Dictionary()
    {
        for (int code = 0; code <= endCode; ++code) {
            strings.push_back(code < endCode ? std::vector{static_cast<std::uint8_t>(code)}
                                             : std::vector<std::uint8_t>{});
        }
    }
    int next() const { return static_cast<int>(strings.size()); }

    // Takes one more byte; returns the code of the string that ended before it, or -1 while the match
    // goes on.
    int match(std::uint8_t byte)
    {
        const auto child = children.find({matched, byte});
        if (matched < 0 || child != children.end()) {
            matched = matched < 0 ? byte : child->second;
            return -1;
        }
        if (next() < codeCount) {
            children[{matched, byte}] = next();
            strings.push_back(strings[static_cast<std::size_t>(matched)]);
            strings.back().push_back(byte);
        }
        return std::exchange(matched, byte);
    }
};

// A code is a truncated binary code of its alphabet: with n = bit_width(alphabet), the first
// u = 2^n - alphabet values take n - 1 bits, the others n. Bits are kept as a text of '0' and '1'.
void putCode(std::string& bits, int code, int alphabet)
{
    const int n = std::bit_width(static_cast<unsigned>(alphabet)), u = (1 << n) - alphabet;
    const auto value = static_cast<unsigned>(code < u ? code : code + u);
    bits += std::bitset<16>(value).to_string().substr(code < u ? 17 - n : 16 - n);
}

struct BitReader {
    std::string bits;
    std::size_t count = 0;

    // The next `width` bits as a number; -1 when the input ends before them.
    int take(std::size_t width)
    {
        count += width;
        return count > bits.size() ? -1 : std::stoi(bits.substr(count - width, width), nullptr, 2);
    }
    int code(int alphabet)
    {
        const int n = std::bit_width(static_cast<unsigned>(alphabet)), u = (1 << n) - alphabet;
        const int value = take(static_cast<std::size_t>(n - 1));
        const int last = value < u ? 0 : take(1);
        return value < u ? value : last < 0 ? -1 : 2 * value + last - u;
    }
};

}  // namespace

std::vector<std::int32_t> parse(std::span<const std::uint8_t> plain)
{
    Dictionary dictionary;
    std::vector<std::int32_t> codes;
    for (const std::uint8_t byte : plain) {
        if (const int ended = dictionary.match(byte); ended >= 0) {
            codes.push_back(ended);
        }
    }
    codes.push_back(dictionary.matched);
    return codes;
}

std::vector<std::uint8_t> writeCodes(std::span<const std::int32_t> codes)
{
    std::string bits;
    int alphabet = endCode + 1;
    for (const std::int32_t code : codes) {
        putCode(bits, code, alphabet);
        alphabet = std::min(alphabet + 1, codeCount);
    }
    putCode(bits, endCode, alphabet);
    bits.append(8 - bits.size() % 8, '0');
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at < bits.size(); at += 8) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(bits.substr(at, 8), nullptr, 2)));
    }
    return bytes;
}

Decoded decompress(std::span<const std::uint8_t> coded)
{
    BitReader in;
    for (const std::uint8_t byte : coded) {
        in.bits += std::bitset<8>(byte).to_string();
    }
    Dictionary dictionary;
    Decoded out{CodecResult::damagedStream, {}};
    int previous = 0;
    for (int alphabet = endCode + 1;; alphabet = std::min(alphabet + 1, codeCount)) {
        const int code = in.code(alphabet);
        if (code == endCode) {
            // An end code read first is the empty input's eight 1 bits and the first bit of the end
            // code written after them: the other eight bits of that come before the fill. The fill is
            // 1 to 8 zero bits up to the end of a byte, and then the input ends.
            const bool ends = (alphabet > endCode + 1 || in.take(8) == 0xFE) && in.take(8 - in.count % 8) == 0;
            out.result = ends && in.count == in.bits.size() ? CodecResult::done : CodecResult::damagedStream;
            return out;
        }
        const bool repeat = code == dictionary.next();
        if (code < 0 || code > dictionary.next() || (repeat && previous >= dictionary.next())) {
            return out;
        }
        // A code one past the dictionary is the previous string and its own first byte.
        std::vector<std::uint8_t> string = dictionary.strings[static_cast<std::size_t>(repeat ? previous : code)];
        if (repeat) {
            string.push_back(string.front());
        }
        previous = code;
        for (const std::uint8_t byte : string) {
            out.bytes.push_back(byte);
            dictionary.match(byte);
        }
    }
}

}  // namespace votrana::reference
