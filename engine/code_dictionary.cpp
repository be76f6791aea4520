#include "code_dictionary.h"

namespace votrana {

void CodeDictionary::reset()
{
    for (std::int32_t code = 0; code < endCode; ++code) {
        entries_[static_cast<std::size_t>(code)] = DictEntry{code, noCode, code + 1, noCode};
        length_[static_cast<std::size_t>(code)] = 1;
    }
    entries_[endCode] = DictEntry{noCode, noCode, noCode, noCode};
    length_[endCode] = 0;
    for (std::size_t code = firstFreeCode; code < entries_.size(); ++code) {
        entries_[code] = DictEntry{noCode, noCode, noCode, noCode};
    }
    lastChild_.fill(noCode16);
    index_.clear();
}

}  // namespace votrana
