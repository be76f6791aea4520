// When the progress window of a long pass comes: once the command has worked for about half a second
// since it last waited for the person, and only while the rest of the pass looks long enough for the
// window to be read, so that a short run never flashes it.
#pragma once

#include <cstdint>

namespace votrana {

inline constexpr std::uint64_t progressWindowDelayMs = 500;

struct PassTiming {
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    // Since the command last went on after waiting for the person.
    std::uint64_t workingMs = 0;
    // Since the pass began; its pace so far tells how long the rest takes.
    std::uint64_t passMs = 0;
};

bool progressWindowDue(const PassTiming& pass);

}  // namespace votrana
