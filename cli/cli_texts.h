// The texts of the command-line tool itself, in English and Japanese. The messages of the commands
// are those of the program (ops/texts.h).
#pragma once

#include "command_line.h"
#include "platform.h"

#include <string>
#include <string_view>

namespace votrana {

struct CliTexts {
    std::string_view usage;
    std::string_view tryHelp;
    std::string_view noCommand;
    std::string_view unknownCommand;  // followed by the command
    std::string_view unknownOption;   // followed by the option
    std::string_view noFile;
    std::string_view keyWithoutFile;
    std::string_view keyTwice;
    std::string_view standardStreamsWithoutKey;
    std::string_view standardStreamsTwice;
    std::string_view notToTerminal;
    std::string_view keyFileMade;  // followed by the key file's path
    std::string_view coding;
    std::string_view decompressing;
    std::string_view decoding;
};

const CliTexts& cliTextsFor(bool japanese);

// The line that tells what is wrong with the command line, without the tool's name.
std::string usageErrorText(const CliTexts& texts, const CommandLine& line);

std::string_view stageName(const CliTexts& texts, WorkStage stage);

}  // namespace votrana
