// The codec's two file-level operations. Each tells the person of its own failures and leaves no
// target behind when it fails; the wait cursor shows from the moment both files are open.
#pragma once

#include "codec_state.h"
#include "key_table.h"
#include "notifier.h"
#include "platform.h"

#include <cstdint>
#include <string>

namespace votrana {

enum class CompressionOutcome {
    done,
    targetNotCreated,  // reported; nothing was read
    failed,            // reported; the partial target is removed
};

// Compresses the `sourceLength` bytes of the open `source`, each passed through `substitution`, into a
// new file at `targetPath`, which replaces a file of that name.
CompressionOutcome compressFile(Platform& platform, Notifier& notifier, CodecState& codec, File& source,
                                std::uint64_t sourceLength, const KeyTable& substitution,
                                const std::string& targetPath);

// Decompresses the coded file at `sourcePath` into a new file at `targetPath`, which replaces a file of
// that name. True when the whole stream was decoded and written.
bool decompressFile(Platform& platform, Notifier& notifier, CodecState& codec, const std::string& sourcePath,
                    const std::string& targetPath);

// The text for a codec run that did not end well.
std::string_view codecFailureText(const Texts& texts, CodecResult result);

}  // namespace votrana
