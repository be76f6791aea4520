// Text helpers of the GUI test driver: UTF-8 and UTF-16, and a readable form of a text for the log.
#pragma once

#include "utf16.h"

#include <sstream>
#include <string>
#include <string_view>

namespace guitest {

// As the program converts them.
inline std::wstring wide(std::string_view utf8Text)
{
    return votrana::toWide(utf8Text);
}
inline std::string utf8(std::wstring_view utf16Text)
{
    return votrana::toUtf8(utf16Text);
}

// The text with line breaks and other control characters written as \n, \xNN, so that one check stays
// one line of the log.
std::string printable(std::string_view utf8Text);
std::string printable(std::wstring_view text);

// Joins the arguments as a stream would print them.
template <typename... Parts>
std::string cat(const Parts&... parts)
{
    std::ostringstream stream;
    (stream << ... << parts);
    return stream.str();
}

}  // namespace guitest
