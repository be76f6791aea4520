#include "bit_reader.h"

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

bool BitReader::fetchBlock()
{
    if (atEnd_) {
        return false;
    }
    const auto got = source_->read(buffer_);
    if (!got || *got == 0) {
        failed_ = !got;
        atEnd_ = true;
        return false;
    }
    position_ = 0;
    size_ = *got;
    return true;
}

}  // namespace votrana
