// What the Coding and Decoding commands keep for the life of the process. The front end creates one
// and hands it to every command.
#pragma once

#include "codec_state.h"
#include "key_file_choice.h"
#include "key_table.h"

#include <memory>
#include <string>

namespace votrana {

struct OperationsState {
    bool japaneseUi = false;
    // The program's own file, which Coding refuses; empty when it is not known.
    std::string programPath;
    KeyFileChoice keyFileChoice;
    KeyTables keyTables;
    // Large: made once, reused by every compression and decompression.
    std::unique_ptr<CodecState> codecState = std::make_unique<CodecState>();
};

}  // namespace votrana
