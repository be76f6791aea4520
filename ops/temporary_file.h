// A file of the command's own, made in the folder of the file it is to become: created new, private,
// under a unique name that says whose it is, and removed again unless it was given its final name.
#pragma once

#include "platform.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace votrana {

// "~votrana-" + eight random letters or digits + ".tmp": short, so it fits wherever a final name does.
std::optional<std::string> temporaryPathIn(std::string_view folder);
bool isTemporaryName(std::string_view name);

class TemporaryFile {
public:
    // Null when no new file could be made in `folder`.
    static std::unique_ptr<TemporaryFile> create(Machine& machine, std::string_view folder);

    TemporaryFile(Machine& machine, std::string path, std::unique_ptr<File> file);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    File& file() { return *file_; }
    const std::string& path() const { return path_; }

    // Ends the writing: flushed to the disk first when `durable`, then closed. False when what was
    // written may not all be there.
    bool finish(bool durable);
    // The file has taken its final name; it is no longer this object's to remove.
    void release() { released_ = true; }

private:
    Machine& machine_;
    std::string path_;
    std::unique_ptr<File> file_;
    bool released_ = false;
};

}  // namespace votrana
