#include "bit_writer.h"

#include <algorithm>
#include <cstring>

namespace votrana {

void BitWriter::reset(ByteSink& sink)
{
    sink_ = &sink;
    accumulator_ = 0;
    count_ = 0;
    used_ = 0;
    failed_ = false;
}

void BitWriter::finish()
{
    while (count_ >= 8) {
        count_ -= 8;
        buffer_[used_++] = static_cast<std::uint8_t>(accumulator_ >> count_);
    }
    handOver();
}

void BitWriter::appendBits(const std::uint8_t* bytes, std::size_t firstBit, std::size_t bitCount)
{
    bytes += firstBit / 8;
    if (firstBit % 8 != 0 && bitCount > 0) {
        writeBits(*bytes++ & 0xFu, 4);
        bitCount -= 4;
    }
    while (bitCount >= 64) {
        const std::size_t words = std::min(bitCount / 64, blockSize / 16);
        Window window = openWindow(words * 8 + 4);
        for (; window.count >= 8; ++window.out) {
            window.count -= 8;
            *window.out = static_cast<std::uint8_t>(window.accumulator >> window.count);
        }
        if (window.count == 0) {
            std::memcpy(window.out, bytes, words * 8);
        } else {
            // Each word out is the waiting bits followed by the first bits of the next word in.
            const int waiting = window.count;
            std::uint64_t previous = window.accumulator;
            for (std::size_t word = 0; word < words; ++word) {
                const std::uint64_t in = loadBigEndian(bytes + 8 * word);
                storeBigEndian(window.out + 8 * word, previous << (64 - waiting) | in >> waiting);
                previous = in;
            }
            window.accumulator = previous;
        }
        bytes += words * 8;
        window.out += words * 8;
        closeWindow(window);
        bitCount -= words * 64;
    }
    for (; bitCount >= 8; bitCount -= 8) {
        writeBits(*bytes++, 8);
    }
    if (bitCount > 0) {
        writeBits(static_cast<std::uint32_t>(*bytes >> 4), 4);
    }
}

void BitWriter::handOver()
{
    if (!failed_ && used_ > 0 && !sink_->write(std::span(buffer_.data(), used_))) {
        failed_ = true;
    }
    used_ = 0;
}

}  // namespace votrana
