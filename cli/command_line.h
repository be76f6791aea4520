// What the command line asks the tool to do.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace votrana {

enum class UsageError { none, noCommand, unknownCommand, unknownOption, noFile, keyWithoutFile, keyTwice };

struct CommandLine {
    enum class Action { code, decode, help, version };
    Action action = Action::help;
    std::vector<std::string> files;
    std::optional<std::string> keyFile;
    UsageError error = UsageError::none;
    std::string offendingArgument;  // the unknown command or option
};

// `arguments` without the program's name.
CommandLine parseCommandLine(std::span<const std::string> arguments);

}  // namespace votrana
