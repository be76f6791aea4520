#include "text.h"

#include <cstdio>

namespace guitest {

std::string printable(std::string_view utf8Text)
{
    std::string result;
    for (const char c : utf8Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            result += "\\n";
        } else if (c == '\\') {
            result += '\\';
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result;
}

std::string printable(std::wstring_view text)
{
    return printable(utf8(text));
}

}  // namespace guitest
