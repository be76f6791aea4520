#include "coding.h"

#include "codec_files.h"
#include "command_context.h"
#include "disk_checks.h"
#include "file_choice.h"
#include "file_names.h"
#include "key_file_loading.h"
#include "notifier.h"

namespace votrana {

namespace {

class CodingCommand : private CommandContext {
public:
    using CommandContext::CommandContext;

    void run();

private:
    bool chooseSource();
    std::unique_ptr<File> openCheckedSource(std::uint64_t& length);
    bool prepareKey();
    bool stageGeneratedKey();
    bool loadUserKey();
    bool compress(File& source, std::uint64_t length);
    bool putInPlace();
    void dropStagedKey();

    bool useUserKey_ = false;
    std::string codedFilePath_;
    std::string keyPath_;
    // A generated key waits under this name until the coded file is complete, so a key file of an
    // earlier run stays as it was when this run fails.
    std::string stagedKeyPath_;
};

void CodingCommand::run()
{
    state_.operationMode = KeyDirection::coding;
    if (!chooseSource()) {
        return;
    }
    std::uint64_t length = 0;
    const std::unique_ptr<File> source = openCheckedSource(length);
    if (!source || !askForKeyFile(person_, state_.keyFileChoice, notifier_) || !prepareKey()) {
        return;
    }
    if (!compress(*source, length)) {
        dropStagedKey();
        return;
    }
    if (putInPlace()) {
        notifier_.information(std::string(texts_.codingDone) + codedFilePath_ +
                              std::string(texts_.keyFileLabel) + keyPath_);
    }
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
    if (useUserKey_) {
        keyPath_ = choice.keyFilePath;
        return loadUserKey();
    }
    keyPath_ = defaultKeyPathFor(codedFilePath_, style_);
    stagedKeyPath_ = stagedKeyPathFor(keyPath_);
    return stageGeneratedKey();
}

bool CodingCommand::stageGeneratedKey()
{
    if (!generateKey(state_.keyTables)) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    const std::unique_ptr<File> keyFile = machine_.create(stagedKeyPath_);
    if (!keyFile) {
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    const auto bytes = keyFileBytes(state_.keyTables);
    const bool written = keyFile->write(bytes);
    if (!keyFile->close() || !written) {
        machine_.remove(stagedKeyPath_);
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

// The substituted bytes go straight into the compressor: the coded file is first written whole under
// its temporary name.
bool CodingCommand::compress(File& source, std::uint64_t length)
{
    state_.tempFilePath = tempFilePathFor(codedFilePath_, style_);
    CompressionOutcome outcome = compressFile(platform_, notifier_, *state_.codecState, source, length,
                                              state_.keyTables.codingTable, state_.tempFilePath);
    if (outcome == CompressionOutcome::done && !source.close()) {
        machine_.remove(state_.tempFilePath);
        notifier_.error(texts_.readWriteFailed);
        outcome = CompressionOutcome::failed;
    }
    if (outcome == CompressionOutcome::failed) {
        notifier_.error(texts_.compressionFailed);
    }
    return outcome == CompressionOutcome::done;
}

// Gives the coded file and a generated key file their names, in place of the files of an earlier run.
// The coded file goes first; should the key file then fail to follow, the new coded file goes again, so
// no coded file is ever left beside a key file that does not decode it.
bool CodingCommand::putInPlace()
{
    if (!machine_.replace(state_.tempFilePath, codedFilePath_)) {
        machine_.remove(state_.tempFilePath);
        dropStagedKey();
        notifier_.error(texts_.cannotCreateCodedFile);
        return false;
    }
    if (!useUserKey_ && !machine_.replace(stagedKeyPath_, keyPath_)) {
        machine_.remove(codedFilePath_);
        dropStagedKey();
        notifier_.error(texts_.cannotCreateKeyFile);
        return false;
    }
    return true;
}

void CodingCommand::dropStagedKey()
{
    if (!useUserKey_) {
        machine_.remove(stagedKeyPath_);
    }
}

}  // namespace

void runCoding(Platform& platform, OperationsState& state)
{
    CodingCommand(platform, state).run();
}

}  // namespace votrana
