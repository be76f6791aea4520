// The texts fixed at start-up once the language is known: the program's own path, the readme's path
// and the dialog titles of the commands.
#pragma once

#include "texts.h"

#include <string>
#include <string_view>

namespace votrana {

inline constexpr std::string_view programFileName = "VOTRA_95.EXE";

struct StartupTexts {
    // Empty when the program's file was not found under its name.
    std::string programPath;
    std::string helpFilePath;
    // The titles `codeFileTitle`, `decodeFileTitle`, `browseKeyTitle` and `keyDialogTitle` with every
    // other text of the commands, in the UI language.
    const Texts* titles = &englishTexts();
};

// The readme of the language beside the program: C:\Tools\VOTRA_95.EXE gives C:\Tools\VOTRA_9E.PDF
// or C:\Tools\VOTRA_9J.PDF. Empty when the program's path is.
std::string readmePathFor(std::string_view programPath, bool japaneseUi);

}  // namespace votrana
