#include "codec_files.h"

#include "file_streams.h"
#include "lzw_codec.h"

namespace votrana {

namespace {

// Runs the codec from `source` into `target` and closes the target; the result of the whole run.
template <typename Run>
CodecResult runIntoFile(Run run, const FileSource& source, File& target)
{
    FileSink sink(target);
    const CodecResult result = run(sink);
    const bool closed = target.close();
    if (result != CodecResult::done) {
        return result;
    }
    return source.failed() ? CodecResult::readError : closed ? CodecResult::done : CodecResult::writeError;
}

}  // namespace

std::string_view codecFailureText(const Texts& texts, CodecResult result)
{
    return result == CodecResult::damagedStream ? texts.damagedCodedFile : texts.readWriteFailed;
}

CompressionOutcome compressFile(Platform& platform, Notifier& notifier, CodecState& codec, File& source,
                                std::uint64_t sourceLength, const KeyTable& substitution,
                                const std::string& targetPath)
{
    const std::unique_ptr<File> target = platform.machine.create(targetPath);
    if (!target) {
        notifier.error(notifier.texts().cannotCreateCodedFile);
        return CompressionOutcome::targetNotCreated;
    }
    platform.person.setCursor(Cursor::wait);
    ProgressMeter progress(platform.person, WorkStage::coding, sourceLength);
    FileSource plain(source, progress, &substitution);
    const CodecResult result =
        runIntoFile([&](ByteSink& sink) { return compressStream(codec, plain, sink); }, plain, *target);
    platform.person.setCursor(Cursor::arrow);
    if (result != CodecResult::done) {
        platform.machine.remove(targetPath);
        notifier.error(codecFailureText(notifier.texts(), result));
        return CompressionOutcome::failed;
    }
    return CompressionOutcome::done;
}

bool decompressFile(Platform& platform, Notifier& notifier, CodecState& codec, const std::string& sourcePath,
                    const std::string& targetPath)
{
    Machine& machine = platform.machine;
    const std::unique_ptr<File> source = machine.openForReading(sourcePath);
    if (!source) {
        notifier.error(notifier.texts().cannotOpenAssignedFile);
        return false;
    }
    const std::optional<std::uint64_t> sourceLength = source->size();
    if (!sourceLength) {
        notifier.error(notifier.texts().readWriteFailed);
        return false;
    }
    // Creating the target over the source would destroy the coded file.
    const std::unique_ptr<File> target = targetPath == sourcePath ? nullptr : machine.create(targetPath);
    if (!target) {
        notifier.error(notifier.texts().cannotCreateDecompressedFile);
        return false;
    }
    platform.person.setCursor(Cursor::wait);
    ProgressMeter progress(platform.person, WorkStage::decompressing, *sourceLength);
    FileSource coded(*source, progress);
    const CodecResult result =
        runIntoFile([&](ByteSink& sink) { return decompressStream(codec, coded, sink); }, coded, *target);
    const bool sourceClosed = source->close();
    platform.person.setCursor(Cursor::arrow);
    if (result != CodecResult::done || !sourceClosed) {
        machine.remove(targetPath);
        const CodecResult failure = result != CodecResult::done ? result : CodecResult::readError;
        notifier.error(codecFailureText(notifier.texts(), failure));
        return false;
    }
    return true;
}

}  // namespace votrana
