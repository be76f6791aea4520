// What the command line asks the tool to do.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace votrana {

enum class UsageError {
    none,
    noCommand,
    unknownCommand,
    unknownOption,
    noFile,
    keyWithoutFile,
    keyTwice,
    standardStreamsWithoutKey,
    standardStreamsTwice,
};

// The FILE that stands for standard input and output.
inline constexpr std::string_view standardStreamsName = "-";

struct CommandLine {
    enum class Action { code, decode, help, version };
    Action action = Action::help;
    std::vector<std::string> files;
    std::optional<std::string> keyFile;
    // Coded or decoded bytes may go to a terminal.
    bool force = false;
    UsageError error = UsageError::none;
    std::string offendingArgument;  // the unknown command or option

    bool usesStandardStreams() const;
};

// `arguments` without the program's name.
CommandLine parseCommandLine(std::span<const std::string> arguments);

}  // namespace votrana
