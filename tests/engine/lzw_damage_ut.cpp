// Streams no encoder wrote: cut short, with flipped bits, or made of arbitrary codes. The decoder
// must end each one as the plain reference decoder does, never outside its tables; the address and
// undefined-behaviour sanitizers run these too. And failing reads and writes are reported, never
// passed off as a finished run.
#include "lzw_codec.h"
#include "reference_lzw.h"
#include "test_streams.h"

#include <gtest/gtest.h>

#include <random>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;

void expectSameAsReference(const Bytes& coded)
{
    static const std::unique_ptr<LzwDecoder> decoders[] = {std::make_unique<LzwDecoder>(testing::decoderTunings[0]),
                                                           std::make_unique<LzwDecoder>(testing::decoderTunings[1]),
                                                           std::make_unique<LzwDecoder>(testing::decoderTunings[2])};
    const auto theirs = reference::decompress(coded);
    for (const auto& decoder : decoders) {
        const auto ours = decompressBytes(*decoder, coded);
        ASSERT_EQ(ours.result, theirs.result);
        ASSERT_EQ(ours.bytes, theirs.bytes);
    }
}

std::vector<Bytes> sampleStreams()
{
    return {
        compressBytes(testing::textLikeBytes(3000, 1)),
        compressBytes(testing::randomBytes(4500, 2)),
        compressBytes(testing::lowEntropyBytes(9000, 3)),
        compressBytes(Bytes(30, 0x61)),
    };
}

// Only the whole stream as the encoder ended it decodes: every cut of it, two of it joined and random
// bytes of its length are damaged.
TEST(LzwDamage, CutJoinedAndRandomStreamsAreDamagedAsTheReferenceSays)
{
    for (const Bytes& coded : sampleStreams()) {
        Bytes joined = coded;
        joined.insert(joined.end(), coded.begin(), coded.end());
        std::vector<Bytes> streams = {joined, testing::randomBytes(coded.size(), static_cast<unsigned>(coded.size()))};
        for (std::size_t length = 0; length < coded.size(); ++length) {
            streams.emplace_back(coded.begin(), coded.begin() + static_cast<std::ptrdiff_t>(length));
        }
        for (const Bytes& stream : streams) {
            SCOPED_TRACE(stream.size());
            EXPECT_EQ(reference::decompress(stream).result, CodecResult::damagedStream);
            expectSameAsReference(stream);
        }
    }
}

TEST(LzwDamage, FlippedBitsEndAsTheReferenceSays)
{
    std::mt19937 random(5);
    for (const Bytes& coded : sampleStreams()) {
        for (int trial = 0; trial < 300; ++trial) {
            Bytes damaged = coded;
            const int flips = 1 + trial % 3;
            for (int flip = 0; flip < flips; ++flip) {
                damaged[random() % damaged.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            }
            expectSameAsReference(damaged);
        }
    }
}

// Arbitrary codes within the alphabet: codes above the dictionary, repeats of a string that is not
// there yet, and strings that run on past the point where the encoder would have cut them.
TEST(LzwDamage, ArbitraryCodeSequencesDecodeAsTheReferenceSays)
{
    std::mt19937 random(9);
    for (int trial = 0; trial < 400; ++trial) {
        const std::size_t count = 1 + random() % (trial < 300 ? 40 : 5000);
        std::vector<std::int32_t> codes;
        for (std::size_t i = 0; i < count; ++i) {
            const auto alphabet = static_cast<std::uint32_t>(std::min<std::size_t>(257 + i, 4096));
            // Mostly small codes and codes near the top, where the interesting cases are.
            std::int32_t code = random() % 2 == 0 ? static_cast<std::int32_t>(random() % 256)
                                                  : static_cast<std::int32_t>(alphabet - 1 - random() % 4);
            if (code == endCode) {
                code = 0;
            }
            codes.push_back(std::max(code, 0));
        }
        SCOPED_TRACE(trial);
        expectSameAsReference(reference::writeCodes(codes));
    }
}

// A stream the encoder wrote, with a few codes swapped for others that are defined at that point:
// the decoder must leave its fast path and replay byte by byte from there on.
TEST(LzwDamage, CanonicalStreamsWithChangedCodesDecodeAsTheReferenceSays)
{
    std::mt19937 random(13);
    const Bytes plain = testing::textLikeBytes(40000, 4);
    const Bytes coded = compressBytes(plain);
    for (int trial = 0; trial < 60; ++trial) {
        // Rebuild the code list by decoding the stream's bits at the known widths.
        std::vector<std::int32_t> codes;
        std::size_t bit = 0;
        const auto takeBits = [&coded, &bit](int width) {
            std::int32_t value = 0;
            for (int i = 0; i < width; ++i, ++bit) {
                value = value * 2 + ((coded[bit / 8] >> (7 - bit % 8)) & 1);
            }
            return value;
        };
        for (std::int32_t alphabet = 257;; alphabet = std::min(alphabet + 1, 4096)) {
            const int width = std::bit_width(static_cast<unsigned>(alphabet));
            const std::int32_t shortCodes = (1 << width) - alphabet;
            std::int32_t code = takeBits(width - 1);
            if (code >= shortCodes) {
                code = 2 * code + takeBits(1) - shortCodes;
            }
            if (code == endCode) {
                break;
            }
            codes.push_back(code);
        }
        ASSERT_EQ(reference::writeCodes(codes), coded);
        for (int change = 0; change < 1 + trial % 4; ++change) {
            const std::size_t at = random() % codes.size();
            codes[at] = static_cast<std::int32_t>(random() % std::min<std::size_t>({at + 257, 256 + at / 2 + 1, 4096}));
            if (codes[at] == endCode) {
                codes[at] = 1;
            }
        }
        SCOPED_TRACE(trial);
        expectSameAsReference(reference::writeCodes(codes));
    }
}

// Every failure must be reported, even at the read that would have found the end of the source
// after the end code: until then the stream may still go on.
TEST(LzwFailures, FailedReadIsReportedInBothDirections)
{
    const Bytes plain = testing::textLikeBytes(300000, 8);
    const Bytes coded = compressBytes(plain);
    for (const bool compress : {true, false}) {
        const Bytes& input = compress ? plain : coded;
        for (std::size_t failAt = 1;; ++failAt) {
            SCOPED_TRACE(failAt);
            auto codec = std::make_unique<Codec>();
            const auto decoder = std::make_unique<LzwDecoder>(testing::decoderTunings[failAt % 3]);
            testing::ChunkedSource source(input, input.size() / 10, 1, failAt);
            MemorySink sink;
            const CodecResult result =
                compress ? codec->encoder.compress(source, sink) : decoder->decompress(source, sink);
            if (!source.failed()) {
                EXPECT_EQ(result, CodecResult::done);
                EXPECT_GT(failAt, 10u);
                break;
            }
            EXPECT_EQ(result, CodecResult::readError);
        }
    }
}

TEST(LzwFailures, FailedWriteIsReportedInBothDirections)
{
    const Bytes plain = testing::randomBytes(300000, 9);
    const Bytes coded = compressBytes(plain);
    for (const bool compress : {true, false}) {
        for (std::size_t failAt = 1;; ++failAt) {
            SCOPED_TRACE(failAt);
            auto codec = std::make_unique<Codec>();
            MemorySource source(compress ? plain : coded);
            testing::FailingSink sink(failAt);
            const CodecResult result =
                compress ? codec->encoder.compress(source, sink) : codec->decoder.decompress(source, sink);
            if (sink.writes() < failAt) {
                EXPECT_EQ(result, CodecResult::done);
                EXPECT_EQ(sink.bytes(), compress ? coded : plain);
                EXPECT_GT(failAt, 3u);
                break;
            }
            EXPECT_EQ(result, CodecResult::writeError);
        }
    }
}

}  // namespace
}  // namespace votrana
