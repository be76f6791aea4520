// Finds the child of a dictionary entry by its last byte with one look-up, where a walk of the
// sibling list would compare every child: a dense table of 256 slots for each code. Only the rows of
// codes in use are ever read, so a run clears the rows of the single bytes and each added code clears
// its own row.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

namespace votrana {

class ChildIndex {
public:
    ChildIndex()
        : children_(std::make_unique_for_overwrite<std::uint16_t[]>(rows * 256)),
          childBits_(std::make_unique_for_overwrite<std::uint64_t[]>(rows * 4))
    {
    }

    void clear()
    {
        std::fill_n(children_.get(), 257 * 256, std::uint16_t{0});
        std::fill_n(childBits_.get(), 257 * 4, std::uint64_t{0});
    }

    // Whether `parent` has a child with last byte `byte`: the same answer as find, from a table an
    // eighth of its size, for the decoder, which asks once per code and mostly hears no.
    bool hasChild(std::int32_t parent, std::uint8_t byte) const
    {
        return (childBits_[static_cast<std::size_t>(parent) << 2 | byte >> 6] >> (byte & 63)) & 1;
    }

    // The child of `parent` whose last byte is `byte`, or -1.
    std::int32_t find(std::int32_t parent, std::uint8_t byte) const
    {
        const std::uint16_t child = children_[static_cast<std::size_t>(parent) << 8 | byte];
        return child == 0 ? -1 : child;
    }

    // `child` must be an added code (257 or above): 0 marks an empty slot.
    void insert(std::int32_t parent, std::uint8_t byte, std::int32_t child)
    {
        children_[static_cast<std::size_t>(parent) << 8 | byte] = static_cast<std::uint16_t>(child);
        std::fill_n(children_.get() + (static_cast<std::size_t>(child) << 8), 256, std::uint16_t{0});
        childBits_[static_cast<std::size_t>(parent) << 2 | byte >> 6] |= std::uint64_t{1} << (byte & 63);
        std::fill_n(childBits_.get() + (static_cast<std::size_t>(child) << 2), 4, std::uint64_t{0});
    }

private:
    static constexpr std::size_t rows = 4096;
    std::unique_ptr<std::uint16_t[]> children_;
    std::unique_ptr<std::uint64_t[]> childBits_;
};

}  // namespace votrana
