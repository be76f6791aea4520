// The names that the commands derive from the chosen file. Every rule works on the file-name part of
// a path only, counts characters as Unicode characters of the UTF-8 text, and keeps the folder part
// as it is, so a derived file always lies in the chosen file's folder.
#pragma once

#include "platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace votrana {

struct PathParts {
    std::string_view folder;  // up to and including the last separator
    std::string_view name;
};

PathParts splitPath(std::string_view path, PathStyle style);

// `text` without its last `count` characters (all of it gone when it has fewer).
std::string_view dropLastCharacters(std::string_view text, std::size_t count);

// report.txt -> report_txt.___; README -> README____.___
std::string codedFilePathFor(std::string_view sourcePath, PathStyle style);

// The key file beside a coded file: its name less the last three characters, then "KEY".
std::string defaultKeyPathFor(std::string_view codedPath, PathStyle style);  // .KEY

// report_txt.___ -> report.txt; README____.___ -> README. Nullopt when the rule leaves no name.
std::optional<std::string> decodedFilePathFor(std::string_view codedPath, PathStyle style);

// Equal but for the case of ASCII letters.
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace votrana
