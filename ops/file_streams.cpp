#include "file_streams.h"

namespace votrana {

std::optional<std::size_t> FileSource::read(std::span<std::uint8_t> buffer)
{
    if (progress_.stopRequested()) {
        stopped_ = failed_ = true;
        return std::nullopt;
    }
    const std::optional<std::size_t> count = file_.read(buffer);
    failed_ = failed_ || !count;
    if (count && *count > 0) {
        if (substitution_ != nullptr) {
            substitute(buffer.first(*count), *substitution_);
        }
        progress_.advance(*count);
    }
    return count;
}

}  // namespace votrana
