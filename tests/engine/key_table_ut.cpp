#include "key_table.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes identityKeyFile()
{
    Bytes file(keyFileSize);
    for (std::size_t i = 0; i < keyFileSize; ++i) {
        file[i] = static_cast<std::uint8_t>(i % 256);
    }
    return file;
}

// A random source that hands out a fixed script of values, over and over.
RandomSource scripted(Bytes script)
{
    return [script = std::move(script), at = std::size_t{0}](std::span<std::uint8_t> buffer) mutable {
        for (auto& byte : buffer) {
            byte = script[at++ % script.size()];
        }
        return true;
    };
}

TEST(KeyGeneration, KeepsValuesInOrderOfFirstAppearanceAndDerivesTheInverse)
{
    // 5, 5, 3, 5, then every value from 255 down: the key starts 5, 3 and then runs down, skipping both.
    Bytes script = {5, 5, 3, 5};
    for (int value = 255; value >= 0; --value) {
        script.push_back(static_cast<std::uint8_t>(value));
    }
    KeyTables tables;
    ASSERT_TRUE(generateKey(tables, scripted(script)));
    EXPECT_EQ(tables.codingTable[0], 5);
    EXPECT_EQ(tables.codingTable[1], 3);
    EXPECT_EQ(tables.codingTable[2], 255);
    EXPECT_EQ(tables.codingTable[255], 0);
    for (int plain = 0; plain < 256; ++plain) {
        EXPECT_EQ(tables.inverseTable[tables.codingTable[static_cast<std::size_t>(plain)]], plain);
    }
}

TEST(KeyGeneration, SystemKeysAreValidAndDifferEachTime)
{
    KeyTables first;
    KeyTables second;
    ASSERT_TRUE(generateKey(first));
    ASSERT_TRUE(generateKey(second));
    EXPECT_NE(first.codingTable, second.codingTable);
    for (const KeyTables* tables : {&first, &second}) {
        EXPECT_TRUE(isPermutation(tables->codingTable));
        const auto file = keyFileBytes(*tables);
        EXPECT_TRUE(checkKeyFile(file, KeyDirection::coding));
        EXPECT_TRUE(checkKeyFile(file, KeyDirection::decoding));
        for (int plain = 0; plain < 256; ++plain) {
            EXPECT_EQ(tables->inverseTable[tables->codingTable[static_cast<std::size_t>(plain)]], plain);
        }
    }
}

TEST(KeyGeneration, FailingRandomSourceLeavesTheTablesAsTheyWere)
{
    KeyTables tables;
    tables.codingTable.fill(7);
    const KeyTables before = tables;
    EXPECT_FALSE(generateKey(tables, [](std::span<std::uint8_t>) { return false; }));
    EXPECT_EQ(tables.codingTable, before.codingTable);
    EXPECT_EQ(tables.inverseTable, before.inverseTable);
}

TEST(KeyFileCheck, WantsExactlyFiveHundredTwelveBytes)
{
    Bytes file = identityKeyFile();
    EXPECT_TRUE(checkKeyFile(file, KeyDirection::coding));
    for (const std::size_t size : {0u, 256u, 511u, 513u}) {
        Bytes resized = file;
        resized.resize(size, 0);
        EXPECT_FALSE(checkKeyFile(resized, KeyDirection::coding)) << size;
        EXPECT_FALSE(checkKeyFile(resized, KeyDirection::decoding)) << size;
    }
}

TEST(KeyFileCheck, JudgesOnlyTheHalfOfItsDirection)
{
    Bytes codingOnly = identityKeyFile();
    codingOnly[300] = codingOnly[301];
    EXPECT_TRUE(checkKeyFile(codingOnly, KeyDirection::coding));
    EXPECT_FALSE(checkKeyFile(codingOnly, KeyDirection::decoding));

    Bytes decodingOnly = identityKeyFile();
    std::fill(decodingOnly.begin(), decodingOnly.begin() + 256, 0);
    EXPECT_FALSE(checkKeyFile(decodingOnly, KeyDirection::coding));
    EXPECT_TRUE(checkKeyFile(decodingOnly, KeyDirection::decoding));

    // Two permutations that are not inverse to each other pass both ways.
    Bytes mismatched = identityKeyFile();
    std::reverse(mismatched.begin() + 256, mismatched.end());
    std::rotate(mismatched.begin(), mismatched.begin() + 1, mismatched.begin() + 256);
    EXPECT_TRUE(checkKeyFile(mismatched, KeyDirection::coding));
    EXPECT_TRUE(checkKeyFile(mismatched, KeyDirection::decoding));
}

TEST(KeyFileBytes, WriteAndLoadEachHalf)
{
    KeyTables generated;
    ASSERT_TRUE(generateKey(generated));
    const auto file = keyFileBytes(generated);
    EXPECT_TRUE(std::equal(generated.codingTable.begin(), generated.codingTable.end(), file.begin()));
    EXPECT_TRUE(std::equal(generated.inverseTable.begin(), generated.inverseTable.end(), file.begin() + 256));

    KeyTables loaded;
    loaded.inverseTable.fill(9);
    loadKeyHalf(loaded, file, KeyDirection::coding);
    EXPECT_EQ(loaded.codingTable, generated.codingTable);
    EXPECT_EQ(loaded.inverseTable[0], 9) << "loading one half leaves the other table alone";
    loadKeyHalf(loaded, file, KeyDirection::decoding);
    EXPECT_EQ(loaded.inverseTable, generated.inverseTable);
}

TEST(Substitution, CodingThenDecodingGivesTheBytesBack)
{
    KeyTables tables;
    ASSERT_TRUE(generateKey(tables));
    Bytes data(1000);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    const Bytes original = data;
    substitute(data, tables.codingTable);
    EXPECT_NE(data, original);
    substitute(data, tables.inverseTable);
    EXPECT_EQ(data, original);

    KeyTable identity{};
    std::iota(identity.begin(), identity.end(), std::uint8_t{0});
    substitute(data, identity);
    EXPECT_EQ(data, original);
}

}  // namespace
}  // namespace votrana
