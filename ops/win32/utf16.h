// Text crosses into the Windows API as UTF-16 and comes back as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace votrana {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace votrana
