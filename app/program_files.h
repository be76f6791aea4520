// The program's own file name, and the readme documents that lie beside it.
#pragma once

#include <string>
#include <string_view>

namespace votrana {

inline constexpr std::string_view programFileName = "VOTRA_95.EXE";

// The readme of the language beside the program: C:\Tools\VOTRA_95.EXE gives C:\Tools\VOTRA_9E.PDF
// or C:\Tools\VOTRA_9J.PDF. Empty when the program's path is.
std::string readmePathFor(std::string_view programPath, bool japaneseUi);

}  // namespace votrana
