// While Decoding works, the decompressed data borrows the coded file's name and the coded file waits
// under the temporary name. This keeps track of where each of the two files is, so that every way out
// can give the coded file its name back.
#pragma once

#include "platform.h"

#include <string>

namespace votrana {

class CodedFileParking {
public:
    // `codedPath` names the coded file and `tempPath` the decompressed data; `holdPath` is free.
    CodedFileParking(Machine& machine, std::string codedPath, std::string tempPath, std::string holdPath);

    // Exchanges the two names through `holdPath`. False when a rename failed: what was renamed is
    // then put back and the decompressed data removed, as far as the machine allows.
    bool park();

    // Moves the decompressed data, now decoded, away from the coded file's name to `path`, where it is
    // the caller's.
    bool releaseData(const std::string& path);

    // Removes the decompressed data and gives the coded file its name back. False when the coded file
    // could not get its name back; it is then still under the temporary or the hold name.
    bool restore();

private:
    enum class Place { coded, temp, hold, gone };

    const std::string& pathOf(Place place) const;
    bool move(Place& file, Place to);

    Machine& machine_;
    std::string codedPath_;
    std::string tempPath_;
    std::string holdPath_;
    Place codedFileAt_ = Place::coded;
    Place dataAt_ = Place::temp;
};

}  // namespace votrana
