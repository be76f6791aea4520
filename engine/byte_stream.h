// Byte streams the codec reads from and writes to. The codec asks for and hands over whole blocks,
// so an implementation costs one virtual call per block, not per byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace votrana {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills the front of `buffer` and returns how many bytes it holds now: 0 only at the end of the
    // source, nullopt when reading failed.
    virtual std::optional<std::size_t> read(std::span<std::uint8_t> buffer) = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all of `bytes`; false when they could not all be written.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};

// A source over bytes in memory; it keeps a view, so the bytes must outlive it.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A sink that appends to a vector in memory.
class MemorySink final : public ByteSink {
public:
    bool write(std::span<const std::uint8_t> bytes) override;
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace votrana
