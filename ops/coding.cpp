#include "coding.h"

#include "codec_files.h"
#include "command.h"
#include "disk_checks.h"
#include "file_names.h"
#include "file_placement.h"
#include "temporary_file.h"

#include <vector>

namespace votrana {

namespace {

// A generated key file is for its owner's eyes only.
constexpr std::uint32_t keyFilePermissions = 0600;

class CodingCommand : public Command {
public:
    using Command::Command;

    CommandOutcome run();

private:
    std::unique_ptr<File> openCheckedSource(std::uint64_t& length);
    bool prepareKey();
    bool writeGeneratedKey();
    bool codedNameIsFree();
    bool compress(File& source, std::uint64_t length);
    bool putInPlace();
    bool finalNamesAreFree();

    std::string sourcePath_;
    bool useUserKey_ = false;
    std::string folder_;
    std::string codedFilePath_;
    std::string keyPath_;
    // The new files, under names of their own until the coded file is complete; whatever has not
    // taken its final name goes when the command ends.
    std::unique_ptr<TemporaryFile> keyFile_;
    std::unique_ptr<TemporaryFile> codedFile_;
};

CommandOutcome CodingCommand::run()
{
    std::optional<std::string> path =
        chooseFile({texts_.codeFileTitle, texts_.allFilesFilter, texts_.allFilesPattern}, CommandButton::coding);
    if (!path) {
        return outcome_;
    }
    sourcePath_ = std::move(*path);
    std::uint64_t length = 0;
    const std::unique_ptr<File> source = openCheckedSource(length);
    if (!source || !askForKeyFile() || !prepareKey() || !codedNameIsFree() || !compress(*source, length) ||
        !putInPlace()) {
        return outcome_;
    }
    notifier_.information(std::string(texts_.codingDone) + codedFilePath_ + std::string(texts_.keyFileLabel) +
                          keyPath_);
    return CommandOutcome::done;
}

// The checks of the chosen file, in their order; the open source when it passes them all.
std::unique_ptr<File> CodingCommand::openCheckedSource(std::uint64_t& length)
{
    if (!state_.programPath.empty() && equalIgnoringCase(sourcePath_, state_.programPath)) {
        refuse(texts_.programItself);
        return nullptr;
    }
    if (!machine_.exists(sourcePath_)) {
        refuse(texts_.noAssignedFile);
        return nullptr;
    }
    const std::string rootPath = machine_.driveRoot(sourcePath_);
    if (state_.codesOnlyFromFixedDisks && !isOnFixedDisk(machine_, rootPath)) {
        refuseWithWarning(texts_.notOnFixedDisk);
        return nullptr;
    }
    std::unique_ptr<File> source = machine_.openForReading(sourcePath_);
    if (!source) {
        refuse(texts_.cannotOpenAssignedFile);
        return nullptr;
    }
    const std::optional<std::uint64_t> size = source->size();
    if (!size) {
        fail(texts_.readWriteFailed);
        return nullptr;
    }
    if (!hasEnoughFreeSpace(machine_, rootPath, *size)) {
        refuseWithWarning(texts_.notEnoughFreeSpace);
        return nullptr;
    }
    length = *size;
    return source;
}

bool CodingCommand::prepareKey()
{
    const KeyFileChoice& choice = state_.keyFileChoice;
    useUserKey_ = choice.useUserKey;
    codedFilePath_ = codedFilePathFor(sourcePath_, style_);
    folder_ = std::string(splitPath(codedFilePath_, style_).folder);
    if (useUserKey_) {
        keyPath_ = choice.keyFilePath;
        return loadKey(keyPath_, KeyDirection::coding, texts_.userKeyFileNotFound);
    }
    keyPath_ = defaultKeyPathFor(codedFilePath_, style_);
    return (machine_.mayReplace(keyPath_) || refuse(texts_.cannotCreateKeyFile)) && writeGeneratedKey();
}

bool CodingCommand::writeGeneratedKey()
{
    if (!generateKey(state_.keyTables)) {
        return fail(texts_.cannotCreateKeyFile);
    }
    keyFile_ = TemporaryFile::create(machine_, folder_);
    if (!keyFile_) {
        return refuse(texts_.cannotCreateKeyFile);
    }
    return keyFile_->file().write(keyFileBytes(state_.keyTables)) || fail(texts_.readWriteFailed);
}

// A folder or a read-only file at the coded name, or the user's key file itself, is refused before
// any work is done.
bool CodingCommand::codedNameIsFree()
{
    return (machine_.mayReplace(codedFilePath_) && !(useUserKey_ && isSameFile(machine_, codedFilePath_, keyPath_))) ||
           refuse(texts_.cannotCreateCodedFile);
}

// The substituted bytes go straight into the compressor.
bool CodingCommand::compress(File& source, std::uint64_t length)
{
    codedFile_ = TemporaryFile::create(machine_, folder_);
    if (!codedFile_) {
        return refuse(texts_.cannotCreateCodedFile);
    }
    // The coded file will have to be on the disk before it replaces an earlier pair.
    if (machine_.exists(codedFilePath_) || (!useUserKey_ && machine_.exists(keyPath_))) {
        codedFile_->file().writeBehind();
    }
    CodecRun run = compressInto(person_, notifier_, *state_.codecState, source, length, state_.keyTables.codingTable,
                                codedFile_->file());
    if (run == CodecRun::done && !source.close()) {
        notifier_.error(texts_.readWriteFailed);
        run = CodecRun::failed;
    }
    return run == CodecRun::done || (run == CodecRun::failed && fail(texts_.compressionFailed));
}

// Gives the coded file and a generated key file their names, in place of the files of an earlier run,
// while no other run gives names in the folder.
bool CodingCommand::putInPlace()
{
    if (person_.stopRequested()) {
        return false;
    }
    const std::unique_ptr<FolderLock> lock = machine_.lockFolder(folder_);
    if (!finalNamesAreFree()) {
        return false;
    }
    std::vector<Placement> placements{{*codedFile_, codedFilePath_}};
    if (!useUserKey_) {
        placements.push_back({*keyFile_, keyPath_});
    }
    const bool durable = replacesAnyFile(machine_, placements);
    const bool finished =
        setPermissionsFor(machine_, codedFile_->file(), machine_.permissions(sourcePath_), codedFilePath_) &&
        (useUserKey_ || setPermissionsFor(machine_, keyFile_->file(), keyFilePermissions, keyPath_)) &&
        codedFile_->finish(durable) && (useUserKey_ || keyFile_->finish(durable));
    if (!finished) {
        return fail(texts_.readWriteFailed);
    }
    // A stop asked for while the files went to the disk still keeps the earlier files.
    if (person_.stopRequested()) {
        return false;
    }
    const std::optional<std::size_t> notPlaced = placeFiles(machine_, folder_, placements);
    return !notPlaced || fail(*notPlaced == 0 ? texts_.cannotCreateCodedFile : texts_.cannotCreateKeyFile);
}

// The names checked before the work, again: another program may have put something there since.
bool CodingCommand::finalNamesAreFree()
{
    return (useUserKey_ || machine_.mayReplace(keyPath_) || refuse(texts_.cannotCreateKeyFile)) && codedNameIsFree();
}

}  // namespace

CommandOutcome runCoding(Platform& platform, OperationsState& state)
{
    return CodingCommand(platform, state).run();
}

}  // namespace votrana
