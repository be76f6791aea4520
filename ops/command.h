// What the Coding and Decoding commands have in common: the person and the machine they work with,
// the state kept between commands, the texts of the UI language, the steps both take (choosing the
// file, asking for the key file, loading a key) and how the command has ended so far.
#pragma once

#include "command_outcome.h"
#include "key_table.h"
#include "notifier.h"
#include "operations_state.h"
#include "platform.h"
#include "texts.h"

#include <optional>
#include <string>
#include <string_view>

namespace votrana {

class Command {
public:
    Command(Platform& platform, OperationsState& state);

protected:
    // The file chosen in the open-file dialog; nullopt when it was cancelled or failed (then told).
    // The button's area is repainted after the dialog unless the dialog failed.
    std::optional<std::string> chooseFile(const FileDialogRequest& request, CommandButton button);
    // Shows the key-file dialog, which records the choice in the state; true when it ended with OK.
    bool askForKeyFile();
    // Loads the half for `direction` of the key file at `path`, which must exist; `notFound` is what
    // the person is told when it does not.
    bool loadKey(const std::string& path, KeyDirection direction, std::string_view notFound);

    // Tell the person why the command ends, note how it ended, and give false.
    bool refuse(std::string_view text);
    bool refuseWithWarning(std::string_view text);
    bool fail(std::string_view text);
    // For a failure that a step below has told already.
    bool failed();

    Person& person_;
    Machine& machine_;
    OperationsState& state_;
    Notifier notifier_;
    const Texts& texts_;
    const PathStyle style_;
    CommandOutcome outcome_ = CommandOutcome::cancelled;
};

}  // namespace votrana
