#include "lzw_decoder.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace votrana {
namespace {

// One range of 12-bit codes, decoded with the strings of the full dictionary until `count` codes,
// the end code or `limit` bytes, whichever comes first. Two threads each work through a job of their
// own, read in its hot loop: a cache line each keeps the other's writes from slowing it down.
struct alignas(64) RangeJob {
    const std::uint8_t* coded;
    std::uint64_t bit;
    std::size_t count;
    const LzwDecoder::StringRef* strings;
    const std::uint8_t* stringBytes;
    std::uint8_t* plain;
    std::size_t limit;
    std::size_t codes = 0;  // decoded, not counting the end code
    std::size_t bytes = 0;
    bool ended = false;
};

// A string is copied in steps of this many bytes, so the string table and the buffers have as much slack.
constexpr std::uint32_t copyStep = 16;

void decodeRange(RangeJob& job)
{
    const std::uint8_t* const coded = job.coded;
    const LzwDecoder::StringRef* const strings = job.strings;
    const std::uint8_t* const stringBytes = job.stringBytes;
    std::uint8_t* const plain = job.plain;
    const std::size_t count = job.count;
    const std::size_t limit = job.limit;
    std::uint64_t bit = job.bit;
    std::size_t used = 0;
    std::size_t done = 0;
    while (done < count && used < limit) {
        // No code of this batch starts past the limit, however long the strings before it.
        const std::size_t batchEnd = done + std::min(count - done, (limit - used) / longestString + 1);
        for (; done < batchEnd; ++done, bit += 12) {
            std::uint32_t word = 0;
            std::memcpy(&word, coded + (bit >> 3), sizeof word);
            if constexpr (std::endian::native == std::endian::little) {
                word = __builtin_bswap32(word);
            }
            const std::uint32_t code = (word >> (20 - (bit & 7))) & 0xFFF;
            if (code == endCode) {
                job.ended = true;
                job.codes = done;
                job.bytes = used;
                return;
            }
            const LzwDecoder::StringRef string = strings[code];
            std::memcpy(plain + used, stringBytes + string.offset, copyStep);
            if (string.length > copyStep) {
                std::memcpy(plain + used + copyStep, stringBytes + string.offset + copyStep, string.length - copyStep);
            }
            used += string.length;
        }
    }
    job.codes = done;
    job.bytes = used;
}

// Decodes one range at a time in a thread of its own, while the caller decodes another.
class RangeHelper {
public:
    RangeHelper() : thread_([this] { run(); }) {}
    RangeHelper(const RangeHelper&) = delete;
    RangeHelper& operator=(const RangeHelper&) = delete;
    ~RangeHelper()
    {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    void start(RangeJob& job)
    {
        {
            const std::lock_guard lock(mutex_);
            job_ = &job;
        }
        wake_.notify_one();
    }

    void wait()
    {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return job_ == nullptr; });
    }

private:
    void run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return job_ != nullptr || stopping_; });
            if (stopping_) {
                return;
            }
            RangeJob& job = *job_;
            lock.unlock();
            decodeRange(job);
            lock.lock();
            job_ = nullptr;
            finished_.notify_one();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    RangeJob* job_ = nullptr;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace

LzwDecoder::LzwDecoder(DecoderTuning tuning) : tuning_(tuning)
{
    if (tuning_.threads == 0) {
        tuning_.threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    }
}

CodecResult LzwDecoder::decompress(ByteSource& source, ByteSink& target)
{
    target_ = &target;
    matcher_.reset();
    reader_.reset(source);
    readCounter_ = 256;
    previousCode_ = 0;
    plainUsed_ = 0;
    const CodecResult result = decodeStream();
    const bool handedOver = handOverDecoded();
    if (result != CodecResult::done) {
        return result;
    }
    return handedOver ? CodecResult::done : CodecResult::writeError;
}

CodecResult LzwDecoder::failedOr(CodecResult result) const
{
    return reader_.failed() ? CodecResult::readError : result;
}

// Only the zero fill may follow the end code. An empty source is coded as eight 1 bits and then the
// end code, 111111110, as the second code; reading takes the first nine 1 bits for the end code, so
// the other eight bits, 11111110, must come before the fill.
bool LzwDecoder::endsAfterEndCode()
{
    const bool readFirst = readCounter_ == firstFreeCode;
    return (!readFirst || reader_.readBits(8) == 0xFE) && reader_.onlyZeroFillFollows();
}

CodecResult LzwDecoder::decodeStream()
{
    while (!matcher_.full() || readCounter_ < codeCount) {
        const std::int32_t code = readCode();
        if (code == noCode) {
            return failedOr(CodecResult::damagedStream);
        }
        if (code == endCode) {
            return endsAfterEndCode() ? CodecResult::done : failedOr(CodecResult::damagedStream);
        }
        if (!nextDecodedString(code)) {
            return CodecResult::damagedStream;
        }
        if (plainUsed_ >= blockSize && !handOverDecoded()) {
            return CodecResult::writeError;
        }
    }
    return decodeWhileFull();
}

// Once the dictionary is full and every code is 12 bits wide, the dictionary never changes again:
// the matcher no longer has anything to do, and each code stands for a string of a fixed table. This
// loop carries short streams to their end; longer ones go on in rounds.
CodecResult LzwDecoder::decodeWhileFull()
{
    keepFullStrings();
    BitReader::Window window = reader_.window();
    const StringRef* const strings = fullStrings_.data();
    const std::uint8_t* const stringBytes = fullStringBytes_.data();
    std::uint8_t* const plain = plain_.data();
    std::size_t used = plainUsed_;
    std::size_t handedOver = 0;
    if (tuning_.decodedAlone == 0) {
        return handOverDecoded() ? decodeInRounds() : CodecResult::writeError;
    }
    for (;;) {
        const std::int32_t code = reader_.readBits(window, 12);
        if (code == noCode || code == endCode) {
            reader_.setWindow(window);
            plainUsed_ = used;
            if (code == endCode && endsAfterEndCode()) {
                return CodecResult::done;
            }
            return failedOr(CodecResult::damagedStream);
        }
        const StringRef string = strings[code];
        std::memcpy(plain + used, stringBytes + string.offset, copyStep);
        if (string.length > copyStep) {
            std::memcpy(plain + used + copyStep, stringBytes + string.offset + copyStep, string.length - copyStep);
        }
        used += string.length;
        if (used >= blockSize) {
            plainUsed_ = used;
            if (!handOverDecoded()) {
                return CodecResult::writeError;
            }
            handedOver += used;
            used = 0;
            if (handedOver >= tuning_.decodedAlone) {
                reader_.setWindow(window);
                return decodeInRounds();
            }
        }
    }
}

// Each round decodes two ranges of codes at once, sized from the bytes per code of the round
// before so that each fits its buffer, and hands them over in order. A range that does not fit
// stops early; the next round starts where it stopped.
CodecResult LzwDecoder::decodeInRounds()
{
    const std::size_t rangeOutput = std::max<std::size_t>(tuning_.rangeOutput, 1);
    // Two ranges of at most rangeOutput codes of 1.5 bytes, what the bit reader holds, and room for
    // the last code's load.
    coded_.resize(3 * rangeOutput + 8 + BitReader::blockSize + 4);
    for (auto& plain : rangePlain_) {
        plain.resize(rangeOutput + longestString + copyStep);
    }
    int taken = 0;
    codedSize_ = reader_.takeRest(coded_, taken);
    codedBit_ = static_cast<std::uint64_t>(taken);
    std::optional<RangeHelper> helper;
    bool helperTried = tuning_.threads < 2;
    std::size_t rangeCodes = std::max<std::size_t>(rangeOutput / 4, 1);
    for (;;) {
        fillCoded(2 * rangeCodes);
        const std::size_t available = (8 * codedSize_ - codedBit_) / 12;
        if (available == 0) {
            return failedOr(CodecResult::damagedStream);
        }
        const std::size_t firstCount = std::min(rangeCodes, available);
        std::array<RangeJob, 2> jobs{};
        for (std::size_t range = 0; range < 2; ++range) {
            jobs[range] = RangeJob{coded_.data(),
                                   codedBit_ + 12 * range * firstCount,
                                   range == 0 ? firstCount : std::min(rangeCodes, available - firstCount),
                                   fullStrings_.data(),
                                   fullStringBytes_.data(),
                                   rangePlain_[range].data(),
                                   rangeOutput};
        }
        const bool both = jobs[1].count > 0;
        // A thread pays once the stream fills two whole ranges; without one, both run here.
        if (!helperTried && jobs[1].count == rangeCodes) {
            helperTried = true;
            try {
                helper.emplace();
            } catch (const std::system_error&) {
            }
        }
        if (both && helper) {
            helper->start(jobs[1]);
        }
        decodeRange(jobs[0]);
        if (both && helper) {
            helper->wait();
        } else if (both) {
            decodeRange(jobs[1]);
        }
        std::size_t codes = 0;
        std::size_t bytes = 0;
        for (std::size_t range = 0; range < (both ? 2 : 1); ++range) {
            const RangeJob& job = jobs[range];
            if (job.bytes > 0 && !target_->write(std::span(rangePlain_[range].data(), job.bytes))) {
                return CodecResult::writeError;
            }
            codedBit_ += 12 * job.codes;
            if (job.ended) {
                return codedEndsAfterEndCode(codedBit_ + 12) ? CodecResult::done : failedOr(CodecResult::damagedStream);
            }
            codes += job.codes;
            bytes += job.bytes;
            if (job.codes < job.count) {
                break;
            }
        }
        rangeCodes =
            std::clamp<std::size_t>(rangeOutput * 3 / 4 * codes / std::max<std::size_t>(bytes, 1), 1, rangeOutput);
    }
}

// Makes sure `codesWanted` codes are at hand, or all the source has.
void LzwDecoder::fillCoded(std::size_t codesWanted)
{
    if ((8 * codedSize_ - codedBit_) / 12 >= codesWanted) {
        return;
    }
    const std::size_t first = codedBit_ / 8;
    std::memmove(coded_.data(), coded_.data() + first, codedSize_ - first);
    codedSize_ -= first;
    codedBit_ -= 8 * first;
    const std::size_t capacity = coded_.size() - 4;
    while (codedSize_ < capacity) {
        const std::size_t got = reader_.readSource(std::span(coded_.data() + codedSize_, capacity - codedSize_));
        if (got == 0) {
            break;
        }
        codedSize_ += got;
    }
}

// The fill is the rest of the byte where the end code stops, or the next byte when it stops at the
// end of one; it must be zero and the last of the source.
bool LzwDecoder::codedEndsAfterEndCode(std::uint64_t endBit)
{
    const std::size_t fillByte = endBit / 8;
    if (codedSize_ <= fillByte) {
        if (reader_.readSource(std::span(coded_.data() + codedSize_, 1)) == 0) {
            return false;
        }
        ++codedSize_;
    }
    if ((coded_[fillByte] & (0xFFu >> (endBit % 8))) != 0 || codedSize_ > fillByte + 1) {
        return false;
    }
    std::uint8_t next = 0;
    return reader_.readSource(std::span(&next, 1)) == 0 && !reader_.failed();
}

// The alphabet grows by one with every code read, up to 4096, whatever the dictionary holds.
std::int32_t LzwDecoder::readCode()
{
    if (readCounter_ < codeCount) {
        ++readCounter_;
    }
    const auto alphabet = static_cast<std::uint32_t>(readCounter_);
    const int width = std::bit_width(alphabet);
    const auto shortCodes = static_cast<std::int32_t>((1u << width) - alphabet);
    const std::int32_t high = reader_.readBits(width - 1);
    if (high < shortCodes) {
        return high;
    }
    const int low = reader_.readBit();
    if (low == noCode) {
        return noCode;
    }
    return 2 * high + low - shortCodes;
}

// Appends the string of `code` to the decoded bytes and replays it through the matcher. A code one
// past the dictionary stands for the string the encoder added one step before the decoder could: the
// previous string followed by its own first byte. False for a code the dictionary cannot explain.
bool LzwDecoder::nextDecodedString(std::int32_t code)
{
    const std::size_t start = plainUsed_;
    const std::int32_t nextCode = matcher_.nextCode();
    if (code < nextCode) {
        previousCode_ = code;
        writeString(code);
        replayString(std::span(plain_.data() + start, plainUsed_ - start), code, false);
        return true;
    }
    if (code == nextCode && previousCode_ < nextCode) {
        const std::int32_t repeated = previousCode_;
        previousCode_ = nextCode;
        writeString(repeated);
        plain_[plainUsed_++] = plain_[start];
        replayString(std::span(plain_.data() + start, plainUsed_ - start), repeated, true);
        return true;
    }
    return false;
}

// Feeds a decoded string through the matcher, so that the dictionary grows as the encoder's did.
// On streams this encoder writes, each string starts where the last match ended: the matcher adds
// one entry at the string's first byte and then walks down to the string's own code, which costs one
// look-up instead of one per byte. Any other stream is replayed byte by byte.
void LzwDecoder::replayString(std::span<const std::uint8_t> string, std::int32_t code, bool repeatsPrevious)
{
    const std::uint8_t first = string.front();
    const std::int32_t matched = matcher_.matched();
    if (!repeatsPrevious && matched == noCode) {
        matcher_.setMatched(code);
        return;
    }
    const bool matchEndsHere = matched != noCode && !matcher_.dictionary().hasChild(matched, first);
    if (matchEndsHere && !repeatsPrevious) {
        matcher_.addEntry(first);
        matcher_.setMatched(code);
        return;
    }
    if (matchEndsHere && matched == code) {
        const std::int32_t added = matcher_.nextCode();
        matcher_.addEntry(first);
        matcher_.setMatched(added);
        return;
    }
    matcher_.matchBytes(string);
}

// Codes are visited in order, so a parent's string is written before its children's, each of which
// copies it and adds its own last byte. The strings add up to about the bytes decoded so far.
void LzwDecoder::keepFullStrings()
{
    const CodeDictionary& dictionary = matcher_.dictionary();
    std::size_t size = copyStep;
    for (std::int32_t code = 0; code < codeCount; ++code) {
        size += dictionary.stringLength(code);
    }
    if (fullStringBytes_.size() < size) {
        fullStringBytes_ = std::vector<std::uint8_t>(size);
    }
    std::uint8_t* const bytes = fullStringBytes_.data();
    std::uint32_t offset = 0;
    for (std::int32_t code = 0; code < codeCount; ++code) {
        const std::uint32_t length = dictionary.stringLength(code);
        const DictEntry& entry = dictionary[code];
        fullStrings_[static_cast<std::size_t>(code)] = StringRef{offset, length};
        if (entry.parent != noCode) {
            const std::uint8_t* const parent = bytes + fullStrings_[static_cast<std::size_t>(entry.parent)].offset;
            if (length <= copyStep) {
                std::array<std::uint8_t, copyStep> start;
                std::memcpy(start.data(), parent, copyStep);
                std::memcpy(bytes + offset, start.data(), copyStep);
            } else {
                std::memcpy(bytes + offset, parent, length - 1);
            }
        }
        if (length > 0) {
            bytes[offset + length - 1] = static_cast<std::uint8_t>(entry.byteValue);
        }
        offset += length;
    }
}

// Writes the string of `code` by following parent links from its last byte back to its first.
void LzwDecoder::writeString(std::int32_t code)
{
    const CodeDictionary& dictionary = matcher_.dictionary();
    const std::size_t length = dictionary.stringLength(code);
    std::uint8_t* out = plain_.data() + plainUsed_ + length;
    do {
        const DictEntry& entry = dictionary[code];
        *--out = static_cast<std::uint8_t>(entry.byteValue);
        code = entry.parent;
    } while (code != noCode);
    plainUsed_ += length;
}

bool LzwDecoder::handOverDecoded()
{
    const bool written = plainUsed_ == 0 || target_->write(std::span(plain_.data(), plainUsed_));
    plainUsed_ = 0;
    return written;
}

}  // namespace votrana
