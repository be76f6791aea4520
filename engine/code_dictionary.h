// The dictionary of the LZW coder: a trie of strings numbered by code, stored as first-child /
// next-sibling lists, with an index that finds a child by its byte.
#pragma once

#include "child_index.h"

#include <array>
#include <cstdint>

namespace votrana {

inline constexpr std::int32_t codeCount = 4096;  // codes 0 to 4095
inline constexpr std::int32_t endCode = 256;     // its entry closes the root list
inline constexpr std::int32_t firstFreeCode = 257;
inline constexpr std::uint32_t longestString = 3840;

// Markers in DictEntry fields.
inline constexpr std::int32_t noParent = -1;
inline constexpr std::int32_t noEntry = -3;
inline constexpr std::int32_t notAssigned = -4;

struct DictEntry {
    std::int32_t byteValue;    // last byte of the string; -1 for the end code
    std::int32_t parent;       // code of the string without its last byte
    std::int32_t nextSibling;  // next entry with the same parent, in order of creation
    std::int32_t firstChild;
};

class CodeDictionary {
public:
    // The 256 single bytes, linked in byte order and closed by the end code's entry; nothing added.
    void reset();

    const DictEntry& operator[](std::int32_t code) const { return entries_[static_cast<std::size_t>(code)]; }

    // The child of `parent` with last byte `byte`, or -1.
    std::int32_t findChild(std::int32_t parent, std::uint8_t byte) const { return index_.find(parent, byte); }
    bool hasChild(std::int32_t parent, std::uint8_t byte) const { return index_.hasChild(parent, byte); }

    // Makes `code` the string of `parent` followed by `byte`, at the end of its parent's children.
    void add(std::int32_t code, std::int32_t parent, std::uint8_t byte)
    {
        const auto at = static_cast<std::size_t>(code);
        const auto parentAt = static_cast<std::size_t>(parent);
        entries_[at] = DictEntry{byte, parent, noEntry, noEntry};
        if (lastChild_[parentAt] == noEntry) {
            entries_[parentAt].firstChild = code;
        } else {
            entries_[static_cast<std::size_t>(lastChild_[parentAt])].nextSibling = code;
        }
        lastChild_[parentAt] = static_cast<std::int16_t>(code);
        lastChild_[at] = noEntry;
        length_[at] = static_cast<std::uint16_t>(length_[parentAt] + 1);
        index_.insert(parent, byte, code);
    }

    // Number of bytes in the string of an assigned code other than the end code.
    std::uint32_t stringLength(std::int32_t code) const { return length_[static_cast<std::size_t>(code)]; }

private:
    std::array<DictEntry, codeCount> entries_{};
    std::array<std::int16_t, codeCount> lastChild_{};
    std::array<std::uint16_t, codeCount> length_{};
    ChildIndex index_;
};

}  // namespace votrana
