// The only file of the engine that reaches the operating system: keys come from its cryptographic
// random source, never from a clock-seeded generator.
#include "key_table.h"

#if defined(_WIN32)
#include <windows.h>
#include <bcrypt.h>
#else
#include <unistd.h>
#if defined(__APPLE__)
#include <sys/random.h>
#endif
#endif

#include <algorithm>

namespace votrana {

bool systemRandomBytes(std::span<std::uint8_t> buffer)
{
#if defined(_WIN32)
    while (!buffer.empty()) {
        const auto chunk = static_cast<ULONG>(std::min<std::size_t>(buffer.size(), 1u << 20));
        if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, buffer.data(), chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
            return false;
        }
        buffer = buffer.subspan(chunk);
    }
    return true;
#else
    // getentropy hands out at most 256 bytes a call.
    while (!buffer.empty()) {
        const std::size_t chunk = std::min<std::size_t>(buffer.size(), 256);
        if (getentropy(buffer.data(), chunk) != 0) {
            return false;
        }
        buffer = buffer.subspan(chunk);
    }
    return true;
#endif
}

}  // namespace votrana
