#include "reference_lzw.h"

#include <algorithm>
#include <array>
#include <bit>

namespace votrana::reference {
namespace {

struct Entry {
    int byteValue, parent, nextSibling, firstChild;
};

constexpr int notFound = -2;
constexpr int none = -3;
constexpr int listEmpty = -5;
constexpr int listEnded = -6;

class Coder {
public:
    explicit Coder(std::span<const std::uint8_t> input) : input_(input) { reset(); }

    std::vector<std::uint8_t> compress()
    {
        encodeStream();
        writeEndCode();
        flushBits();
        return output_;
    }

    Decoded decompress()
    {
        decodeStream();
        return {damaged_ ? CodecResult::damagedStream : CodecResult::done, output_};
    }

    void writeCode(int code)
    {
        const auto alphabet = static_cast<unsigned>(nextCode_);
        const int n = std::bit_width(alphabet);
        const int u = (1 << n) - nextCode_;
        const int width = code < u ? n - 1 : n;
        const int value = code < u ? code : code + u;
        for (int bit = width - 1; bit >= 0; --bit) {
            writeBit((value >> bit) & 1);
        }
    }
    void setNextCode(int code) { nextCode_ = code; }
    void writeEndCode()
    {
        ++nextCode_;
        writeCode(256);
    }
    void flushBits()
    {
        while (writeBit(0) != 0) {
        }
    }
    std::vector<std::uint8_t> output() const { return output_; }

private:
    void reset()
    {
        for (int i = 0; i < 256; ++i) {
            dict_[i] = {i, -1, i + 1, none};
        }
        dict_[256] = {-1, -1, none, none};
        for (int i = 257; i < 4096; ++i) {
            dict_[i] = {-4, -4, -4, -4};
        }
    }

    int writeBit(int bit)
    {
        accumulator_ = accumulator_ * 2 + bit;
        if (count_ == 7) {
            output_.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
            count_ = 0;
            accumulator_ = 0;
        } else {
            ++count_;
        }
        return count_;
    }

    int readBit()
    {
        if (mask_ == 1) {
            if (position_ == input_.size()) {
                byte_ = -1;
                return -1;
            }
            byte_ = input_[position_++];
            mask_ = 0x80;
        } else {
            mask_ >>= 1;
        }
        return (byte_ & mask_) != 0 ? 1 : 0;
    }

    // The bits up to the end of the current byte, a whole byte if none is begun, must be zero and
    // the last of the input. An end code read first is the empty input's eight 1 bits and the first
    // bit of the end code written after them, whose other eight bits come before the fill.
    bool zeroFillEndsInput()
    {
        if (readCounter_ == 257) {
            for (const int expected : {1, 1, 1, 1, 1, 1, 1, 0}) {
                if (readBit() != expected) {
                    return false;
                }
            }
        }
        do {
            if (readBit() != 0) {
                return false;
            }
        } while (mask_ != 1);
        return position_ == input_.size();
    }

    int readCode()
    {
        if (++readCounter_ > 4096) {
            readCounter_ = 4096;
        }
        const int n = std::bit_width(static_cast<unsigned>(readCounter_));
        const int u = (1 << n) - readCounter_;
        int value = 0;
        for (int i = 0; i < n - 1; ++i) {
            const int bit = readBit();
            if (bit < 0) {
                return -1;
            }
            value = value * 2 + bit;
        }
        if (value < u) {
            return value;
        }
        const int bit = readBit();
        return bit < 0 ? -1 : 2 * value + bit - u;
    }

    int searchByte(int byte)
    {
        if (cursor_ == none) {
            searchOutcome_ = listEmpty;
            return notFound;
        }
        for (;;) {
            if (dict_[cursor_].byteValue == byte) {
                matchedCode_ = cursor_;
                return cursor_;
            }
            if (dict_[cursor_].nextSibling == none) {
                searchOutcome_ = listEnded;
                return notFound;
            }
            cursor_ = dict_[cursor_].nextSibling;
        }
    }

    void descend()
    {
        parentCode_ = cursor_;
        pendingByte_ = -1;
        cursor_ = dict_[parentCode_].firstChild;
    }

    void addEntry(int byte)
    {
        if (nextCode_ < 4096) {
            dict_[nextCode_] = {byte, parentCode_, none, none};
            if (searchOutcome_ == listEnded) {
                dict_[cursor_].nextSibling = nextCode_;
            } else if (searchOutcome_ == listEmpty) {
                dict_[parentCode_].firstChild = nextCode_;
            }
            ++nextCode_;
        }
        cursor_ = 0;
        parentCode_ = -1;
        matchedCode_ = -1;
        pendingByte_ = byte;
    }

    void encodeStream()
    {
        for (;;) {
            int byte = pendingByte_;
            if (byte == -1) {
                if (position_ == input_.size()) {
                    writeCode(matchedCode_);
                    return;
                }
                byte = input_[position_++];
            }
            if (searchByte(byte) != notFound) {
                descend();
            } else {
                writeCode(matchedCode_);
                addEntry(byte);
            }
        }
    }

    // -1 at the end code, -2 when the stream is damaged.
    int nextDecodedByte()
    {
        if (!stack_.empty()) {
            const int top = stack_.back();
            stack_.pop_back();
            return top;
        }
        int code = readCode();
        if (code < 0) {
            return -2;
        }
        if (code < nextCode_) {
            previousCode_ = code;
        } else if (code == nextCode_) {
            code = previousCode_;
            if (code >= nextCode_) {
                return -2;
            }
            int first = code;
            while (dict_[first].parent != -1) {
                first = dict_[first].parent;
            }
            stack_.push_back(dict_[first].byteValue);
            previousCode_ = nextCode_;
        } else {
            return -2;
        }
        for (;;) {
            stack_.push_back(dict_[code].byteValue);
            if (dict_[code].parent == -1) {
                break;
            }
            code = dict_[code].parent;
        }
        const int top = stack_.back();
        stack_.pop_back();
        return top;
    }

    void decodeStream()
    {
        for (;;) {
            int byte = pendingByte_;
            if (byte == -1) {
                byte = nextDecodedByte();
                if (byte < 0) {
                    damaged_ = byte == -2 || !zeroFillEndsInput();
                    return;
                }
                output_.push_back(static_cast<std::uint8_t>(byte));
            }
            if (searchByte(byte) != notFound) {
                descend();
            } else {
                addEntry(byte);
            }
        }
    }

    std::span<const std::uint8_t> input_;
    std::size_t position_ = 0;
    std::vector<std::uint8_t> output_;
    std::array<Entry, 4096> dict_{};
    int nextCode_ = 257, cursor_ = 0, parentCode_ = -1, matchedCode_ = -1, pendingByte_ = -1;
    int searchOutcome_ = -1;
    int count_ = 0, accumulator_ = 0;
    int mask_ = 1, byte_ = 0;
    int readCounter_ = 256, previousCode_ = 0;
    std::vector<int> stack_;
    bool damaged_ = false;
};

}  // namespace

std::vector<std::uint8_t> compress(std::span<const std::uint8_t> plain)
{
    return Coder(plain).compress();
}

Decoded decompress(std::span<const std::uint8_t> coded)
{
    return Coder(coded).decompress();
}

std::vector<std::uint8_t> writeCodes(std::span<const std::int32_t> codes)
{
    Coder coder({});
    int alphabet = 257;
    for (const std::int32_t code : codes) {
        coder.setNextCode(alphabet);
        coder.writeCode(code);
        alphabet = std::min(alphabet + 1, 4096);
    }
    coder.setNextCode(alphabet - 1);
    coder.writeEndCode();
    coder.flushBits();
    return coder.output();
}

}  // namespace votrana::reference
