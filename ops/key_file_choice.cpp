#include "key_file_choice.h"

namespace votrana {

bool askForKeyFile(Person& person, KeyFileChoice& choice, Notifier& notifier)
{
    choice.keyDialogResult = KeyDialogResult::notShown;
    choice.keyDialogResult = person.showKeyFileDialog(choice);
    if (choice.keyDialogResult == KeyDialogResult::notShown) {
        notifier.systemError(notifier.texts().dialogNotShown);
    }
    return choice.keyDialogResult == KeyDialogResult::ok;
}

}  // namespace votrana
