// The coded format at fixed points: each stream below is known byte for byte.
#include "lzw_codec.h"
#include "reference_lzw.h"
#include "test_streams.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct FixedPoint {
    const char* name;
    Bytes plain;  // for a stream no encoder writes, what it decodes to before it is found damaged
    Bytes coded;
    CodecResult decodes = CodecResult::done;
};

std::vector<FixedPoint> fixedPoints()
{
    return {
        {"empty source: eight one bits, then the end code in 9 bits", {}, {0xFF, 0xFF, 0x00}},
        {"one byte", {0x61}, {0x61, 0xFF, 0x00}},
        {"second code one past the decoder's dictionary", {0x61, 0x61, 0x61}, {0x61, 0xFF, 0xFF, 0x40}},
        {"abababab", {0x61, 0x62, 0x61, 0x62, 0x61, 0x62, 0x61, 0x62}, {0x61, 0x62, 0xFF, 0x7F, 0xD8, 0xBF, 0x40}},
        {"end code on a byte boundary gets a whole zero byte",
         Bytes(30, 0x61),
         {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7, 0x00}},
        {"a fill bit set",
         {0x61, 0x62, 0x61, 0x62, 0x61, 0x62, 0x61, 0x62},
         {0x61, 0x62, 0xFF, 0x7F, 0xD8, 0xBF, 0x41},
         CodecResult::damagedStream},
        {"no zero byte after a byte-aligned end code",
         Bytes(30, 0x61),
         {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7},
         CodecResult::damagedStream},
        {"a byte after a byte-aligned end code that is not zero",
         Bytes(30, 0x61),
         {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7, 0x01},
         CodecResult::damagedStream},
        {"an end code with nothing before it", {}, {0xFF, 0x80}, CodecResult::damagedStream},
        {"a zero byte after the fill", {0x61}, {0x61, 0xFF, 0x00, 0x00}, CodecResult::damagedStream},
        {"another byte after the fill", {0x61}, {0x61, 0xFF, 0x00, 0x61}, CodecResult::damagedStream},
    };
}

TEST(LzwFormat, FixedPointsCodeAndDecodeExactly)
{
    for (const auto& point : fixedPoints()) {
        SCOPED_TRACE(point.name);
        if (point.decodes == CodecResult::done) {
            EXPECT_EQ(compressBytes(point.plain), point.coded);
            EXPECT_EQ(reference::compress(point.plain), point.coded);
        }
        const auto decoded = decompressBytes(point.coded);
        EXPECT_EQ(decoded.result, point.decodes);
        EXPECT_EQ(decoded.bytes, point.plain);
        EXPECT_EQ(reference::decompress(point.coded).result, point.decodes);
    }
}

TEST(LzwFormat, AllByteValuesAscendingWidenFromTheHundredTwentyNinthCode)
{
    Bytes plain(256);
    for (int value = 0; value < 256; ++value) {
        plain[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(value);
    }
    const Bytes coded = compressBytes(plain);
    // 128 codes of 8 bits, 128 of 9, the end code in 9, and 7 fill bits.
    ASSERT_EQ(coded.size(), 274u);
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 128, coded.begin()));
    EXPECT_EQ(coded, reference::compress(plain));
    EXPECT_EQ(decompressBytes(coded).bytes, plain);
}

TEST(LzwFormat, FullDictionaryEndsWithTwelveBitEndCode)
{
    const Bytes plain = testing::randomBytes(30000, 7);
    const Bytes coded = compressBytes(plain);
    EXPECT_EQ(coded, reference::compress(plain));

    // The stream ends in 000100000000 and 1 to 8 fill bits: a one bit with three zeros before it and
    // 9 to 16 zeros after it.
    std::uint64_t tail = 0;
    for (std::size_t i = coded.size() - 4; i < coded.size(); ++i) {
        tail = tail << 8 | coded[i];
    }
    const int trailingZeros = std::countr_zero(tail);
    EXPECT_GE(trailingZeros, 9);
    EXPECT_LE(trailingZeros, 16);
    EXPECT_EQ((tail >> trailingZeros) & 0xF, 0x1u);
    EXPECT_EQ(decompressBytes(coded).bytes, plain);
}

// The decoder replays its own output through the encoder's matcher. On a stream this encoder would
// not write, that differs from deriving each entry from the previous string: 61 61 FF 7F BF 60 holds
// the codes a, a, 257, 258, end, and gives seven bytes, not six.
TEST(LzwFormat, DecoderReplaysTheMatcherOnStreamsNoEncoderWrites)
{
    const Bytes coded = {0x61, 0x61, 0xFF, 0x7F, 0xBF, 0x60};
    const auto decoded = decompressBytes(coded);
    EXPECT_EQ(decoded.result, CodecResult::done);
    EXPECT_EQ(decoded.bytes, Bytes(7, 0x61));
    EXPECT_EQ(reference::decompress(coded).bytes, Bytes(7, 0x61));
}

TEST(LzwFormat, EmptyStreamDecodesToNothing)
{
    const auto decoded = decompressBytes(Bytes{0xFF, 0xFF, 0x00});
    EXPECT_EQ(decoded.result, CodecResult::done);
    EXPECT_TRUE(decoded.bytes.empty());
}

}  // namespace
}  // namespace votrana
