// The LZW codec: golden streams byte for byte, then many inputs and damaged streams held to the
// plain reference coder, through odd chunks, split parses and decoding in rounds. Failing reads and
// writes are the fault-injection tests' of the commands.
#include "lzw_codec.h"
#include "reference_lzw.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Random bytes (kind 0), few values in long runs, which grow long strings (1), words (2), or zeros (3),
// which grow a single chain to the longest string, 3840 bytes, and then reuse it.
Bytes sample(int kind, std::size_t length, unsigned seed)
{
    static constexpr std::string_view words[] = {"the ", "coded ", "file ", "key ", "a ", "table\n", "\t{\n", "}\n"};
    std::mt19937 random(seed);
    Bytes bytes;
    while (bytes.size() < length) {
        const auto word = words[random() % std::size(words)];
        if (kind == 0) {
            bytes.push_back(static_cast<std::uint8_t>(random()));
        } else if (kind == 1) {
            bytes.insert(bytes.end(), 1 + random() % 300, static_cast<std::uint8_t>(random() % 3 ? random() % 4 : 0));
        } else if (kind == 2) {
            bytes.insert(bytes.end(), word.begin(), word.end());
        } else {
            bytes.resize(length);
        }
    }
    bytes.resize(length);
    return bytes;
}

// Hands out the bytes in chunks of random size from 1 to maxChunk.
class ChunkedSource final : public ByteSource {
public:
    ChunkedSource(const Bytes& bytes, std::size_t maxChunk) : bytes_(bytes), maxChunk_(maxChunk) {}
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t count = std::min({1 + random_() % maxChunk_, buffer.size(), bytes_.size() - position_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
        position_ += count;
        return count;
    }

private:
    const Bytes& bytes_;
    std::size_t maxChunk_, position_ = 0;
    std::mt19937 random_{1};
};

struct CollectingSink final : ByteSink {
    bool write(std::span<const std::uint8_t> written) override
    {
        bytes.insert(bytes.end(), written.begin(), written.end());
        return true;
    }
    Bytes bytes;
};

// The decoder as it runs, and made to decode in rounds of a few codes as soon as the dictionary is
// full, in one thread and in two. Each is reused from stream to stream, as the program reuses one.
const std::unique_ptr<LzwDecoder> decoders[] = {std::make_unique<LzwDecoder>(),
                                                std::make_unique<LzwDecoder>(DecoderTuning{0, 1, 1}),
                                                std::make_unique<LzwDecoder>(DecoderTuning{0, 100, 2})};

void expectDecodesAsTheReference(const Bytes& coded)
{
    const reference::Decoded theirs = reference::decompress(coded);
    for (const auto& decoder : decoders) {
        const DecodedBytes ours = decompressBytes(*decoder, coded);
        ASSERT_EQ(ours.result, theirs.result);
        ASSERT_EQ(ours.bytes, theirs.bytes);
    }
}

struct Golden {
    std::string_view plain;  // for a damaged stream, what it decodes to before it breaks off
    Bytes coded;
    CodecResult result = CodecResult::done;
    bool encoderWritesIt = true;
};

const std::string_view a30 = "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";
const Golden goldens[] = {
    {"", {0xFF, 0xFF, 0x00}},  // eight 1 bits, then the end code
    {"a", {0x61, 0xFF, 0x00}},
    {"aaa", {0x61, 0xFF, 0xFF, 0x40}},  // the second code is the one the decoder is about to add
    {"abababab", {0x61, 0x62, 0xFF, 0x7F, 0xD8, 0xBF, 0x40}},
    {a30, {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7, 0x00}},  // a whole zero byte of fill
    // The codes a, a, 257, 258: the decoder replays its output through the matcher, which gives seven
    // bytes, where deriving each entry from the previous string would give six.
    {"aaaaaaa", {0x61, 0x61, 0xFF, 0x7F, 0xBF, 0x60}, CodecResult::done, false},
    {"abababab", {0x61, 0x62, 0xFF, 0x7F, 0xD8, 0xBF, 0x41}, CodecResult::damagedStream},  // a fill bit set
    {a30, {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7}, CodecResult::damagedStream},
    {a30, {0x61, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF3, 0xF7, 0x01}, CodecResult::damagedStream},
    {"", {0xFF, 0x80}, CodecResult::damagedStream},  // the end code alone
    {"a", {0x61, 0xFF, 0x00, 0x00}, CodecResult::damagedStream},
    {"a", {0x61, 0xFF, 0x00, 0x61}, CodecResult::damagedStream},
};

TEST(LzwCodec, GoldenStreams)
{
    for (const Golden& golden : goldens) {
        SCOPED_TRACE(::testing::PrintToString(golden.coded));
        const Bytes plain(golden.plain.begin(), golden.plain.end());
        if (golden.result == CodecResult::done && golden.encoderWritesIt) {
            EXPECT_EQ(compressBytes(plain), golden.coded);
            EXPECT_EQ(reference::compress(plain), golden.coded);
        }
        EXPECT_EQ(reference::decompress(golden.coded).result, golden.result);
        const DecodedBytes decoded = decompressBytes(golden.coded);
        EXPECT_EQ(decoded.result, golden.result);
        EXPECT_EQ(decoded.bytes, plain);
    }
}

// Every length around the widths and block sizes codes as the reference does and
// decodes back, on one encoder and the decoders used run after run, through odd chunks; a byte after
// the stream makes it damaged. Once the dictionary is full the encoder parses ranges of the input from
// their own starts and joins them to the true parse: tiny ranges and buffers reach every way to join.
TEST(LzwCodec, RoundTripsAndSplitParsesCodeAsTheReference)
{
    const auto encoder = std::make_unique<LzwEncoder>();
    const std::vector<std::size_t> lengths = {0,    1,    2,    3,     7,     255,   256,   257,
                                              4095, 4096, 4097, 12000, 65536, 65537, 300000};
    for (int kind = 0; kind < 4; ++kind) {
        for (const std::size_t length :
             kind < 3 ? lengths : std::vector<std::size_t>{7370880, 7370880 + 3840 * 3 + 17}) {
            SCOPED_TRACE(std::to_string(kind) + " of " + std::to_string(length));
            const std::size_t maxChunk = std::vector<std::size_t>{1, 3, 4096, 70000}[(length + kind) % 4];
            const Bytes plain = sample(kind, length, static_cast<unsigned>(length));
            ChunkedSource plainSource(plain, maxChunk);
            CollectingSink coded;
            ASSERT_EQ(encoder->compress(plainSource, coded), CodecResult::done);
            ASSERT_EQ(coded.bytes, reference::compress(plain));
            Bytes extended = coded.bytes;
            extended.push_back(0x00);
            for (const auto& decoder : decoders) {
                ChunkedSource codedSource(coded.bytes, maxChunk), extendedSource(extended, maxChunk);
                CollectingSink decoded;
                ASSERT_EQ(decoder->decompress(codedSource, decoded), CodecResult::done);
                ASSERT_EQ(decoded.bytes, plain);
                ASSERT_EQ(decoder->decompress(extendedSource, decoded), CodecResult::damagedStream);
            }
        }
        for (const EncoderTuning tuning :
             std::vector<EncoderTuning>{{4096, 1, 1}, {5000, 7, 2}, {20000, 300, 1}, {30001, 4000, 2}}) {
            const Bytes plain = sample(kind, 200000, static_cast<unsigned>(tuning.rangeBytes));
            ASSERT_EQ(compressBytes(*std::make_unique<LzwEncoder>(tuning), plain), reference::compress(plain));
        }
    }
}

// Streams no encoder wrote end as the reference says: every cut of a whole stream is damaged; a few
// codes changed for others defined at that point make the decoder leave its fast path and replay byte
// by byte. Arbitrary bytes are the fuzzer's.
TEST(LzwCodec, DamagedStreamsEndAsTheReferenceSays)
{
    std::mt19937 random(13);
    for (const auto& [kind, length] :
         std::vector<std::pair<int, std::size_t>>{{2, 3000}, {0, 4500}, {1, 9000}, {2, 40000}}) {
        const Bytes plain = sample(kind, length, 4);
        const Bytes coded = compressBytes(plain);
        for (std::size_t cut = 0; cut < coded.size(); cut += 1 + cut / 1000) {
            const Bytes stream(coded.begin(), coded.begin() + static_cast<std::ptrdiff_t>(cut));
            ASSERT_EQ(reference::decompress(stream).result, CodecResult::damagedStream) << cut;
            expectDecodesAsTheReference(stream);
        }
        for (int trial = 0; trial < 30; ++trial) {
            std::vector<std::int32_t> codes = reference::parse(plain);
            for (int change = 0; change < 1 + trial % 4; ++change) {
                const std::size_t at = random() % codes.size();
                codes[at] =
                    static_cast<std::int32_t>(random() % std::min<std::size_t>({at + 257, 256 + at / 2 + 1, 4096}));
                codes[at] = codes[at] == 256 ? 1 : codes[at];
            }
            expectDecodesAsTheReference(reference::writeCodes(codes));
        }
    }
}

}  // namespace
}  // namespace votrana
