#include "bit_reader.h"

namespace votrana {

void BitReader::reset(ByteSource& source)
{
    source_ = &source;
    bits_ = 0;
    count_ = 0;
    position_ = 0;
    size_ = 0;
    atEnd_ = false;
    failed_ = false;
}

bool BitReader::refill(int width)
{
    while (count_ <= 56) {
        if (position_ == size_ && !fetchBlock()) {
            break;
        }
        bits_ = bits_ << 8 | buffer_[position_++];
        count_ += 8;
    }
    return count_ >= width;
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
