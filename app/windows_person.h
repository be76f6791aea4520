// The person side of the seam in the window program: message boxes owned by the main window, the
// system's open-file dialog, the key-file dialog, the repaint of a button's area and the cursor.
#pragma once

#include "operations_state.h"
#include "platform.h"

#include <windows.h>

namespace votrana {

class WindowsPerson final : public Person {
public:
    // The dialogs speak the language of the commands' state.
    explicit WindowsPerson(const OperationsState& state) : state_(state) {}

    // Set once the main window exists.
    void attach(HINSTANCE instance, HWND mainWindow)
    {
        instance_ = instance;
        owner_ = mainWindow;
    }

    void showMessage(const Message& message) override;
    FileDialogAnswer chooseFile(const FileDialogRequest& request) override;
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override;
    void repaintButton(CommandButton button) override;
    void setCursor(Cursor cursor) override;
    // The commands run on a worker thread, whose person (worker_person.h) shows their progress and
    // takes the person's Cancel; on the window thread there is no pass to show or stop.
    void showProgress(WorkStage, std::uint64_t, std::uint64_t) override {}
    bool stopRequested() override { return false; }

private:
    const OperationsState& state_;
    HINSTANCE instance_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace votrana
