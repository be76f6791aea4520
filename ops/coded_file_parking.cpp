#include "coded_file_parking.h"

#include <utility>

namespace votrana {

CodedFileParking::CodedFileParking(Machine& machine, std::string codedPath, std::string tempPath,
                                   std::string holdPath)
    : machine_(machine),
      codedPath_(std::move(codedPath)),
      tempPath_(std::move(tempPath)),
      holdPath_(std::move(holdPath))
{
}

const std::string& CodedFileParking::pathOf(Place place) const
{
    switch (place) {
    case Place::temp:
        return tempPath_;
    case Place::hold:
        return holdPath_;
    case Place::coded:
    case Place::gone:
        break;
    }
    return codedPath_;
}

bool CodedFileParking::move(Place& file, Place to)
{
    if (!machine_.rename(pathOf(file), pathOf(to))) {
        return false;
    }
    file = to;
    return true;
}

bool CodedFileParking::park()
{
    if (move(codedFileAt_, Place::hold) && move(dataAt_, Place::coded) && move(codedFileAt_, Place::temp)) {
        return true;
    }
    restore();
    return false;
}

bool CodedFileParking::releaseData(const std::string& path)
{
    if (dataAt_ != Place::coded || !machine_.rename(codedPath_, path)) {
        return false;
    }
    dataAt_ = Place::gone;
    return true;
}

bool CodedFileParking::restore()
{
    if (dataAt_ == Place::coded) {
        if (!machine_.remove(codedPath_)) {
            return false;
        }
        dataAt_ = Place::gone;
    }
    if (codedFileAt_ != Place::coded && !move(codedFileAt_, Place::coded)) {
        return false;
    }
    if (dataAt_ == Place::temp && machine_.remove(tempPath_)) {
        dataAt_ = Place::gone;
    }
    return true;
}

}  // namespace votrana
