#include "key_table.h"

#include <algorithm>
#include <bitset>

namespace votrana {

bool isPermutation(std::span<const std::uint8_t> values)
{
    if (values.size() != keyHalfSize) {
        return false;
    }
    std::bitset<256> seen;
    for (const std::uint8_t value : values) {
        if (seen.test(value)) {
            return false;
        }
        seen.set(value);
    }
    return true;
}

bool generateKey(KeyTables& tables, const RandomSource& random)
{
    // Drawing until every value has appeared takes about 1,600 draws on average.
    std::array<std::uint8_t, 1024> draws{};
    std::bitset<256> seen;
    KeyTable order{};
    std::size_t found = 0;
    while (found < keyHalfSize) {
        if (!random(draws)) {
            return false;
        }
        for (const std::uint8_t value : draws) {
            if (!seen.test(value)) {
                seen.set(value);
                order[found++] = value;
                if (found == keyHalfSize) {
                    break;
                }
            }
        }
    }
    tables.codingTable = order;
    for (std::size_t plain = 0; plain < keyHalfSize; ++plain) {
        tables.inverseTable[order[plain]] = static_cast<std::uint8_t>(plain);
    }
    return true;
}

bool checkKeyFile(std::span<const std::uint8_t> fileBytes, KeyDirection direction)
{
    return fileBytes.size() == keyFileSize && isPermutation(fileBytes.subspan(keyHalfOffset(direction), keyHalfSize));
}

std::array<std::uint8_t, keyFileSize> keyFileBytes(const KeyTables& tables)
{
    std::array<std::uint8_t, keyFileSize> bytes{};
    std::copy(tables.codingTable.begin(), tables.codingTable.end(), bytes.begin());
    std::copy(tables.inverseTable.begin(), tables.inverseTable.end(), bytes.begin() + keyHalfSize);
    return bytes;
}

void loadKeyHalf(KeyTables& tables, std::span<const std::uint8_t> fileBytes, KeyDirection direction)
{
    const auto half = fileBytes.subspan(keyHalfOffset(direction), keyHalfSize);
    KeyTable& table = direction == KeyDirection::coding ? tables.codingTable : tables.inverseTable;
    std::copy(half.begin(), half.end(), table.begin());
}

void substitute(std::span<std::uint8_t> buffer, const KeyTable& table)
{
    for (std::uint8_t& byte : buffer) {
        byte = table[byte];
    }
}

}  // namespace votrana
