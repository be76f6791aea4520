#include "decoding.h"

#include "codec_files.h"
#include "command_context.h"
#include "coded_file_parking.h"
#include "disk_checks.h"
#include "file_choice.h"
#include "file_names.h"
#include "file_streams.h"
#include "key_file_loading.h"
#include "notifier.h"

#include <vector>

namespace votrana {

namespace {

// Bytes moved by one read and one write of the substitution pass.
constexpr std::size_t substitutionBlockSize = std::size_t{1} << 20;

class DecodingCommand : private CommandContext {
public:
    using CommandContext::CommandContext;

    void run();

private:
    bool chooseCodedFile();
    bool decodeParkedData();
    bool findKeyFile();
    bool loadKey();
    bool substituteInPlace(File& data, std::uint64_t length);
    bool putInPlace(const std::string& outputPath);

    std::string decodingKeyPath_;
    std::string decodedFilePath_;
};

void DecodingCommand::run()
{
    state_.operationMode = KeyDirection::decoding;
    if (!chooseCodedFile()) {
        return;
    }
    const std::string& selectedFilePath = state_.selectedFilePath;
    if (!machine_.exists(selectedFilePath)) {
        notifier_.error(texts_.noAssignedFile);
        return;
    }
    state_.tempFilePath = tempFilePathFor(selectedFilePath, style_);
    const std::string holdFilePath = holdFilePathFor(selectedFilePath, style_);
    if (!decompressFile(platform_, notifier_, *state_.codecState, selectedFilePath, state_.tempFilePath)) {
        return;
    }
    CodedFileParking parking(machine_, selectedFilePath, state_.tempFilePath, holdFilePath);
    if (!parking.park()) {
        notifier_.error(texts_.cannotRenameCodedFile);
        return;
    }
    // The decompressed data is decoded where it lies. It then leaves the coded file's name for the
    // hold name, free again after the exchange, and takes the decoded file's name only after the coded
    // file has its own back, so a file of the decoded name survives every failure.
    const bool decoded = decodeParkedData();
    const bool released = decoded && parking.releaseData(holdFilePath);
    if (!parking.restore()) {
        if (released) {
            machine_.remove(holdFilePath);
        }
        notifier_.error(texts_.cannotRenameCodedFile);
        return;
    }
    if (!decoded) {
        return;
    }
    if (!released) {
        notifier_.error(texts_.cannotCreateDecodedFile);
        return;
    }
    if (!putInPlace(holdFilePath)) {
        return;
    }
    notifier_.information(std::string(texts_.decodingDone) + decodedFilePath_ +
                          std::string(texts_.keyFileLabel) + decodingKeyPath_);
}

bool DecodingCommand::chooseCodedFile()
{
    state_.selectedFilePath.clear();
    std::optional<std::string> path = askForFile(
        person_, notifier_, {texts_.decodeFileTitle, texts_.codedFilesFilter, texts_.codedFilesPattern},
        CommandButton::decoding);
    if (!path) {
        return false;
    }
    state_.selectedFilePath = std::move(*path);
    return true;
}

// The work while the decompressed data is under the coded file's name. True when it is decoded.
bool DecodingCommand::decodeParkedData()
{
    if (!askForKeyFile(person_, state_.keyFileChoice, notifier_) || !findKeyFile() || !loadKey()) {
        return false;
    }
    const std::string& dataPath = state_.selectedFilePath;
    const std::unique_ptr<File> data = machine_.openForUpdate(dataPath);
    if (!data) {
        notifier_.error(texts_.cannotOpenDecodedFile);
        return false;
    }
    const std::optional<std::uint64_t> length = data->size();
    if (!length) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    if (!hasEnoughFreeSpace(machine_, machine_.driveRoot(dataPath), *length)) {
        notifier_.warning(texts_.notEnoughFreeSpace);
        return false;
    }
    const std::optional<std::string> decodedFilePath = decodedFilePathFor(dataPath, style_);
    if (!decodedFilePath) {
        notifier_.error(texts_.cannotCreateDecodedFile);
        return false;
    }
    decodedFilePath_ = *decodedFilePath;
    return substituteInPlace(*data, *length);
}

bool DecodingCommand::findKeyFile()
{
    const KeyFileChoice& choice = state_.keyFileChoice;
    decodingKeyPath_ =
        choice.useUserKey ? choice.keyFilePath : defaultKeyPathFor(state_.selectedFilePath, style_);
    if (!machine_.exists(decodingKeyPath_)) {
        notifier_.error(choice.useUserKey ? texts_.userKeyFileNotFound : texts_.defaultKeyFileNotFound);
        return false;
    }
    return true;
}

bool DecodingCommand::loadKey()
{
    const KeyFileLoading loading =
        loadKeyFile(machine_, decodingKeyPath_, KeyDirection::decoding, state_.keyTables);
    if (loading != KeyFileLoading::loaded) {
        notifier_.error(keyFileFailureText(texts_, loading));
        return false;
    }
    return true;
}

bool DecodingCommand::substituteInPlace(File& data, std::uint64_t length)
{
    person_.setCursor(Cursor::wait);
    ProgressMeter progress(person_, WorkStage::decoding, length);
    FileSource source(data, progress, &state_.keyTables.inverseTable);
    std::vector<std::uint8_t> block(substitutionBlockSize);
    std::uint64_t offset = 0;
    bool substituted = true;
    for (;;) {
        const std::optional<std::size_t> count = source.read(block);
        if (!count || (*count > 0 && (!data.seek(offset) || !data.write(std::span(block).first(*count))))) {
            substituted = false;
            break;
        }
        if (*count == 0) {
            break;
        }
        offset += *count;
    }
    const bool closed = data.close();
    person_.setCursor(Cursor::arrow);
    if (!substituted || !closed) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    return true;
}

// Gives the decoded bytes the decoded file's name, in place of a file of that name.
bool DecodingCommand::putInPlace(const std::string& outputPath)
{
    if (!machine_.replace(outputPath, decodedFilePath_)) {
        machine_.remove(outputPath);
        notifier_.error(texts_.cannotCreateDecodedFile);
        return false;
    }
    return true;
}

}  // namespace

void runDecoding(Platform& platform, OperationsState& state)
{
    DecodingCommand(platform, state).run();
}

}  // namespace votrana
