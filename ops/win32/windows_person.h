// The person side of the seam in the window program: message boxes owned by the main window, the
// system's open-file dialog, the key-file dialog, the repaint of a button's area and the cursor.
#pragma once

#include "key_file_dialog.h"
#include "platform.h"

#include <windows.h>

namespace votrana {

class WindowsPerson final : public Person {
public:
    // Set once the main window exists and the language is known.
    void attach(HINSTANCE instance, HWND mainWindow, bool japaneseUi)
    {
        setup_ = KeyFileDialogSetup{instance, mainWindow, japaneseUi};
    }

    void showMessage(const Message& message) override;
    FileDialogAnswer chooseFile(const FileDialogRequest& request) override;
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override;
    void repaintButton(CommandButton button) override;
    void setCursor(Cursor cursor) override;
    // The window program shows the hourglass instead.
    void showProgress(WorkStage, std::uint64_t, std::uint64_t) override {}
    bool stopRequested() override { return false; }

private:
    KeyFileDialogSetup setup_;
};

}  // namespace votrana
