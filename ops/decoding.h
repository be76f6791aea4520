// The Decoding command: from the choice of a coded file to the report of the decoded file.
#pragma once

#include "command_outcome.h"
#include "operations_state.h"
#include "platform.h"

namespace votrana {

// Decodes one coded file that the person chooses. Every outcome but a cancel is told to the person.
// The coded file and the key file are only read; a Decoding that does not end well leaves no file of
// its own and a file of the decoded name as it was.
CommandOutcome runDecoding(Platform& platform, OperationsState& state);

}  // namespace votrana
