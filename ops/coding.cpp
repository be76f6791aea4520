#include "coding.h"

#include "codec_files.h"
#include "command_context.h"
#include "disk_checks.h"
#include "file_choice.h"
#include "file_names.h"
#include "file_placement.h"
#include "key_file_loading.h"
#include "notifier.h"
#include "temporary_file.h"

#include <vector>

namespace votrana {

namespace {

// A generated key file is for its owner's eyes only.
constexpr std::uint32_t keyFilePermissions = 0600;

class CodingCommand : private CommandContext {
public:
    using CommandContext::CommandContext;

    void run();

private:
    bool chooseSource();
    std::unique_ptr<File> openCheckedSource(std::uint64_t& length);
    bool prepareKey();
    bool writeGeneratedKey();
    bool loadUserKey();
    bool codedNameIsFree();
    bool compress(File& source, std::uint64_t length);
    bool putInPlace();
    bool finalNamesAreFree();

    bool useUserKey_ = false;
    std::string folder_;
    std::string codedFilePath_;
    std::string keyPath_;
    // The new files, under names of their own until the coded file is complete; whatever has not
    // taken its final name goes when the command ends.
    std::unique_ptr<TemporaryFile> keyFile_;
    std::unique_ptr<TemporaryFile> codedFile_;
};

void CodingCommand::run()
{
    state_.operationMode = KeyDirection::coding;
    if (!chooseSource()) {
        return;
    }
    std::uint64_t length = 0;
    const std::unique_ptr<File> source = openCheckedSource(length);
    if (!source || !askForKeyFile(person_, state_.keyFileChoice, notifier_) || !prepareKey() ||
        !codedNameIsFree() || !compress(*source, length) || !putInPlace()) {
        return;
    }
    notifier_.information(std::string(texts_.codingDone) + codedFilePath_ + std::string(texts_.keyFileLabel) +
                          keyPath_);
}

bool CodingCommand::chooseSource()
{
    state_.selectedFilePath.clear();
    std::optional<std::string> path =
        askForFile(person_, notifier_, {texts_.codeFileTitle, texts_.allFilesFilter, texts_.allFilesPattern},
                   CommandButton::coding);
    if (!path) {
        return false;
    }
    state_.selectedFilePath = std::move(*path);
    return true;
}

// The checks of the chosen file, in their order; the open source when it passes them all.
std::unique_ptr<File> CodingCommand::openCheckedSource(std::uint64_t& length)
{
    const std::string& selectedFilePath = state_.selectedFilePath;
    if (!state_.programPath.empty() && equalIgnoringCase(selectedFilePath, state_.programPath)) {
        notifier_.error(texts_.programItself);
        return nullptr;
    }
    if (!machine_.exists(selectedFilePath)) {
        notifier_.error(texts_.noAssignedFile);
        return nullptr;
    }
    const std::string rootPath = machine_.driveRoot(selectedFilePath);
    if (!isOnFixedDisk(machine_, rootPath)) {
        notifier_.warning(texts_.notOnFixedDisk);
        return nullptr;
    }
    std::unique_ptr<File> source = machine_.openForReading(selectedFilePath);
    if (!source) {
        notifier_.error(texts_.cannotOpenAssignedFile);
        return nullptr;
    }
    const std::optional<std::uint64_t> size = source->size();
    if (!size) {
        notifier_.error(texts_.readWriteFailed);
        return nullptr;
    }
    if (!hasEnoughFreeSpace(machine_, rootPath, *size)) {
        notifier_.warning(texts_.notEnoughFreeSpace);
        return nullptr;
    }
    length = *size;
    return source;
}

bool CodingCommand::prepareKey()
{
    const KeyFileChoice& choice = state_.keyFileChoice;
    useUserKey_ = choice.useUserKey;
    codedFilePath_ = codedFilePathFor(state_.selectedFilePath, style_);
    folder_ = std::string(splitPath(codedFilePath_, style_).folder);
    if (useUserKey_) {
        keyPath_ = choice.keyFilePath;
        return loadUserKey();
    }
    keyPath_ = defaultKeyPathFor(codedFilePath_, style_);
    if (!machine_.mayReplace(keyPath_)) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    return writeGeneratedKey();
}

bool CodingCommand::writeGeneratedKey()
{
    if (!generateKey(state_.keyTables)) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    keyFile_ = TemporaryFile::create(machine_, folder_);
    if (!keyFile_) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    if (!keyFile_->file().write(keyFileBytes(state_.keyTables))) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    return true;
}

bool CodingCommand::loadUserKey()
{
    if (!machine_.exists(keyPath_)) {
        notifier_.error(texts_.userKeyFileNotFound);
        return false;
    }
    const KeyFileLoading loading = loadKeyFile(machine_, keyPath_, KeyDirection::coding, state_.keyTables);
    if (loading != KeyFileLoading::loaded) {
        notifier_.error(keyFileFailureText(texts_, loading));
        return false;
    }
    return true;
}

// A folder or a read-only file at the coded name, or the user's key file itself, is refused before
// any work is done.
bool CodingCommand::codedNameIsFree()
{
    if (!machine_.mayReplace(codedFilePath_) || (useUserKey_ && isSameFile(machine_, codedFilePath_, keyPath_))) {
        notifier_.error(texts_.cannotCreateCodedFile);
        return false;
    }
    return true;
}

// The substituted bytes go straight into the compressor.
bool CodingCommand::compress(File& source, std::uint64_t length)
{
    codedFile_ = TemporaryFile::create(machine_, folder_);
    if (!codedFile_) {
        notifier_.error(texts_.cannotCreateCodedFile);
        return false;
    }
    CodecRun run = compressInto(person_, notifier_, *state_.codecState, source, length,
                                state_.keyTables.codingTable, codedFile_->file());
    if (run == CodecRun::done && !source.close()) {
        notifier_.error(texts_.readWriteFailed);
        run = CodecRun::failed;
    }
    if (run == CodecRun::failed) {
        notifier_.error(texts_.compressionFailed);
    }
    return run == CodecRun::done;
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
        setPermissionsFor(machine_, codedFile_->file(), machine_.permissions(state_.selectedFilePath),
                          codedFilePath_) &&
        (useUserKey_ || setPermissionsFor(machine_, keyFile_->file(), keyFilePermissions, keyPath_)) &&
        codedFile_->finish(durable) && (useUserKey_ || keyFile_->finish(durable));
    if (!finished) {
        notifier_.error(texts_.readWriteFailed);
        return false;
    }
    if (const std::optional<std::size_t> failed = placeFiles(machine_, folder_, placements)) {
        notifier_.error(*failed == 0 ? texts_.cannotCreateCodedFile : texts_.cannotCreateKeyFile);
        return false;
    }
    return true;
}

// The names checked before the work, again: another program may have put something there since.
bool CodingCommand::finalNamesAreFree()
{
    if (!useUserKey_ && !machine_.mayReplace(keyPath_)) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    return codedNameIsFree();
}

}  // namespace

void runCoding(Platform& platform, OperationsState& state)
{
    CodingCommand(platform, state).run();
}

}  // namespace votrana
