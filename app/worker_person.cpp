#include "worker_person.h"

#include "file_names.h"

namespace votrana {

void WorkerPerson::showMessage(const Message& message)
{
    worker_.callOnWindowThread([&] { windowPerson_.showMessage(message); });
}

FileDialogAnswer WorkerPerson::chooseFile(const FileDialogRequest& request)
{
    FileDialogAnswer answer;
    worker_.callOnWindowThread([&] { answer = windowPerson_.chooseFile(request); });
    worker_.setFileName(std::string(splitPath(answer.path, PathStyle::windows).name));
    return answer;
}

KeyDialogResult WorkerPerson::showKeyFileDialog(KeyFileChoice& choice)
{
    // Cancel came while the pass before the dialog was ending: the person is not asked any more.
    if (worker_.stopRequested()) {
        return KeyDialogResult::cancelled;
    }
    KeyDialogResult result = KeyDialogResult::notShown;
    worker_.callOnWindowThread([&] { result = windowPerson_.showKeyFileDialog(choice); });
    return result;
}

void WorkerPerson::repaintButton(CommandButton button)
{
    worker_.callOnWindowThread([&] { windowPerson_.repaintButton(button); });
}

}  // namespace votrana
