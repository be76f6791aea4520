// The codes of the coded format, and the one way each type that holds a code says "no code".
#pragma once

#include <cstdint>

namespace votrana {

inline constexpr std::int32_t codeCount = 4096;  // codes 0 to 4095
inline constexpr std::int32_t endCode = 256;     // its entry closes the root list
inline constexpr std::int32_t firstFreeCode = 257;
inline constexpr std::uint32_t longestString = 3840;

// No string matched, no parent, child or sibling, no bits left in the stream. Codes are worked on as
// std::int32_t and kept in tables as std::uint16_t, where the same value, read back through
// std::int16_t, is noCode again.
inline constexpr std::int32_t noCode = -1;
inline constexpr std::uint16_t noCode16 = 0xFFFF;
static_assert(static_cast<std::int16_t>(noCode16) == noCode);

}  // namespace votrana
