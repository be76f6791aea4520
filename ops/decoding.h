// The Decoding command: from the choice of a coded file to the report of the decoded file.
#pragma once

#include "operations_state.h"
#include "platform.h"

namespace votrana {

// Decodes one coded file that the person chooses. Every outcome is told to the person; a cancelled
// dialog ends the command silently. Whatever the outcome, the coded file is afterwards under its name
// and unchanged, and a failed Decoding leaves no file of its own.
void runDecoding(Platform& platform, OperationsState& state);

}  // namespace votrana
