#include "code_dictionary.h"

namespace votrana {

void CodeDictionary::reset()
{
    for (std::int32_t code = 0; code < endCode; ++code) {
        entries_[static_cast<std::size_t>(code)] = DictEntry{code, noParent, code + 1, noEntry};
        length_[static_cast<std::size_t>(code)] = 1;
    }
    entries_[endCode] = DictEntry{-1, noParent, noEntry, noEntry};
    length_[endCode] = 0;
    for (std::size_t code = endCode + 1; code < entries_.size(); ++code) {
        entries_[code] = DictEntry{notAssigned, notAssigned, notAssigned, notAssigned};
    }
    lastChild_.fill(noEntry);
    index_.clear();
}

}  // namespace votrana
