#include "program_files.h"

#include "file_names.h"

namespace votrana {

std::string readmePathFor(std::string_view programPath, bool japaneseUi)
{
    if (programPath.empty()) {
        return {};
    }
    const PathParts parts = splitPath(programPath, PathStyle::windows);
    return std::string(parts.folder) + (japaneseUi ? "VOTRA_9J.PDF" : "VOTRA_9E.PDF");
}

}  // namespace votrana
