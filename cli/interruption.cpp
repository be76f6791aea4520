#include "interruption.h"

#include <csignal>
#include <initializer_list>

namespace votrana {

namespace {

// A signal handler can reach nothing but a flag of this kind.
volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void noteInterruption(int signal)
{
    if (caughtSignal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    caughtSignal = signal;
}

}  // namespace

void catchInterruptions()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signal, noteInterruption);
    }
    // A report to a closed pipe is then a failed write, told by the exit status, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
}

int interruptingSignal()
{
    return caughtSignal;
}

}  // namespace votrana
