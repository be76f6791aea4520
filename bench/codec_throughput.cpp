// codec_throughput FILE [repeats]
// Times the codec on one file held in memory, best of `repeats` runs each way, and checks that the
// round trip gives the file back. MB/s counts 10^6 bytes of the plain file per second, both ways.
#include "byte_stream.h"
#include "lzw_codec.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

std::optional<std::vector<std::uint8_t>> readFile(const char* path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<int> parseRepeats(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

struct Timed {
    double seconds = std::numeric_limits<double>::infinity();
    votrana::CodecResult result = votrana::CodecResult::done;
    std::vector<std::uint8_t> output;
};

// Timed runs throw their output away, as the other tools' output goes to /dev/null; one more run,
// not timed, keeps it for the round-trip check.
class DiscardingSink final : public votrana::ByteSink {
public:
    bool write(std::span<const std::uint8_t>) override { return true; }
};

template <typename State>
Timed bestOf(int repeats, votrana::CodecResult (*coder)(State&, votrana::ByteSource&, votrana::ByteSink&), State& state,
             const std::vector<std::uint8_t>& input)
{
    Timed best;
    for (int run = 0; run < repeats; ++run) {
        votrana::MemorySource source(input);
        DiscardingSink sink;
        const auto start = std::chrono::steady_clock::now();
        const votrana::CodecResult result = coder(state, source, sink);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (result != votrana::CodecResult::done) {
            best.result = result;
            return best;
        }
        best.seconds = std::min(best.seconds, elapsed.count());
    }
    votrana::MemorySource source(input);
    votrana::MemorySink sink;
    best.result = coder(state, source, sink);
    best.output = sink.take();
    return best;
}

double megabytesPerSecond(std::size_t bytes, double seconds)
{
    return seconds > 0 ? static_cast<double>(bytes) / 1e6 / seconds : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: codec_throughput FILE [repeats]\n");
        return 2;
    }
    const std::optional<int> repeats = argc == 3 ? parseRepeats(argv[2]) : 3;
    if (!repeats) {
        std::fprintf(stderr, "codec_throughput: repeats must be a whole number of at least 1\n");
        return 2;
    }
    const std::optional<std::vector<std::uint8_t>> plain = readFile(argv[1]);
    if (!plain) {
        std::fprintf(stderr, "codec_throughput: cannot read %s\n", argv[1]);
        return 1;
    }

    const auto codec = std::make_unique<votrana::Codec>();
    const Timed coded = bestOf(*repeats, votrana::compressStream, codec->encoder, *plain);
    if (coded.result != votrana::CodecResult::done) {
        std::fprintf(stderr, "codec_throughput: compressing failed\n");
        return 1;
    }
    const Timed decoded = bestOf(*repeats, votrana::decompressStream, codec->decoder, coded.output);
    if (decoded.result != votrana::CodecResult::done || decoded.output != *plain) {
        std::fprintf(stderr, "codec_throughput: the round trip did not give the file back\n");
        return 1;
    }

    const double ratio = plain->empty() ? 0 : static_cast<double>(coded.output.size()) / plain->size();
    std::printf("ours compress: %.1f MB/s (ratio %.3f)\n", megabytesPerSecond(plain->size(), coded.seconds), ratio);
    std::printf("ours decompress: %.1f MB/s\n", megabytesPerSecond(plain->size(), decoded.seconds));
    return 0;
}
