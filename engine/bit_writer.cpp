#include "bit_writer.h"

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

void BitWriter::handOver()
{
    if (!failed_ && used_ > 0 && !sink_->write(std::span(buffer_.data(), used_))) {
        failed_ = true;
    }
    used_ = 0;
}

}  // namespace votrana
