#include "lzw_matcher.h"

namespace votrana {

void Matcher::matchBytes(std::span<const std::uint8_t> bytes)
{
    for (const std::uint8_t byte : bytes) {
        matchByte(byte);
    }
}

}  // namespace votrana
