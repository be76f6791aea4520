#include "lzw_codec.h"

#include <memory>

namespace votrana {

CodecResult compressStream(LzwEncoder& encoder, ByteSource& source, ByteSink& target)
{
    return encoder.compress(source, target);
}

CodecResult decompressStream(LzwDecoder& decoder, ByteSource& source, ByteSink& target)
{
    return decoder.decompress(source, target);
}

std::vector<std::uint8_t> compressBytes(LzwEncoder& encoder, std::span<const std::uint8_t> plain)
{
    MemorySource source(plain);
    MemorySink target;
    encoder.compress(source, target);
    return target.take();
}

std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> plain)
{
    return compressBytes(*std::make_unique<LzwEncoder>(), plain);
}

DecodedBytes decompressBytes(LzwDecoder& decoder, std::span<const std::uint8_t> coded)
{
    MemorySource source(coded);
    MemorySink target;
    const CodecResult result = decoder.decompress(source, target);
    return DecodedBytes{result, target.take()};
}

DecodedBytes decompressBytes(std::span<const std::uint8_t> coded)
{
    return decompressBytes(*std::make_unique<LzwDecoder>(), coded);
}

}  // namespace votrana
