#include "interruption.h"

#include <csignal>
#include <initializer_list>

#include <signal.h>

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
    struct sigaction action {};
    action.sa_handler = noteInterruption;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read or write that waits on a pipe or a terminal ends with EINTR.
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
    // A report to a closed pipe is then a failed write, told by the exit status, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
}

int interruptingSignal()
{
    return caughtSignal;
}

BrokenPipeEndsTool::BrokenPipeEndsTool()
{
    std::signal(SIGPIPE, SIG_DFL);
}

BrokenPipeEndsTool::~BrokenPipeEndsTool()
{
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace votrana
