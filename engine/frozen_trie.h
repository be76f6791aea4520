// The full dictionary laid out for the encoder's walk, once nothing more can be added. The single
// bytes keep their codes as ids, the other entries with children follow up to innerCount - 1, each of
// them with a dense row of 256 children, and the leaves come last. A walk then takes one look-up per
// byte in a table that holds only the rows in use, small enough to stay in the processor's cache
// where a row for every code would not. A missing child is noCode16.
#pragma once

#include "code_dictionary.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace votrana {

class FrozenTrie {
public:
    FrozenTrie() : rows_(std::make_unique_for_overwrite<std::uint16_t[]>(static_cast<std::size_t>(codeCount + 1) * 256))
    {
    }

    void build(const CodeDictionary& dictionary);

    // The tables as plain pointers, for a hot loop to hold in registers.
    struct View {
        const std::uint16_t* rows;
        const std::uint16_t* idOf;
        const std::uint16_t* codeOf;
        const std::uint16_t* lengthOf;  // by code
        std::uint32_t innerCount;

        // The child of any entry, or noCode16. The leaves share one row that holds no child.
        std::uint32_t child(std::uint32_t id, std::uint8_t byte) const
        {
            return rows[std::min(id, innerCount) << 8 | byte];
        }
        // The entry of the two bytes at `bytes`, or noCode16.
        std::uint32_t pair(const std::uint8_t* bytes) const { return rows[bytes[0] << 8 | bytes[1]]; }
    };
    View view() const { return View{rows_.get(), idOf_.data(), codeOf_.data(), lengthOf_.data(), innerCount_}; }

private:
    std::uint32_t innerCount_ = 0;
    std::array<std::uint16_t, codeCount> idOf_{};
    std::array<std::uint16_t, codeCount> codeOf_{};
    std::array<std::uint16_t, codeCount> lengthOf_{};
    std::unique_ptr<std::uint16_t[]> rows_;
};

}  // namespace votrana
