// A key is a permutation of the 256 byte values. Coding maps every byte through `codingTable`,
// decoding through `inverseTable`. A key file holds both tables: 512 bytes, coding half first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace votrana {

using KeyTable = std::array<std::uint8_t, 256>;

inline constexpr std::size_t keyFileSize = 512;
inline constexpr std::size_t keyHalfSize = 256;

// Which half of a key file a command uses: the coding half (offset 0) or the decoding half (offset 256).
enum class KeyDirection { coding, decoding };

constexpr std::size_t keyHalfOffset(KeyDirection direction)
{
    return direction == KeyDirection::coding ? 0 : keyHalfSize;
}

// The key the commands work with. Loading a key file fills only the table of its direction;
// the other table keeps what it held.
struct KeyTables {
    KeyTable codingTable{};
    KeyTable inverseTable{};
};

// Fills `buffer` with random bytes; false when no random bytes could be had.
using RandomSource = std::function<bool(std::span<std::uint8_t> buffer)>;

// The operating system's cryptographic random source.
bool systemRandomBytes(std::span<std::uint8_t> buffer);

bool isPermutation(std::span<const std::uint8_t> values);

// A fresh key: random values reduced to bytes, kept in the order of their first appearance, with the
// inverse table derived from it. False, with `tables` untouched, when the random source failed.
bool generateKey(KeyTables& tables, const RandomSource& random = systemRandomBytes);

// True when `fileBytes` (the whole key file) is exactly 512 bytes long and the half for `direction`
// is a permutation. It judges only; it changes no table.
bool checkKeyFile(std::span<const std::uint8_t> fileBytes, KeyDirection direction);

// The 512 bytes of the key file for `tables`.
std::array<std::uint8_t, keyFileSize> keyFileBytes(const KeyTables& tables);

// Loads the half of `fileBytes` (a key file that passed checkKeyFile) for `direction` into the table
// of that direction.
void loadKeyHalf(KeyTables& tables, std::span<const std::uint8_t> fileBytes, KeyDirection direction);

// Replaces every byte b of `buffer` by table[b], in place.
void substitute(std::span<std::uint8_t> buffer, const KeyTable& table);

}  // namespace votrana
