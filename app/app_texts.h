// The texts that the window side shows itself, in English and in Japanese. The captions of its
// message boxes are those of the commands (ops/texts.h).
#pragma once

#include <array>
#include <string_view>

namespace votrana {

struct AppTexts {
    std::string_view windowTitle;
    // The hover labels of the five buttons, Coding to Exit.
    std::array<std::string_view, 5> labels;
    std::string_view aboutNotShown;
    std::string_view readmeMissing;
    std::string_view readmeNotOpened;
    // The progress window's line for each long pass, in the order of WorkStage; its title is the
    // command's label.
    std::array<std::string_view, 3> workStages;
};

const AppTexts& appTextsFor(bool japaneseUi);

}  // namespace votrana
