// Runs Coding or Decoding on a worker thread while the window thread goes on reading its messages, so
// that the program answers the system and repaints throughout. The main window takes no input while
// the command runs; the command's dialogs and messages come on the window thread as before, and a
// long pass shows the progress window, whose Cancel stops the command as a refusal would.
#pragma once

#include "application.h"
#include "command_outcome.h"

#include <functional>

namespace votrana {

using CommandRun = std::function<CommandOutcome(Platform& platform, OperationsState& state)>;

CommandOutcome runInBackground(Application& app, const CommandRun& command);

}  // namespace votrana
