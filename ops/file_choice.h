// The open-file dialog at the start of a command.
#pragma once

#include "notifier.h"
#include "platform.h"

#include <optional>
#include <string>

namespace votrana {

// The chosen path; nullopt when the dialog was cancelled or failed (which is reported). The button's
// area is repainted after the dialog unless the dialog failed.
std::optional<std::string> askForFile(Person& person, Notifier& notifier, const FileDialogRequest& request,
                                      CommandButton button);

}  // namespace votrana
