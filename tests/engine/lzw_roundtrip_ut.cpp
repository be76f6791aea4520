// Round trips of many inputs, held bit for bit to the plain reference coder, through streams that
// hand out bytes in odd chunks, and through one encoder and one decoder reused from run to run.
#include "lzw_codec.h"
#include "reference_lzw.h"
#include "test_streams.h"

#include <gtest/gtest.h>

#include <functional>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Generator = std::function<Bytes(std::size_t, unsigned)>;

struct InputKind {
    const char* name;
    Generator make;
};

const InputKind inputKinds[] = {
    {"random", testing::randomBytes},
    {"low entropy", testing::lowEntropyBytes},
    {"text", testing::textLikeBytes},
};

const std::size_t lengths[] = {0,    1,    2,    3,    4,     7,     255,   256,   257,   511,
                               1000, 4095, 4096, 4097, 12000, 65535, 65536, 65537, 300000};

TEST(LzwRoundTrip, MatchesReferenceStaysInBoundAndComesBack)
{
    for (const auto& kind : inputKinds) {
        for (const std::size_t length : lengths) {
            SCOPED_TRACE(std::string(kind.name) + " of " + std::to_string(length));
            const Bytes plain = kind.make(length, static_cast<unsigned>(length));
            const Bytes coded = compressBytes(plain);
            EXPECT_LE(coded.size(), 3 * length / 2 + 3);
            if (length <= 65537) {
                ASSERT_EQ(coded, reference::compress(plain));
            }
            for (const DecoderTuning& tuning : testing::decoderTunings) {
                const auto decoded = decompressBytes(*std::make_unique<LzwDecoder>(tuning), coded);
                ASSERT_EQ(decoded.result, CodecResult::done);
                ASSERT_EQ(decoded.bytes, plain);
            }
        }
    }
}

// Once the dictionary is full, ranges of the input are parsed from their own starts and joined to the
// true parse. Tiny ranges and buffers reach every way to join: at a range's first string, a few strings
// in, never (in long runs), and past whole ranges shorter than one string.
TEST(LzwRoundTrip, SplitParsesCodeAsTheReference)
{
    const EncoderTuning tunings[] = {{4096, 1, 1}, {5000, 7, 2}, {20000, 300, 1}, {30001, 4000, 2}};
    for (const auto& tuning : tunings) {
        const auto encoder = std::make_unique<LzwEncoder>(tuning);
        for (const auto& kind : inputKinds) {
            for (const std::size_t length : {4096u, 30000u, 200000u}) {
                SCOPED_TRACE(std::string(kind.name) + " of " + std::to_string(length) + " in ranges of " +
                             std::to_string(tuning.rangeBytes));
                const Bytes plain = kind.make(length, static_cast<unsigned>(length));
                ASSERT_EQ(compressBytes(*encoder, plain), reference::compress(plain));
            }
        }
    }
}

TEST(LzwRoundTrip, LongestStringsSurviveBothWays)
{
    // One byte repeated grows a single chain to the full 3840-byte string and then reuses it.
    for (const std::size_t length : {10000u, 7370880u, 7370880u + 3840u * 3u + 17u}) {
        SCOPED_TRACE(length);
        const Bytes plain(length, 0x00);
        const Bytes coded = compressBytes(plain);
        for (const DecoderTuning& tuning : testing::decoderTunings) {
            const auto decoded = decompressBytes(*std::make_unique<LzwDecoder>(tuning), coded);
            ASSERT_EQ(decoded.result, CodecResult::done);
            ASSERT_EQ(decoded.bytes, plain);
        }
    }
}

TEST(LzwRoundTrip, ChunkedStreamsGiveTheSameBytes)
{
    const Bytes plain = testing::textLikeBytes(200000, 3);
    const Bytes coded = compressBytes(plain);
    for (const std::size_t maxChunk : {1u, 3u, 4096u, 70000u}) {
        SCOPED_TRACE(maxChunk);
        auto codec = std::make_unique<Codec>();
        testing::ChunkedSource plainSource(plain, maxChunk, 11);
        MemorySink codedSink;
        ASSERT_EQ(codec->encoder.compress(plainSource, codedSink), CodecResult::done);
        EXPECT_EQ(codedSink.bytes(), coded);

        testing::ChunkedSource codedSource(coded, maxChunk, 12);
        MemorySink plainSink;
        ASSERT_EQ(codec->decoder.decompress(codedSource, plainSink), CodecResult::done);
        EXPECT_EQ(plainSink.bytes(), plain);

        Bytes extended = coded;
        extended.push_back(0x00);
        testing::ChunkedSource extendedSource(extended, maxChunk, 13);
        EXPECT_EQ(codec->decoder.decompress(extendedSource, plainSink), CodecResult::damagedStream);
    }
}

TEST(LzwRoundTrip, RunsOnOneCodecAreIndependent)
{
    const Bytes first = testing::randomBytes(50000, 21);
    const Bytes second = testing::lowEntropyBytes(20000, 22);
    const Bytes firstCoded = compressBytes(first);
    const Bytes secondCoded = compressBytes(second);

    auto codec = std::make_unique<Codec>();
    const auto run = [&codec](bool compress, const Bytes& input) {
        MemorySource source(input);
        MemorySink sink;
        const CodecResult result =
            compress ? codec->encoder.compress(source, sink) : codec->decoder.decompress(source, sink);
        EXPECT_EQ(result, CodecResult::done);
        return sink.take();
    };
    EXPECT_EQ(run(false, firstCoded), first);
    EXPECT_EQ(run(false, secondCoded), second);
    EXPECT_EQ(run(true, second), secondCoded);
    EXPECT_EQ(run(false, firstCoded), first);
    EXPECT_EQ(run(true, first), firstCoded);
    EXPECT_EQ(run(true, Bytes{}), (Bytes{0xFF, 0xFF, 0x00}));
}

}  // namespace
}  // namespace votrana
