#include "byte_stream.h"

#include <algorithm>

namespace votrana {

std::optional<std::size_t> MemorySource::read(std::span<std::uint8_t> buffer)
{
    const std::size_t count = std::min(buffer.size(), bytes_.size() - position_);
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
    position_ += count;
    return count;
}

bool MemorySink::write(std::span<const std::uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
}

}  // namespace votrana
