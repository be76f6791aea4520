#include "key_file_loading.h"

#include <array>

namespace votrana {

KeyFileLoading loadKeyFile(Machine& machine, const std::string& path, KeyDirection direction, KeyTables& tables)
{
    const std::unique_ptr<File> file = machine.openForReading(path);
    if (!file) {
        return KeyFileLoading::cannotOpen;
    }
    const std::optional<std::uint64_t> size = file->size();
    if (!size) {
        return KeyFileLoading::readFailed;
    }
    // Only a file of the right size is read at all.
    if (*size != keyFileSize) {
        return file->close() ? KeyFileLoading::incorrect : KeyFileLoading::readFailed;
    }
    // One byte more than a key file holds, so a file that grew since its size was taken is noticed.
    std::array<std::uint8_t, keyFileSize + 1> bytes{};
    std::size_t filled = 0;
    for (;;) {
        const std::optional<std::size_t> count = file->read(std::span(bytes).subspan(filled));
        if (!count) {
            return KeyFileLoading::readFailed;
        }
        if (*count == 0 || (filled += *count) == bytes.size()) {
            break;
        }
    }
    if (!file->close()) {
        return KeyFileLoading::readFailed;
    }
    const auto fileBytes = std::span<const std::uint8_t>(bytes).first(filled);
    if (!checkKeyFile(fileBytes, direction)) {
        return KeyFileLoading::incorrect;
    }
    loadKeyHalf(tables, fileBytes, direction);
    return KeyFileLoading::loaded;
}

std::string_view keyFileFailureText(const Texts& texts, KeyFileLoading loading)
{
    switch (loading) {
    case KeyFileLoading::cannotOpen:
        return texts.cannotOpenKeyFile;
    case KeyFileLoading::incorrect:
        return texts.incorrectKeyFile;
    case KeyFileLoading::loaded:
    case KeyFileLoading::readFailed:
        break;
    }
    return texts.readWriteFailed;
}

}  // namespace votrana
