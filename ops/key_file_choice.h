// The user's choice of key file, made in the key-file dialog and kept from one command to the next.
#pragma once

#include <string>

namespace votrana {

struct KeyFileChoice {
    // false: the key file that the application assigns beside the coded file; true: `keyFilePath`.
    bool useUserKey = false;
    std::string keyFilePath;
};

}  // namespace votrana
