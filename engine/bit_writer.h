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

    // The bits waiting and the place of the next byte, as a value: a hot loop keeps a copy in local
    // variables, where it can live in registers, between openWindow and closeWindow.
    struct Window {
        std::uint64_t accumulator;
        int count;
        std::uint8_t* out;
    };

    // Appends the low `width` bits of `value` (width 1 to 24; higher bits of `value` must be 0).
    static void writeBits(Window& window, std::uint32_t value, int width)
    {
        window.accumulator = window.accumulator << width | value;
        window.count += width;
        if (window.count >= 32) {
            window.count -= 32;
            const auto word = static_cast<std::uint32_t>(window.accumulator >> window.count);
            window.out[0] = static_cast<std::uint8_t>(word >> 24);
            window.out[1] = static_cast<std::uint8_t>(word >> 16);
            window.out[2] = static_cast<std::uint8_t>(word >> 8);
            window.out[3] = static_cast<std::uint8_t>(word);
            window.out += 4;
        }
    }
    void writeBits(std::uint32_t value, int width)
    {
        Window window = openWindow(4);
        writeBits(window, value, width);
        closeWindow(window);
    }

    // Makes room for `bytes` more bytes (at most blockSize), handing the block over if need be.
    Window openWindow(std::size_t bytes)
    {
        if (buffer_.size() - used_ < bytes) {
            handOver();
        }
        return Window{accumulator_, count_, buffer_.data() + used_};
    }
    void closeWindow(const Window& window)
    {
        accumulator_ = window.accumulator;
        count_ = window.count;
        used_ = static_cast<std::size_t>(window.out - buffer_.data());
        if (used_ >= blockSize) {
            handOver();
        }
    }

    // Stores the bits waiting in a window of a caller's buffer, the last byte completed with zeros.
    static void flushWindow(Window& window)
    {
        for (; window.count >= 8; ++window.out) {
            window.count -= 8;
            *window.out = static_cast<std::uint8_t>(window.accumulator >> window.count);
        }
        if (window.count > 0) {
            *window.out++ = static_cast<std::uint8_t>(window.accumulator << (8 - window.count));
            window.count = 0;
        }
    }

    // Eight bytes, most significant first. Spelled out byte by byte, which compilers turn into one load
    // or store and a byte swap.
    static std::uint64_t loadBigEndian(const std::uint8_t* bytes)
    {
        return std::uint64_t{bytes[0]} << 56 | std::uint64_t{bytes[1]} << 48 | std::uint64_t{bytes[2]} << 40 |
               std::uint64_t{bytes[3]} << 32 | std::uint64_t{bytes[4]} << 24 | std::uint64_t{bytes[5]} << 16 |
               std::uint64_t{bytes[6]} << 8 | std::uint64_t{bytes[7]};
    }
    static void storeBigEndian(std::uint8_t* bytes, std::uint64_t word)
    {
        bytes[0] = static_cast<std::uint8_t>(word >> 56);
        bytes[1] = static_cast<std::uint8_t>(word >> 48);
        bytes[2] = static_cast<std::uint8_t>(word >> 40);
        bytes[3] = static_cast<std::uint8_t>(word >> 32);
        bytes[4] = static_cast<std::uint8_t>(word >> 24);
        bytes[5] = static_cast<std::uint8_t>(word >> 16);
        bytes[6] = static_cast<std::uint8_t>(word >> 8);
        bytes[7] = static_cast<std::uint8_t>(word);
    }

    // Appends `bitCount` bits of `bytes` from bit `firstBit` on, most significant bit first; both
    // counts are multiples of 4.
    void appendBits(const std::uint8_t* bytes, std::size_t firstBit, std::size_t bitCount);

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
    std::array<std::uint8_t, 2 * blockSize> buffer_{};
};

}  // namespace votrana
