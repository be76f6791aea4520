#include "file_choice.h"

namespace votrana {

std::optional<std::string> askForFile(Person& person, Notifier& notifier, const FileDialogRequest& request,
                                      CommandButton button)
{
    FileDialogAnswer answer = person.chooseFile(request);
    if (answer.outcome == FileDialogAnswer::Outcome::failed) {
        notifier.error(openFileErrorText(notifier.texts(), answer.errorCode));
        return std::nullopt;
    }
    person.repaintButton(button);
    if (answer.outcome == FileDialogAnswer::Outcome::cancelled) {
        return std::nullopt;
    }
    return std::move(answer.path);
}

}  // namespace votrana
