// The signals that ask the tool to stop: SIGINT, SIGTERM and SIGHUP. The first one is noted, and the
// running command stops at its next step, removes its temporary files and puts back what it set
// aside; a second one ends the tool at once, as the signal would by itself.
#pragma once

namespace votrana {

// The signals interrupt a wait for standard input or output rather than let it go on, so that a run
// on a pipe stops even when nothing comes through it.
void catchInterruptions();

// The signal that asked the tool to stop; 0 when none did.
int interruptingSignal();

// While one lives, a write to a pipe that nobody reads any more ends the tool by SIGPIPE, as it ends
// any filter. For the runs that write coded or decoded bytes to standard output, with no file of the
// tool's own open; otherwise such a write is a failure that the exit status tells.
class BrokenPipeEndsTool {
public:
    BrokenPipeEndsTool();
    ~BrokenPipeEndsTool();
    BrokenPipeEndsTool(const BrokenPipeEndsTool&) = delete;
    BrokenPipeEndsTool& operator=(const BrokenPipeEndsTool&) = delete;
};

}  // namespace votrana
