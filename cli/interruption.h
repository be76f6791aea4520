// The signals that ask the tool to stop: SIGINT, SIGTERM and SIGHUP. The first one is noted, and the
// running command stops at its next step, removes its temporary files and puts back what it set
// aside; a second one ends the tool at once, as the signal would by itself.
#pragma once

namespace votrana {

void catchInterruptions();

// The signal that asked the tool to stop; 0 when none did.
int interruptingSignal();

}  // namespace votrana
