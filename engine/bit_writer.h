// Packs codes most significant bit first and hands whole blocks of bytes to a sink.
#pragma once

#include "byte_stream.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace votrana {

class BitWriter {
public:
    static constexpr std::size_t blockSize = 1 << 16;

    void reset(ByteSink& sink);

    // Appends the low `width` bits of `value` (width 1 to 16; higher bits of `value` must be 0).
    void writeBits(std::uint32_t value, int width)
    {
        accumulator_ = accumulator_ << width | value;
        count_ += width;
        if (count_ >= 32) {
            count_ -= 32;
            const auto word = static_cast<std::uint32_t>(accumulator_ >> count_);
            buffer_[used_] = static_cast<std::uint8_t>(word >> 24);
            buffer_[used_ + 1] = static_cast<std::uint8_t>(word >> 16);
            buffer_[used_ + 2] = static_cast<std::uint8_t>(word >> 8);
            buffer_[used_ + 3] = static_cast<std::uint8_t>(word);
            used_ += 4;
            if (used_ >= blockSize) {
                handOver();
            }
        }
    }

    // Appends one bit; returns how many bits of an unfinished byte are now waiting (0 to 7).
    int writeBit(int bit)
    {
        writeBits(static_cast<std::uint32_t>(bit), 1);
        return count_ % 8;
    }

    // Hands every whole byte to the sink. Call when no unfinished byte is waiting.
    void finish();

    bool failed() const { return failed_; }

private:
    void handOver();

    ByteSink* sink_ = nullptr;
    std::uint64_t accumulator_ = 0;
    int count_ = 0;  // bits in the accumulator not yet stored
    std::size_t used_ = 0;
    bool failed_ = false;
    std::array<std::uint8_t, blockSize + 8> buffer_{};
};

}  // namespace votrana
