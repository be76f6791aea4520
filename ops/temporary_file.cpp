#include "temporary_file.h"

#include "key_table.h"

#include <array>

namespace votrana {

namespace {

constexpr std::string_view prefix = "~votrana-";
constexpr std::string_view suffix = ".tmp";
constexpr std::size_t uniquePartLength = 8;
constexpr std::string_view uniqueCharacters = "abcdefghijklmnopqrstuvwxyz0123456789";
// Each try draws a fresh name; a run of taken names this long means something else is wrong.
constexpr int creationTries = 64;

}  // namespace

std::optional<std::string> temporaryPathIn(std::string_view folder)
{
    std::array<std::uint8_t, uniquePartLength> random{};
    if (!systemRandomBytes(random)) {
        return std::nullopt;
    }
    std::string path(folder);
    path.append(prefix);
    for (const std::uint8_t value : random) {
        path.push_back(uniqueCharacters[value % uniqueCharacters.size()]);
    }
    path.append(suffix);
    return path;
}

bool isTemporaryName(std::string_view name)
{
    if (name.size() != prefix.size() + uniquePartLength + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return false;
    }
    const std::string_view unique = name.substr(prefix.size(), uniquePartLength);
    return unique.find_first_not_of(uniqueCharacters) == std::string_view::npos;
}

std::unique_ptr<TemporaryFile> TemporaryFile::create(Machine& machine, std::string_view folder)
{
    for (int attempt = 0; attempt < creationTries; ++attempt) {
        std::optional<std::string> path = temporaryPathIn(folder);
        if (!path) {
            return nullptr;
        }
        if (std::unique_ptr<File> file = machine.createNew(*path)) {
            return std::make_unique<TemporaryFile>(machine, std::move(*path), std::move(file));
        }
        // Only a name that is taken is worth another try; any other failure would repeat.
        if (!machine.identity(*path) && !machine.exists(*path)) {
            return nullptr;
        }
    }
    return nullptr;
}

TemporaryFile::TemporaryFile(Machine& machine, std::string path, std::unique_ptr<File> file)
    : machine_(machine), path_(std::move(path)), file_(std::move(file))
{
}

TemporaryFile::~TemporaryFile()
{
    file_->close();
    if (!released_) {
        machine_.remove(path_);
    }
}

bool TemporaryFile::finish(bool durable)
{
    const bool synced = !durable || file_->sync();
    return file_->close() && synced;
}

}  // namespace votrana
