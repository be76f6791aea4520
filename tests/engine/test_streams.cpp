#include "test_streams.h"

#include <string_view>

namespace votrana::testing {

std::vector<std::uint8_t> randomBytes(std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(length);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

std::vector<std::uint8_t> lowEntropyBytes(std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(length);
    while (bytes.size() < length) {
        const auto value = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random() % 4);
        const std::size_t run = std::min<std::size_t>(1 + random() % 300, length - bytes.size());
        bytes.insert(bytes.end(), run, value);
    }
    return bytes;
}

std::vector<std::uint8_t> textLikeBytes(std::size_t length, unsigned seed)
{
    static constexpr std::string_view words[] = {"the ", "coded ",  "file ",       "key ",  "is ",   "a ",    "and ",
                                                 "of ",  "table\n", "dictionary ", "byte ", "0x61 ", "\t{\n", "}\n"};
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(length + 16);
    while (bytes.size() < length) {
        const auto word = words[random() % std::size(words)];
        bytes.insert(bytes.end(), word.begin(), word.end());
    }
    bytes.resize(length);
    return bytes;
}

}  // namespace votrana::testing
