#include "file_names.h"

#include <algorithm>

namespace votrana {

namespace {

bool isSeparator(char c, PathStyle style)
{
    if (style == PathStyle::posix) {
        return c == '/';
    }
    // A drive letter's colon ends the folder part too: C:report.txt lies in the current folder of C:.
    return c == '\\' || c == '/' || c == ':';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c = {}, std::string_view d = {})
{
    std::string result;
    result.reserve(a.size() + b.size() + c.size() + d.size());
    result.append(a).append(b).append(c).append(d);
    return result;
}

std::string withEndingReplaced(std::string_view path, PathStyle style, std::string_view ending)
{
    const PathParts parts = splitPath(path, style);
    return joined(parts.folder, dropLastCharacters(parts.name, 3), ending);
}

}  // namespace

PathParts splitPath(std::string_view path, PathStyle style)
{
    std::size_t nameStart = path.size();
    while (nameStart > 0 && !isSeparator(path[nameStart - 1], style)) {
        --nameStart;
    }
    return PathParts{path.substr(0, nameStart), path.substr(nameStart)};
}

std::string_view dropLastCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = text.size();
    for (; count > 0 && end > 0; --count) {
        --end;
        while (end > 0 && isContinuationByte(text[end])) {
            --end;
        }
    }
    return text.substr(0, end);
}

std::string codedFilePathFor(std::string_view sourcePath, PathStyle style)
{
    const PathParts parts = splitPath(sourcePath, style);
    const std::size_t dot = parts.name.rfind('.');
    if (dot == std::string_view::npos) {
        return joined(parts.folder, parts.name, "____.___");
    }
    return joined(parts.folder, parts.name.substr(0, dot), "_", joined(parts.name.substr(dot + 1), ".___"));
}

std::string defaultKeyPathFor(std::string_view codedPath, PathStyle style)
{
    return withEndingReplaced(codedPath, style, "KEY");
}

std::optional<std::string> decodedFilePathFor(std::string_view codedPath, PathStyle style)
{
    const PathParts parts = splitPath(codedPath, style);
    // The coded name is the source's name with its last "." turned into "_", followed by ".___";
    // "____.___" stands for a name without extension.
    const std::string_view body = dropLastCharacters(parts.name, 4);
    const std::size_t underscore = body.rfind('_');
    std::string name;
    if (underscore == std::string_view::npos) {
        name = body;
    } else if (underscore + 1 == body.size()) {
        name = dropLastCharacters(body, 4);
    } else {
        name = joined(body.substr(0, underscore), ".", body.substr(underscore + 1));
    }
    if (name.empty()) {
        return std::nullopt;
    }
    return joined(parts.folder, name);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace votrana
