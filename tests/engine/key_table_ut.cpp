#include "key_table.h"

#include <gtest/gtest.h>

#include <numeric>
#include <ranges>
#include <vector>

namespace votrana {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool inverseOfEachOther(const KeyTables& tables)
{
    KeyTable composed = tables.codingTable;
    substitute(composed, tables.inverseTable);
    return std::ranges::equal(composed, std::views::iota(0, 256));
}

TEST(KeyTable, GeneratedKeysKeepValuesInOrderOfFirstAppearanceWithTheirInverse)
{
    // 5, 5, 3, 5, then every value from 255 down, over and over: the key is 5, 3, 255, 254, ... 0.
    KeyTables tables;
    ASSERT_TRUE(generateKey(tables, [at = 0](std::span<std::uint8_t> buffer) mutable {
        for (auto& byte : buffer) {
            byte = static_cast<std::uint8_t>(at < 4 ? "\5\5\3\5"[at] : 255 - (at - 4) % 256);
            at = at == 259 ? 0 : at + 1;
        }
        return true;
    }));
    EXPECT_EQ(std::vector(tables.codingTable.begin(), tables.codingTable.begin() + 4), (Bytes{5, 3, 255, 254}));
    EXPECT_EQ(tables.codingTable[255], 0);
    EXPECT_TRUE(inverseOfEachOther(tables));

    KeyTables system, again;
    ASSERT_TRUE(generateKey(system) && generateKey(again));
    EXPECT_NE(system.codingTable, again.codingTable);
    EXPECT_TRUE(inverseOfEachOther(system));

    const KeyTables before = tables;
    EXPECT_FALSE(generateKey(tables, [](std::span<std::uint8_t>) { return false; }));
    EXPECT_EQ(tables.codingTable, before.codingTable);
}

// A key file is 512 bytes, the coding half first; a command judges only the half it uses.
TEST(KeyTable, KeyFileChecks)
{
    struct Case {
        const char* name;
        void (*change)(Bytes&);
        bool coding, decoding;
    };
    const Case cases[] = {
        {"identity", [](Bytes&) {}, true, true},
        {"empty", [](Bytes& file) { file.clear(); }, false, false},
        {"one half", [](Bytes& file) { file.resize(256); }, false, false},
        {"a byte short", [](Bytes& file) { file.pop_back(); }, false, false},
        {"a byte more", [](Bytes& file) { file.push_back(0); }, false, false},
        {"decoding half repeats a value", [](Bytes& file) { file[300] = file[301]; }, true, false},
        {"coding half all zero", [](Bytes& file) { std::fill_n(file.begin(), 256, 0); }, false, true},
        {"halves not inverse", [](Bytes& file) { std::reverse(file.begin() + 256, file.end()); }, true, true},
    };
    for (const Case& c : cases) {
        Bytes file(keyFileSize);
        std::iota(file.begin(), file.begin() + 256, std::uint8_t{0});
        std::iota(file.begin() + 256, file.end(), std::uint8_t{0});
        c.change(file);
        EXPECT_EQ(checkKeyFile(file, KeyDirection::coding), c.coding) << c.name;
        EXPECT_EQ(checkKeyFile(file, KeyDirection::decoding), c.decoding) << c.name;
    }
}

TEST(KeyTable, KeyFilesHoldBothHalvesAndLoadEachIntoItsTable)
{
    KeyTables generated;
    ASSERT_TRUE(generateKey(generated));
    const auto file = keyFileBytes(generated);
    KeyTables loaded;
    loaded.inverseTable.fill(9);
    loadKeyHalf(loaded, file, KeyDirection::coding);
    EXPECT_EQ(loaded.codingTable, generated.codingTable);
    EXPECT_EQ(loaded.inverseTable[0], 9) << "loading one half leaves the other table alone";
    loadKeyHalf(loaded, file, KeyDirection::decoding);
    EXPECT_EQ(loaded.inverseTable, generated.inverseTable);
}

}  // namespace
}  // namespace votrana
