// Finds the child of a dictionary entry by its last byte with one look-up, where a walk of the
// sibling list would compare every child: a dense table of 256 slots for each code. Only the rows of
// codes in use are ever read, so a run clears the rows of the single bytes and the end code, and each
// added code clears its own row.
#pragma once

#include "lzw_codes.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace votrana {

class ChildIndex {
public:
    ChildIndex()
        : children_(std::make_unique_for_overwrite<std::uint16_t[]>(codeCount * 256)),
          childBits_(std::make_unique_for_overwrite<std::uint64_t[]>(codeCount * 4))
    {
    }

    void clear()
    {
        std::fill_n(children_.get(), firstFreeCode * 256, noCode16);
        std::fill_n(childBits_.get(), firstFreeCode * 4, std::uint64_t{0});
    }

    // Whether `parent` has a child with last byte `byte`: the same answer as find, from a table an
    // eighth of its size, for the decoder, which asks once per code and mostly hears no.
    bool hasChild(std::int32_t parent, std::uint8_t byte) const
    {
        return (childBits_[static_cast<std::size_t>(parent) << 2 | byte >> 6] >> (byte & 63)) & 1;
    }

    // The child of `parent` whose last byte is `byte`, or noCode: an empty slot holds noCode16.
    std::int32_t find(std::int32_t parent, std::uint8_t byte) const
    {
        return static_cast<std::int16_t>(children_[static_cast<std::size_t>(parent) << 8 | byte]);
    }

    void insert(std::int32_t parent, std::uint8_t byte, std::int32_t child)
    {
        children_[static_cast<std::size_t>(parent) << 8 | byte] = static_cast<std::uint16_t>(child);
        std::fill_n(children_.get() + (static_cast<std::size_t>(child) << 8), 256, noCode16);
        childBits_[static_cast<std::size_t>(parent) << 2 | byte >> 6] |= std::uint64_t{1} << (byte & 63);
        std::fill_n(childBits_.get() + (static_cast<std::size_t>(child) << 2), 4, std::uint64_t{0});
    }

private:
    std::unique_ptr<std::uint16_t[]> children_;
    std::unique_ptr<std::uint64_t[]> childBits_;
};

}  // namespace votrana
