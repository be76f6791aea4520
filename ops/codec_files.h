// The codec's two passes over open files. Each tells the person of its own failures; a stop that the
// person asked for is not told. The wait cursor shows while they run.
#pragma once

#include "key_table.h"
#include "lzw_codec.h"
#include "notifier.h"
#include "platform.h"

#include <cstdint>

namespace votrana {

enum class CodecRun {
    done,
    stopped,  // the person asked for it; nothing was told
    failed,   // told
};

// Compresses the `sourceLength` bytes of `source`, each passed through `substitution`, into `target`.
CodecRun compressInto(Person& person, Notifier& notifier, Codec& codec, File& source, std::uint64_t sourceLength,
                      const KeyTable& substitution, File& target);

// Decompresses the whole coded stream of `source` into `target`, each byte passed through
// `substitution` when there is one. A stream that is damaged, or is followed by anything, is refused;
// what was decoded before the damage showed is in `target` all the same.
CodecRun decompressInto(Person& person, Notifier& notifier, Codec& codec, File& source, File& target,
                        const KeyTable* substitution = nullptr);

}  // namespace votrana
