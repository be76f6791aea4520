// The dictionary of the LZW coder: a trie of strings numbered by code, stored as first-child /
// next-sibling lists, with an index that finds a child by its byte.
#pragma once

#include "child_index.h"
#include "lzw_codes.h"

#include <array>
#include <cstdint>

namespace votrana {

struct DictEntry {
    std::int32_t byteValue;    // last byte of the string; noCode for the end code
    std::int32_t parent;       // code of the string without its last byte
    std::int32_t nextSibling;  // next entry with the same parent, in order of creation
    std::int32_t firstChild;
};

class CodeDictionary {
public:
    // The 256 single bytes, linked in byte order and closed by the end code's entry; nothing added.
    void reset();

    const DictEntry& operator[](std::int32_t code) const { return entries_[static_cast<std::size_t>(code)]; }

    // The child of `parent` with last byte `byte`, or noCode.
    std::int32_t findChild(std::int32_t parent, std::uint8_t byte) const { return index_.find(parent, byte); }
    bool hasChild(std::int32_t parent, std::uint8_t byte) const { return index_.hasChild(parent, byte); }

    // Makes `code` the string of `parent` followed by `byte`, at the end of its parent's children.
    void add(std::int32_t code, std::int32_t parent, std::uint8_t byte)
    {
        const auto at = static_cast<std::size_t>(code);
        const auto parentAt = static_cast<std::size_t>(parent);
        entries_[at] = DictEntry{byte, parent, noCode, noCode};
        if (lastChild_[parentAt] == noCode16) {
            entries_[parentAt].firstChild = code;
        } else {
            entries_[lastChild_[parentAt]].nextSibling = code;
        }
        lastChild_[parentAt] = static_cast<std::uint16_t>(code);
        lastChild_[at] = noCode16;
        length_[at] = static_cast<std::uint16_t>(length_[parentAt] + 1);
        index_.insert(parent, byte, code);
    }

    // Number of bytes in the string of an assigned code other than the end code.
    std::uint32_t stringLength(std::int32_t code) const { return length_[static_cast<std::size_t>(code)]; }

private:
    std::array<DictEntry, codeCount> entries_{};
    std::array<std::uint16_t, codeCount> lastChild_{};
    std::array<std::uint16_t, codeCount> length_{};
    ChildIndex index_;
};

}  // namespace votrana
