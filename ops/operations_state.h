// What the Coding and Decoding commands keep for the life of the process. The front end creates one
// and hands it to every command.
#pragma once

#include "key_file_choice.h"
#include "key_table.h"
#include "lzw_codec.h"

#include <memory>
#include <string>

namespace votrana {

struct OperationsState {
    bool japaneseUi = false;
    // The program's own file, which Coding refuses; empty when it is not known.
    std::string programPath;
    // The window program's rule: Coding refuses a file that is not on a fixed disk. The command-line
    // tool, which codes on any disk the system can write, turns it off.
    bool codesOnlyFromFixedDisks = true;
    KeyFileChoice keyFileChoice;
    KeyTables keyTables;
    // Which half of a key file the running command uses; it stays after the command.
    KeyDirection operationMode = KeyDirection::coding;
    std::string selectedFilePath;
    // Large: made once, reused by every compression and decompression.
    std::unique_ptr<Codec> codecState = std::make_unique<Codec>();
};

}  // namespace votrana
