// The codec's byte streams over open files of the machine side.
#pragma once

#include "byte_stream.h"
#include "key_table.h"
#include "platform.h"

#include <cstdint>
#include <vector>

namespace votrana {

// Tells the person how far a pass over a file has come.
class ProgressMeter {
public:
    ProgressMeter(Person& person, WorkStage stage, std::uint64_t total) : person_(person), stage_(stage), total_(total)
    {
    }

    void advance(std::uint64_t bytes)
    {
        done_ += bytes;
        person_.showProgress(stage_, done_, total_);
    }

    bool stopRequested() { return person_.stopRequested(); }

private:
    Person& person_;
    WorkStage stage_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
};

// Reads a file as it is, or with every byte passed through a key table on the way.
class FileSource final : public ByteSource {
public:
    FileSource(File& file, ProgressMeter& progress, const KeyTable* substitution = nullptr)
        : file_(file), progress_(progress), substitution_(substitution)
    {
    }

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override;

    // True once a read failed. The codec may finish all the same from bytes it read ahead; a failure
    // still counts.
    bool failed() const { return failed_; }
    // True once the person asked for the work to stop; reading then fails.
    bool stopped() const { return stopped_; }

private:
    File& file_;
    ProgressMeter& progress_;
    const KeyTable* substitution_;
    bool failed_ = false;
    bool stopped_ = false;
};

// Writes to a file as it is, or with every byte passed through a key table on the way.
class FileSink final : public ByteSink {
public:
    explicit FileSink(File& file, const KeyTable* substitution = nullptr) : file_(file), substitution_(substitution) {}

    bool write(std::span<const std::uint8_t> bytes) override;

private:
    File& file_;
    const KeyTable* substitution_;
    std::vector<std::uint8_t> substituted_;
};

}  // namespace votrana
