// Takes codes from a byte source, most significant bit first, reading the source a block at a time.
#pragma once

#include "byte_stream.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace votrana {

class BitReader {
public:
    static constexpr std::size_t blockSize = 1 << 16;
    static constexpr std::int32_t pastEnd = -1;

    void reset(ByteSource& source);

    // The next `width` bits (1 to 16) as a number, or pastEnd when the source ends before them.
    std::int32_t readBits(int width)
    {
        if (count_ < width && !refill(width)) {
            return pastEnd;
        }
        count_ -= width;
        return static_cast<std::int32_t>((bits_ >> count_) & ((1u << width) - 1));
    }

    int readBit() { return readBits(1); }

    // True when the source reported an error; reading then behaves as at its end.
    bool failed() const { return failed_; }

private:
    bool refill(int width);
    bool fetchBlock();

    ByteSource* source_ = nullptr;
    std::uint64_t bits_ = 0;
    int count_ = 0;  // bits of bits_ not yet taken, at its low end
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    std::array<std::uint8_t, blockSize> buffer_{};
};

}  // namespace votrana
