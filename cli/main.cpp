// votrana: the Coding and Decoding commands of the program, one FILE after the other, from the
// command line; FILE - codes or decodes standard input to standard output.
#include "cli_texts.h"
#include "coding.h"
#include "command_line.h"
#include "console_person.h"
#include "decoding.h"
#include "interruption.h"
#include "operations_state.h"
#include "posix_machine.h"
#include "stream_commands.h"
#include "texts.h"
#include "ui_language.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// The tool gives the commands absolute paths, as the open-file dialog does; an empty one stays empty
// and is then not found.
std::string absolutePath(const std::string& path)
{
    if (path.empty()) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// FILE -: from standard input to standard output, with the key file the command line names.
votrana::CommandOutcome runOnStandardStreams(const votrana::CommandLine& line, votrana::Platform& platform,
                                             votrana::OperationsState& state, const std::string& keyPath)
{
    const std::unique_ptr<votrana::File> input = votrana::openStandardStream(STDIN_FILENO);
    const std::unique_ptr<votrana::File> output = votrana::openStandardStream(STDOUT_FILENO);
    if (!input || !output) {
        const votrana::Texts& texts = votrana::textsFor(state.japaneseUi);
        platform.person.showMessage({std::string(texts.readWriteFailed), std::string(texts.errorCaption)});
        return votrana::CommandOutcome::failed;
    }
    const votrana::BrokenPipeEndsTool brokenPipeEndsTool;
    return line.action == votrana::CommandLine::Action::code
               ? votrana::runStreamCoding(platform, state, keyPath, *input, *output)
               : votrana::runStreamDecoding(platform, state, keyPath, *input, *output);
}

int runCommand(const votrana::CommandLine& line, const votrana::CliTexts& texts, bool japanese)
{
    const bool streams = line.usesStandardStreams();
    if (streams && !line.force && ::isatty(STDOUT_FILENO) == 1) {
        std::cerr << "votrana: " << votrana::standardStreamsName << ": " << texts.notToTerminal << '\n';
        return 1;
    }
    votrana::OperationsState state;
    state.japaneseUi = japanese;
    state.codesOnlyFromFixedDisks = false;
    votrana::PosixMachine machine;
    // Where standard output carries coded or decoded bytes, the reports go to standard error.
    votrana::ConsolePerson person(streams ? std::cerr : std::cout, std::cerr, texts, ::isatty(STDERR_FILENO) == 1);
    votrana::Platform platform{person, machine};
    std::optional<std::string> keyFile;
    if (line.keyFile) {
        keyFile = absolutePath(*line.keyFile);
    }
    if (streams && line.action == votrana::CommandLine::Action::code) {
        person.prepare(std::string(votrana::standardStreamsName), {}, keyFile);
        const votrana::KeyFileMaking making = votrana::makeKeyFileIfMissing(platform, state, *keyFile);
        if (making == votrana::KeyFileMaking::failed) {
            return 1;
        }
        if (making == votrana::KeyFileMaking::made) {
            std::cerr << texts.keyFileMade << *keyFile << '\n';
        }
    }
    int status = 0;
    for (const std::string& file : line.files) {
        if (votrana::interruptingSignal() != 0) {
            break;
        }
        person.prepare(file, absolutePath(file), keyFile);
        votrana::CommandOutcome outcome = votrana::CommandOutcome::done;
        if (file == votrana::standardStreamsName) {
            outcome = runOnStandardStreams(line, platform, state, *keyFile);
        } else if (line.action == votrana::CommandLine::Action::code) {
            outcome = votrana::runCoding(platform, state);
        } else {
            outcome = votrana::runDecoding(platform, state);
        }
        if (outcome != votrana::CommandOutcome::done || person.reportLost()) {
            status = 1;
        }
    }
    // Stopped by a signal: the exit status says which, as if the signal had ended the tool.
    if (const int signal = votrana::interruptingSignal(); signal != 0) {
        return 128 + signal;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const bool japanese = votrana::japaneseFromEnvironment();
    const votrana::CliTexts& texts = votrana::cliTextsFor(japanese);
    const votrana::CommandLine line = votrana::parseCommandLine(arguments);
    if (line.error != votrana::UsageError::none) {
        std::cerr << "votrana: " << votrana::usageErrorText(texts, line) << '\n' << texts.tryHelp << '\n';
        return 2;
    }
    switch (line.action) {
    case votrana::CommandLine::Action::help:
        std::cout << texts.usage;
        return 0;
    case votrana::CommandLine::Action::version:
        std::cout << "votrana " << VOTRANA_VERSION << '\n';
        return 0;
    case votrana::CommandLine::Action::code:
    case votrana::CommandLine::Action::decode:
        break;
    }
    votrana::catchInterruptions();
    return runCommand(line, texts, japanese);
}
