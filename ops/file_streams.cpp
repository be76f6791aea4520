#include "file_streams.h"

#include <algorithm>

namespace votrana {

namespace {

// Bytes substituted and written at a time.
constexpr std::size_t substitutionBlockSize = std::size_t{1} << 20;

}  // namespace

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

bool FileSink::write(std::span<const std::uint8_t> bytes)
{
    if (substitution_ == nullptr) {
        return file_.write(bytes);
    }
    substituted_.resize(substitutionBlockSize);
    while (!bytes.empty()) {
        const std::span<std::uint8_t> block =
            std::span(substituted_).first(std::min(bytes.size(), substituted_.size()));
        std::copy_n(bytes.begin(), block.size(), block.begin());
        substitute(block, *substitution_);
        if (!file_.write(block)) {
            return false;
        }
        bytes = bytes.subspan(block.size());
    }
    return true;
}

}  // namespace votrana
