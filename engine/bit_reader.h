// Takes codes from a byte source, most significant bit first, reading the source a block at a time.
#pragma once

#include "byte_stream.h"
#include "lzw_codes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace votrana {

class BitReader {
public:
    static constexpr std::size_t blockSize = 1 << 16;

    // The bits read from the source and not yet taken, at the low end of `bits`. A hot loop keeps a
    // copy in a local variable, where it can live in registers, and hands it back when it stops.
    struct Window {
        std::uint64_t bits = 0;
        int count = 0;
    };

    void reset(ByteSource& source);

    // The next `width` bits (1 to 16) as a number, or noCode when the source ends before them.
    std::int32_t readBits(Window& window, int width)
    {
        if (window.count < width) {
            window = refill(window);
            if (window.count < width) {
                return noCode;
            }
        }
        window.count -= width;
        return static_cast<std::int32_t>((window.bits >> window.count) & ((1u << width) - 1));
    }
    std::int32_t readBits(int width) { return readBits(window_, width); }
    int readBit() { return readBits(1); }

    Window window() const { return window_; }
    void setWindow(Window window) { window_ = window; }

    // True when the source reported an error; reading then behaves as at its end.
    bool failed() const { return failed_; }

    // Takes the rest of the current byte, or the next byte when none is begun, and tells whether
    // those bits are all zero and the source ends right after them.
    bool onlyZeroFillFollows();

    // For a reader that takes over: moves the bits not yet taken, as whole bytes, to the front of
    // `bytes`, which must hold 8 + blockSize, and returns how many; the first `taken` bits of them
    // were taken already. The reader is left empty, before the rest of the source.
    std::size_t takeRest(std::span<std::uint8_t> bytes, int& taken);
    // Reads the source straight into `bytes`; 0 at its end or once it failed.
    std::size_t readSource(std::span<std::uint8_t> bytes);

private:
    // Adds whole bytes to the window, as many as fit, while the source has them.
    Window refill(Window window)
    {
        if (size_ - position_ < 8) {
            return refillAtBlockEnd(window);
        }
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            word = word << 8 | buffer_[position_ + i];
        }
        const int bytes = (63 - window.count) / 8;
        window.bits = window.bits << (8 * bytes) | word >> (64 - 8 * bytes);
        window.count += 8 * bytes;
        position_ += static_cast<std::size_t>(bytes);
        return window;
    }
    Window refillAtBlockEnd(Window window);
    bool fetchBlock();

    ByteSource* source_ = nullptr;
    Window window_;
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    std::array<std::uint8_t, blockSize> buffer_{};
};

}  // namespace votrana
