#include "codec_files.h"

#include "file_streams.h"
#include "lzw_codec.h"

namespace votrana {

namespace {

// Runs the codec from `source` into `target` with the wait cursor, and tells of a failure.
template <typename Run>
CodecRun runCodec(Person& person, Notifier& notifier, Run run, const FileSource& source, ByteSink& target)
{
    person.setCursor(Cursor::wait);
    CodecResult result = run(target);
    person.setCursor(Cursor::arrow);
    // A read or write that the stop broke off is part of the stop.
    if (source.stopped() || (result != CodecResult::done && person.stopRequested())) {
        return CodecRun::stopped;
    }
    if (result == CodecResult::done && source.failed()) {
        result = CodecResult::readError;
    }
    if (result == CodecResult::done) {
        return CodecRun::done;
    }
    const Texts& texts = notifier.texts();
    notifier.error(result == CodecResult::damagedStream ? texts.damagedCodedFile : texts.readWriteFailed);
    return CodecRun::failed;
}

}  // namespace

CodecRun compressInto(Person& person, Notifier& notifier, Codec& codec, File& source, std::uint64_t sourceLength,
                      const KeyTable& substitution, File& target)
{
    ProgressMeter progress(person, WorkStage::coding, sourceLength);
    FileSource plain(source, progress, &substitution);
    FileSink coded(target);
    return runCodec(
        person, notifier, [&](ByteSink& sink) { return compressStream(codec.encoder, plain, sink); }, plain, coded);
}

CodecRun decompressInto(Person& person, Notifier& notifier, Codec& codec, File& source, File& target,
                        const KeyTable* substitution)
{
    const std::optional<std::uint64_t> sourceLength = source.size();
    if (!sourceLength) {
        notifier.error(notifier.texts().readWriteFailed);
        return CodecRun::failed;
    }
    ProgressMeter progress(person, WorkStage::decompressing, *sourceLength);
    FileSource coded(source, progress);
    FileSink plain(target, substitution);
    return runCodec(
        person, notifier, [&](ByteSink& sink) { return decompressStream(codec.decoder, coded, sink); }, coded, plain);
}

}  // namespace votrana
