#include "stream_commands.h"

#include "codec_files.h"
#include "command.h"
#include "file_names.h"
#include "temporary_file.h"

namespace votrana {

namespace {

class StreamCommand : public Command {
public:
    StreamCommand(Platform& platform, OperationsState& state, const std::string& keyPath)
        : Command(platform, state), keyPath_(keyPath)
    {
    }

    CommandOutcome code(File& input, File& output);
    CommandOutcome decode(File& input, File& output);
    KeyFileMaking makeKeyFile();

private:
    // The end of a codec run: the output closed, and the outcome.
    CommandOutcome finish(CodecRun run, File& output);

    const std::string& keyPath_;
};

CommandOutcome StreamCommand::code(File& input, File& output)
{
    if (!loadKey(keyPath_, KeyDirection::coding, texts_.userKeyFileNotFound)) {
        return outcome_;
    }
    return finish(compressInto(person_, notifier_, *state_.codecState, input, input.size().value_or(0),
                               state_.keyTables.codingTable, output),
                  output);
}

CommandOutcome StreamCommand::decode(File& input, File& output)
{
    if (!loadKey(keyPath_, KeyDirection::decoding, texts_.userKeyFileNotFound)) {
        return outcome_;
    }
    return finish(decompressInto(person_, notifier_, *state_.codecState, input, output, &state_.keyTables.inverseTable),
                  output);
}

CommandOutcome StreamCommand::finish(CodecRun run, File& output)
{
    if (run == CodecRun::done) {
        return output.close() || fail(texts_.readWriteFailed) ? CommandOutcome::done : outcome_;
    }
    if (run == CodecRun::failed) {
        failed();
    }
    return outcome_;
}

KeyFileMaking StreamCommand::makeKeyFile()
{
    if (machine_.exists(keyPath_)) {
        return KeyFileMaking::alreadyThere;
    }
    const std::string folder(splitPath(keyPath_, style_).folder);
    if (!generateKey(state_.keyTables)) {
        fail(texts_.cannotCreateKeyFile);
        return KeyFileMaking::failed;
    }
    // Created private: only its owner may read it.
    const std::unique_ptr<TemporaryFile> key = TemporaryFile::create(machine_, folder);
    if (!key) {
        refuse(texts_.cannotCreateKeyFile);
        return KeyFileMaking::failed;
    }
    if (!key->file().write(keyFileBytes(state_.keyTables)) || !key->finish(true)) {
        fail(texts_.readWriteFailed);
        return KeyFileMaking::failed;
    }
    if (!machine_.rename(key->path(), keyPath_)) {
        if (machine_.exists(keyPath_)) {
            return KeyFileMaking::alreadyThere;
        }
        fail(texts_.cannotCreateKeyFile);
        return KeyFileMaking::failed;
    }
    key->release();
    if (!machine_.syncFolder(folder)) {
        fail(texts_.readWriteFailed);
        return KeyFileMaking::failed;
    }
    return KeyFileMaking::made;
}

}  // namespace

CommandOutcome runStreamCoding(Platform& platform, OperationsState& state, const std::string& keyPath, File& input,
                               File& output)
{
    return StreamCommand(platform, state, keyPath).code(input, output);
}

CommandOutcome runStreamDecoding(Platform& platform, OperationsState& state, const std::string& keyPath, File& input,
                                 File& output)
{
    return StreamCommand(platform, state, keyPath).decode(input, output);
}

KeyFileMaking makeKeyFileIfMissing(Platform& platform, OperationsState& state, const std::string& keyPath)
{
    return StreamCommand(platform, state, keyPath).makeKeyFile();
}

}  // namespace votrana
