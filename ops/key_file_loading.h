// Reads a key file and loads the half that a command uses.
#pragma once

#include "key_table.h"
#include "platform.h"
#include "texts.h"

#include <string>

namespace votrana {

enum class KeyFileLoading {
    loaded,
    cannotOpen,
    incorrect,  // not 512 bytes long, or its half for the direction is no permutation
    readFailed,
};

// Loads the half of the key file at `path` for `direction` into `tables`, which stay as they were
// unless the file is a correct key file.
KeyFileLoading loadKeyFile(Machine& machine, const std::string& path, KeyDirection direction, KeyTables& tables);

// What the person is told when a key file was not loaded.
std::string_view keyFileFailureText(const Texts& texts, KeyFileLoading loading);

}  // namespace votrana
