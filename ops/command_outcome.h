// How a command ended, for its caller: the tool's exit status, the tests.
#pragma once

namespace votrana {

enum class CommandOutcome {
    done,       // the report of success was shown
    cancelled,  // the person closed a dialog or asked for a stop; nothing was shown
    refused,    // a check said no before any work; the person was told why
    failed,     // the work went wrong; the person was told, and the files are as they were
};

}  // namespace votrana
