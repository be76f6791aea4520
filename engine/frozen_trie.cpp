#include "frozen_trie.h"

#include <algorithm>

namespace votrana {

void FrozenTrie::build(const CodeDictionary& dictionary)
{
    // The single bytes keep their codes as ids and all get rows, so that the first step of a
    // string is a look-up by two input bytes alone.
    std::uint16_t nextId = 0;
    for (std::int32_t code = 0; code < endCode; ++code) {
        idOf_[static_cast<std::size_t>(code)] = nextId;
        codeOf_[nextId++] = static_cast<std::uint16_t>(code);
    }
    for (std::int32_t code = 0; code < codeCount; ++code) {
        lengthOf_[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(dictionary.stringLength(code));
    }
    for (const bool withChildren : {true, false}) {
        for (std::int32_t code = firstFreeCode; code < codeCount; ++code) {
            if ((dictionary[code].firstChild != noCode) == withChildren) {
                idOf_[static_cast<std::size_t>(code)] = nextId;
                codeOf_[nextId++] = static_cast<std::uint16_t>(code);
            }
        }
        if (withChildren) {
            innerCount_ = nextId;
        }
    }
    std::fill_n(rows_.get(), static_cast<std::size_t>(innerCount_ + 1) << 8, noCode16);
    for (std::uint32_t id = 0; id < innerCount_; ++id) {
        for (std::int32_t child = dictionary[static_cast<std::int32_t>(codeOf_[id])].firstChild; child != noCode;
             child = dictionary[child].nextSibling) {
            rows_[id << 8 | static_cast<std::uint32_t>(dictionary[child].byteValue)] =
                idOf_[static_cast<std::size_t>(child)];
        }
    }
}

}  // namespace votrana
