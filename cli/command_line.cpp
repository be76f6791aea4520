#include "command_line.h"

#include <algorithm>

namespace votrana {

namespace {

CommandLine usageError(UsageError error, std::string argument = {})
{
    CommandLine line;
    line.error = error;
    line.offendingArgument = std::move(argument);
    return line;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string> arguments)
{
    if (arguments.empty()) {
        return usageError(UsageError::noCommand);
    }
    CommandLine line;
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h") {
        return line;
    }
    if (command == "--version") {
        line.action = CommandLine::Action::version;
        return line;
    }
    if (command == "code") {
        line.action = CommandLine::Action::code;
    } else if (command == "decode") {
        line.action = CommandLine::Action::decode;
    } else {
        return usageError(command.starts_with("-") ? UsageError::unknownOption : UsageError::unknownCommand, command);
    }

    constexpr std::string_view keyOption = "--key";
    bool onlyFiles = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyFiles || argument == standardStreamsName || !argument.starts_with("-")) {
            line.files.push_back(argument);
        } else if (argument == "--") {
            onlyFiles = true;
        } else if (argument == "--force" || argument == "-f") {
            line.force = true;
        } else if (argument == "--help" || argument == "-h") {
            return CommandLine{};
        } else if (argument == keyOption || argument.starts_with("--key=")) {
            if (line.keyFile) {
                return usageError(UsageError::keyTwice);
            }
            if (argument != keyOption) {
                line.keyFile = argument.substr(keyOption.size() + 1);
            } else if (i + 1 < arguments.size()) {
                line.keyFile = arguments[++i];
            } else {
                return usageError(UsageError::keyWithoutFile);
            }
        } else {
            return usageError(UsageError::unknownOption, argument);
        }
    }
    if (line.files.empty()) {
        return usageError(UsageError::noFile);
    }
    // A stream has no folder for a key file beside it, and standard input can be read only once.
    if (line.usesStandardStreams() && !line.keyFile) {
        return usageError(UsageError::standardStreamsWithoutKey);
    }
    if (std::ranges::count(line.files, standardStreamsName) > 1) {
        return usageError(UsageError::standardStreamsTwice);
    }
    return line;
}

bool CommandLine::usesStandardStreams() const
{
    return std::ranges::find(files, standardStreamsName) != files.end();
}

}  // namespace votrana
