// Byte streams for tests: chunked reads and writes to find block-boundary faults, and streams that
// fail on demand.
#pragma once

#include "byte_stream.h"
#include "lzw_decoder.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace votrana::testing {

// Hands out the bytes in chunks of random size from 1 to maxChunk; fails at the failAt-th read.
class ChunkedSource final : public ByteSource {
public:
    ChunkedSource(std::span<const std::uint8_t> bytes, std::size_t maxChunk, unsigned seed = 1,
                  std::size_t failAt = SIZE_MAX)
        : bytes_(bytes), maxChunk_(maxChunk), random_(seed), failAt_(failAt)
    {
    }

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        if (++reads_ == failAt_) {
            failed_ = true;
            return std::nullopt;
        }
        const std::size_t wanted = std::uniform_int_distribution<std::size_t>(1, maxChunk_)(random_);
        const std::size_t count = std::min({wanted, buffer.size(), bytes_.size() - position_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
        position_ += count;
        return count;
    }

    bool failed() const { return failed_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t maxChunk_;
    bool failed_ = false;
    std::mt19937 random_;
    std::size_t failAt_;
    std::size_t reads_ = 0;
    std::size_t position_ = 0;
};

// Collects what is written; refuses the failAt-th write.
class FailingSink final : public ByteSink {
public:
    explicit FailingSink(std::size_t failAt) : failAt_(failAt) {}

    bool write(std::span<const std::uint8_t> bytes) override
    {
        if (++writes_ == failAt_) {
            return false;
        }
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }

    std::size_t writes() const { return writes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::size_t failAt_;
    std::size_t writes_ = 0;
    std::vector<std::uint8_t> bytes_;
};

// The decoder as it runs, and made to decode in rounds of a few codes as soon as the dictionary is
// full, in one thread and in two.
inline const DecoderTuning decoderTunings[] = {{}, {0, 1, 1}, {0, 100, 2}};

// Deterministic inputs of a given character.
std::vector<std::uint8_t> randomBytes(std::size_t length, unsigned seed);
// Few distinct values in long runs, the kind of input that grows long strings.
std::vector<std::uint8_t> lowEntropyBytes(std::size_t length, unsigned seed);
std::vector<std::uint8_t> textLikeBytes(std::size_t length, unsigned seed);

}  // namespace votrana::testing
