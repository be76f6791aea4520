#include "decoding.h"

#include "codec_files.h"
#include "command_context.h"
#include "disk_checks.h"
#include "file_choice.h"
#include "file_names.h"
#include "file_placement.h"
#include "file_streams.h"
#include "key_file_loading.h"
#include "notifier.h"
#include "temporary_file.h"

#include <vector>

namespace votrana {

namespace {

// Bytes moved by one read and one write of the substitution pass.
constexpr std::size_t substitutionBlockSize = std::size_t{1} << 20;

// The coded file and the key file are only read. The decoded bytes grow in a temporary file of the
// command's own, which takes the decoded file's name in one step at the end.
class DecodingCommand : private CommandContext {
public:
    using CommandContext::CommandContext;

    void run();

private:
    bool chooseCodedFile();
    bool decompress();
    bool findKeyFile();
    bool loadKey();
    bool checkDecodedFile(std::uint64_t& length);
    bool substitute(File& data, std::uint64_t length);
    bool putInPlace();
    bool codedFileAndKeyUnchanged();

    std::string folder_;
    std::optional<FileIdentity> codedFileIdentity_;
    std::unique_ptr<TemporaryFile> data_;
    std::string decodingKeyPath_;
    std::string decodedFilePath_;
};

void DecodingCommand::run()
{
    state_.operationMode = KeyDirection::decoding;
    if (!chooseCodedFile()) {
        return;
    }
    if (!machine_.exists(state_.selectedFilePath)) {
        notifier_.error(texts_.noAssignedFile);
        return;
    }
    std::uint64_t length = 0;
    if (!decompress() || !askForKeyFile(person_, state_.keyFileChoice, notifier_) || !findKeyFile() ||
        !loadKey() || !checkDecodedFile(length) || !substitute(data_->file(), length) || !putInPlace()) {
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

// A damaged coded file is refused here, before the person is asked for a key.
bool DecodingCommand::decompress()
{
    const std::string& codedPath = state_.selectedFilePath;
    const std::unique_ptr<File> coded = machine_.openForReading(codedPath);
    if (!coded) {
        notifier_.error(texts_.cannotOpenAssignedFile);
        return false;
    }
    codedFileIdentity_ = coded->identity();
    folder_ = std::string(splitPath(codedPath, style_).folder);
    data_ = TemporaryFile::create(machine_, folder_);
    if (!data_) {
        notifier_.error(texts_.cannotCreateDecompressedFile);
        return false;
    }
    const CodecRun run = decompressInto(person_, notifier_, *state_.codecState, *coded, data_->file());
    if (run == CodecRun::done && (!coded->close() || !codedFileIdentity_)) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    return run == CodecRun::done;
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

// The checks after the key, in their order: room on the disk, then a name the decoded file may take.
bool DecodingCommand::checkDecodedFile(std::uint64_t& length)
{
    const std::optional<std::uint64_t> size = data_->file().size();
    if (!size) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    if (!hasEnoughFreeSpace(machine_, machine_.driveRoot(state_.selectedFilePath), *size)) {
        notifier_.warning(texts_.notEnoughFreeSpace);
        return false;
    }
    const std::optional<std::string> decodedFilePath = decodedFilePathFor(state_.selectedFilePath, style_);
    if (!decodedFilePath || !machine_.mayReplace(*decodedFilePath) ||
        isSameFile(machine_, *decodedFilePath, decodingKeyPath_)) {
        notifier_.error(texts_.cannotCreateDecodedFile);
        return false;
    }
    decodedFilePath_ = *decodedFilePath;
    length = *size;
    return true;
}

// Passes the decompressed bytes through the key where they lie.
bool DecodingCommand::substitute(File& data, std::uint64_t length)
{
    person_.setCursor(Cursor::wait);
    ProgressMeter progress(person_, WorkStage::decoding, length);
    FileSource source(data, progress, &state_.keyTables.inverseTable);
    std::vector<std::uint8_t> block(substitutionBlockSize);
    bool substituted = data.seek(0);
    for (std::uint64_t offset = 0; substituted;) {
        const std::optional<std::size_t> count = source.read(block);
        if (count == 0u) {
            break;
        }
        substituted = count && data.seek(offset) && data.write(std::span(block).first(*count));
        offset += count.value_or(0);
    }
    person_.setCursor(Cursor::arrow);
    if (source.stopped()) {
        return false;
    }
    if (!substituted) {
        notifier_.error(texts_.readWriteFailed);
    }
    return substituted;
}

// Gives the decoded bytes the decoded file's name, in place of a file of that name, while no other
// run gives names in the folder.
bool DecodingCommand::putInPlace()
{
    if (person_.stopRequested()) {
        return false;
    }
    const std::unique_ptr<FolderLock> lock = machine_.lockFolder(folder_);
    if (!codedFileAndKeyUnchanged()) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    if (!machine_.mayReplace(decodedFilePath_) || isSameFile(machine_, decodedFilePath_, decodingKeyPath_)) {
        notifier_.error(texts_.cannotCreateDecodedFile);
        return false;
    }
    const Placement placement{*data_, decodedFilePath_};
    const bool finished = setPermissionsFor(machine_, data_->file(), machine_.permissions(state_.selectedFilePath),
                                            decodedFilePath_) &&
                          data_->finish(replacesAnyFile(machine_, {&placement, 1}));
    if (!finished) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    if (placeFiles(machine_, folder_, {&placement, 1})) {
        notifier_.error(texts_.cannotCreateDecodedFile);
        return false;
    }
    return true;
}

// Another run may have coded anew while this one worked: the decoded bytes are then of an earlier
// coded file, or were decoded with a key that is no longer its key.
bool DecodingCommand::codedFileAndKeyUnchanged()
{
    KeyTables keyNow;
    return machine_.identity(state_.selectedFilePath) == codedFileIdentity_ &&
           loadKeyFile(machine_, decodingKeyPath_, KeyDirection::decoding, keyNow) == KeyFileLoading::loaded &&
           keyNow.inverseTable == state_.keyTables.inverseTable;
}

}  // namespace

void runDecoding(Platform& platform, OperationsState& state)
{
    DecodingCommand(platform, state).run();
}

}  // namespace votrana
