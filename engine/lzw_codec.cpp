#include "lzw_codec.h"

#include <memory>

namespace votrana {

CodecResult compressStream(CodecState& state, ByteSource& source, ByteSink& target)
{
    return state.compress(source, target);
}

CodecResult decompressStream(CodecState& state, ByteSource& source, ByteSink& target)
{
    return state.decompress(source, target);
}

std::vector<std::uint8_t> compressBytes(CodecState& state, std::span<const std::uint8_t> plain)
{
    MemorySource source(plain);
    MemorySink target;
    state.compress(source, target);
    return target.take();
}

std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> plain)
{
    return compressBytes(*std::make_unique<CodecState>(), plain);
}

DecodedBytes decompressBytes(CodecState& state, std::span<const std::uint8_t> coded)
{
    MemorySource source(coded);
    MemorySink target;
    const CodecResult result = state.decompress(source, target);
    return DecodedBytes{result, target.take()};
}

DecodedBytes decompressBytes(std::span<const std::uint8_t> coded)
{
    return decompressBytes(*std::make_unique<CodecState>(), coded);
}

}  // namespace votrana
