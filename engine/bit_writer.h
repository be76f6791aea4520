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
