// The LZW coder of coded files.
//
// Format, fixed bit for bit: code 256 ends the stream, added strings are numbered from 257, the
// dictionary holds at most 4096 codes and is never cleared. The i-th code of a stream is written as a
// truncated binary code for an alphabet of min(256 + i, 4096) values, most significant bit first, and
// the end code is followed by 1 to 8 zero bits that complete the last byte, and then by nothing. There
// is no header and no checksum.
//
// The decoder does not derive entries from the codes it reads: it feeds every byte it outputs through
// the encoder's own matcher, so it grows exactly the encoder's dictionary, one code later.
#pragma once

#include "byte_stream.h"
#include "codec_result.h"
#include "lzw_decoder.h"
#include "lzw_encoder.h"

#include <cstdint>
#include <span>
#include <vector>

namespace votrana {

// Both run one whole stream and leave the encoder or decoder ready for the next run. Memory stays at
// its fixed size whatever the length of the stream.
CodecResult compressStream(LzwEncoder& encoder, ByteSource& source, ByteSink& target);
CodecResult decompressStream(LzwDecoder& decoder, ByteSource& source, ByteSink& target);

// In-memory conveniences over the two above, for tests and tools; without an encoder or decoder
// they make one.
std::vector<std::uint8_t> compressBytes(LzwEncoder& encoder, std::span<const std::uint8_t> plain);
std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> plain);
struct DecodedBytes {
    CodecResult result;
    std::vector<std::uint8_t> bytes;  // what was decoded before the stream ended or broke off
};
DecodedBytes decompressBytes(LzwDecoder& decoder, std::span<const std::uint8_t> coded);
DecodedBytes decompressBytes(std::span<const std::uint8_t> coded);

// Both directions, for a program that codes and decodes file after file.
struct Codec {
    LzwEncoder encoder;
    LzwDecoder decoder;
};

}  // namespace votrana
