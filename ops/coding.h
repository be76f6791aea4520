// The Coding command: from the choice of a file to the report of the coded file and its key file.
#pragma once

#include "operations_state.h"
#include "platform.h"

namespace votrana {

// Codes one file that the person chooses. Every outcome is told to the person; a cancelled dialog
// ends the command silently. A failed Coding leaves no file of its own and never a coded file beside
// a key file that does not decode it; the source file is only read.
void runCoding(Platform& platform, OperationsState& state);

}  // namespace votrana
