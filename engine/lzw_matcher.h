// The dictionary and the greedy matcher that both directions run. The encoder writes the code of
// the string where a match ends; the decoder matches the bytes it outputs, so that its dictionary
// grows exactly as the encoder's did.
#pragma once

#include "code_dictionary.h"
#include "lzw_codes.h"

#include <cstdint>
#include <span>

namespace votrana {

class Matcher {
public:
    // An empty dictionary, matching from the root.
    void reset()
    {
        dictionary_.reset();
        nextCode_ = firstFreeCode;
        matched_ = noCode;
    }

    const CodeDictionary& dictionary() const { return dictionary_; }
    std::int32_t nextCode() const { return nextCode_; }
    bool full() const { return nextCode_ == codeCount; }

    // The string matched so far; noCode at the root.
    std::int32_t matched() const { return matched_; }
    void setMatched(std::int32_t code) { matched_ = code; }

    // The matched string followed by `byte`, or noCode when the dictionary does not hold it.
    std::int32_t search(std::uint8_t byte) const
    {
        return matched_ == noCode ? byte : dictionary_.findChild(matched_, byte);
    }

    // Adds the matched string followed by `byte`, while there is room, and starts matching again at
    // the root with `byte`. The root holds every byte value, so that restart matches it at once.
    void addEntry(std::uint8_t byte)
    {
        if (nextCode_ < codeCount) {
            dictionary_.add(nextCode_, matched_, byte);
            ++nextCode_;
        }
        matched_ = byte;
    }

    void matchByte(std::uint8_t byte)
    {
        const std::int32_t code = search(byte);
        if (code != noCode) {
            matched_ = code;
        } else {
            addEntry(byte);
        }
    }
    // matchByte for each byte in turn. Out of line: the decoder's loop calls it only on streams this
    // encoder does not write, and its inlined body would take registers the loop needs.
    void matchBytes(std::span<const std::uint8_t> bytes);

private:
    CodeDictionary dictionary_;
    std::int32_t nextCode_ = firstFreeCode;
    std::int32_t matched_ = noCode;
};

}  // namespace votrana
