// Coding and decoding of a stream, such as a pipe: the bytes of one open file go, coded or decoded,
// straight into another as they come. The stream has no name, so there is no file beside it: the key
// file is named by the caller, and nothing is written but the output.
#pragma once

#include "command_outcome.h"
#include "operations_state.h"
#include "platform.h"

#include <string>

namespace votrana {

// Codes all of `input` into `output` with the coding half of the key file at `keyPath`. Done means
// that `output` holds the whole coded stream; a success is not reported. Every failure is.
CommandOutcome runStreamCoding(Platform& platform, OperationsState& state, const std::string& keyPath, File& input,
                               File& output);

// Decodes the coded stream of `input` into `output` with the decoding half of the key file at
// `keyPath`. What is decoded is written as it comes and cannot be taken back: damage found at the end
// of the stream is reported after the bytes before it were written.
CommandOutcome runStreamDecoding(Platform& platform, OperationsState& state, const std::string& keyPath, File& input,
                                 File& output);

enum class KeyFileMaking { alreadyThere, made, failed };

// Makes a new key file at `keyPath` unless something has that name: whole and on the disk before it
// takes the name, readable by its owner alone, and never in place of a file that another run made
// meanwhile (that one is then the key). A failure is told.
KeyFileMaking makeKeyFileIfMissing(Platform& platform, OperationsState& state, const std::string& keyPath);

}  // namespace votrana
