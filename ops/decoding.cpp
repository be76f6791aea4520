#include "decoding.h"

#include "codec_files.h"
#include "command.h"
#include "disk_checks.h"
#include "file_names.h"
#include "file_placement.h"
#include "file_streams.h"
#include "key_file_loading.h"
#include "temporary_file.h"

#include <vector>

namespace votrana {

namespace {

// Bytes moved by one read and one write of the substitution pass.
constexpr std::size_t substitutionBlockSize = std::size_t{1} << 20;

// The coded file and the key file are only read. The decoded bytes grow in a temporary file of the
// command's own, which takes the decoded file's name in one step at the end.
class DecodingCommand : public Command {
public:
    using Command::Command;

    CommandOutcome run();

private:
    bool decompress();
    bool loadChosenKey();
    bool checkDecodedFile(std::uint64_t& length);
    bool substitute(File& data, std::uint64_t length);
    bool putInPlace();
    bool codedFileAndKeyUnchanged();

    std::string codedFilePath_;
    std::string folder_;
    std::optional<FileIdentity> codedFileIdentity_;
    std::unique_ptr<TemporaryFile> data_;
    std::string decodingKeyPath_;
    std::string decodedFilePath_;
};

CommandOutcome DecodingCommand::run()
{
    std::optional<std::string> path = chooseFile(
        {texts_.decodeFileTitle, texts_.codedFilesFilter, texts_.codedFilesPattern}, CommandButton::decoding);
    if (!path) {
        return outcome_;
    }
    codedFilePath_ = std::move(*path);
    if (!machine_.exists(codedFilePath_)) {
        refuse(texts_.noAssignedFile);
        return outcome_;
    }
    std::uint64_t length = 0;
    if (!decompress() || !askForKeyFile() || !loadChosenKey() || !checkDecodedFile(length) ||
        !substitute(data_->file(), length) || !putInPlace()) {
        return outcome_;
    }
    notifier_.information(std::string(texts_.decodingDone) + decodedFilePath_ + std::string(texts_.keyFileLabel) +
                          decodingKeyPath_);
    return CommandOutcome::done;
}

// A damaged coded file is refused here, before the person is asked for a key.
bool DecodingCommand::decompress()
{
    const std::unique_ptr<File> coded = machine_.openForReading(codedFilePath_);
    if (!coded) {
        return refuse(texts_.cannotOpenAssignedFile);
    }
    codedFileIdentity_ = coded->identity();
    folder_ = std::string(splitPath(codedFilePath_, style_).folder);
    data_ = TemporaryFile::create(machine_, folder_);
    if (!data_) {
        return refuse(texts_.cannotCreateDecompressedFile);
    }
    const CodecRun run = decompressInto(person_, notifier_, *state_.codecState, *coded, data_->file());
    if (run == CodecRun::done && (!coded->close() || !codedFileIdentity_)) {
        return fail(texts_.readWriteFailed);
    }
    return run == CodecRun::done || (run == CodecRun::failed && failed());
}

bool DecodingCommand::loadChosenKey()
{
    const KeyFileChoice& choice = state_.keyFileChoice;
    decodingKeyPath_ = choice.useUserKey ? choice.keyFilePath : defaultKeyPathFor(codedFilePath_, style_);
    return loadKey(decodingKeyPath_, KeyDirection::decoding,
                   choice.useUserKey ? texts_.userKeyFileNotFound : texts_.defaultKeyFileNotFound);
}

// The checks after the key, in their order: room on the disk, then a name the decoded file may take.
bool DecodingCommand::checkDecodedFile(std::uint64_t& length)
{
    const std::optional<std::uint64_t> size = data_->file().size();
    if (!size) {
        return fail(texts_.readWriteFailed);
    }
    if (!hasEnoughFreeSpace(machine_, machine_.driveRoot(codedFilePath_), *size)) {
        return refuseWithWarning(texts_.notEnoughFreeSpace);
    }
    const std::optional<std::string> decodedFilePath = decodedFilePathFor(codedFilePath_, style_);
    if (!decodedFilePath || !machine_.mayReplace(*decodedFilePath) ||
        isSameFile(machine_, *decodedFilePath, decodingKeyPath_)) {
        return refuse(texts_.cannotCreateDecodedFile);
    }
    decodedFilePath_ = *decodedFilePath;
    length = *size;
    // The decoded bytes will have to be on the disk before they replace a file of that name.
    if (machine_.exists(decodedFilePath_)) {
        data_->file().writeBehind();
    }
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
    return substituted || (!source.stopped() && fail(texts_.readWriteFailed));
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
        return fail(texts_.readWriteFailed);
    }
    if (!machine_.mayReplace(decodedFilePath_) || isSameFile(machine_, decodedFilePath_, decodingKeyPath_)) {
        return refuse(texts_.cannotCreateDecodedFile);
    }
    const Placement placement{*data_, decodedFilePath_};
    const bool finished =
        setPermissionsFor(machine_, data_->file(), machine_.permissions(codedFilePath_), decodedFilePath_) &&
        data_->finish(replacesAnyFile(machine_, {&placement, 1}));
    if (!finished) {
        return fail(texts_.readWriteFailed);
    }
    // A stop asked for while the file went to the disk still keeps the earlier file.
    if (person_.stopRequested()) {
        return false;
    }
    return !placeFiles(machine_, folder_, {&placement, 1}) || fail(texts_.cannotCreateDecodedFile);
}

// Another run may have coded anew while this one worked: the decoded bytes are then of an earlier
// coded file, or were decoded with a key that is no longer its key.
bool DecodingCommand::codedFileAndKeyUnchanged()
{
    KeyTables keyNow;
    return machine_.identity(codedFilePath_) == codedFileIdentity_ &&
           loadKeyFile(machine_, decodingKeyPath_, KeyDirection::decoding, keyNow) == KeyFileLoading::loaded &&
           keyNow.inverseTable == state_.keyTables.inverseTable;
}

}  // namespace

CommandOutcome runDecoding(Platform& platform, OperationsState& state)
{
    return DecodingCommand(platform, state).run();
}

}  // namespace votrana
