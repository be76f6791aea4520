// The Coding command: from the choice of a file to the report of the coded file and its key file.
#pragma once

#include "command_outcome.h"
#include "operations_state.h"
#include "platform.h"

namespace votrana {

// Codes one file that the person chooses. Every outcome but a cancel is told to the person. A Coding
// that does not end well leaves no file of its own and every earlier file as it was; the source file
// is only read.
CommandOutcome runCoding(Platform& platform, OperationsState& state);

}  // namespace votrana
