#include "bit_reader.h"

#include <algorithm>

namespace votrana {

void BitReader::reset(ByteSource& source)
{
    source_ = &source;
    window_ = Window{};
    position_ = 0;
    size_ = 0;
    atEnd_ = false;
    failed_ = false;
}

bool BitReader::onlyZeroFillFollows()
{
    const int fill = window_.count % 8 == 0 ? 8 : window_.count % 8;
    return readBits(fill) == 0 && readBit() == noCode && !failed_;
}

BitReader::Window BitReader::refillAtBlockEnd(Window window)
{
    while (window.count <= 56) {
        if (position_ == size_ && !fetchBlock()) {
            break;
        }
        window.bits = window.bits << 8 | buffer_[position_++];
        window.count += 8;
    }
    return window;
}

std::size_t BitReader::takeRest(std::span<std::uint8_t> bytes, int& taken)
{
    const auto windowBytes = static_cast<std::size_t>((window_.count + 7) / 8);
    taken = static_cast<int>(8 * windowBytes) - window_.count;
    for (std::size_t i = 0; i < windowBytes; ++i) {
        bytes[i] = static_cast<std::uint8_t>(window_.bits >> (8 * (windowBytes - 1 - i)));
    }
    const std::size_t buffered = size_ - position_;
    std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(position_), buffered,
                bytes.begin() + static_cast<std::ptrdiff_t>(windowBytes));
    window_ = Window{};
    position_ = size_;
    return windowBytes + buffered;
}

std::size_t BitReader::readSource(std::span<std::uint8_t> bytes)
{
    if (atEnd_) {
        return 0;
    }
    const auto got = source_->read(bytes);
    if (!got || *got == 0) {
        failed_ = !got;
        atEnd_ = true;
        return 0;
    }
    return *got;
}

bool BitReader::fetchBlock()
{
    const std::size_t got = readSource(buffer_);
    if (got == 0) {
        return false;
    }
    position_ = 0;
    size_ = got;
    return true;
}

}  // namespace votrana
