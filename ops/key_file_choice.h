// The user's choice of key file, made in the key-file dialog and kept from one command to the next.
#pragma once

#include "notifier.h"
#include "platform.h"

#include <string>

namespace votrana {

struct KeyFileChoice {
    // false: the key file that the application assigns beside the coded file; true: `keyFilePath`.
    bool useUserKey = false;
    std::string keyFilePath;
    KeyDialogResult keyDialogResult = KeyDialogResult::notShown;
};

// Shows the key-file dialog and records its outcome in `choice.keyDialogResult`; true when it ended
// with OK. A dialog that cannot be shown is reported here.
bool askForKeyFile(Person& person, KeyFileChoice& choice, Notifier& notifier);

}  // namespace votrana
