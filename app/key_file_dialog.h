// The key-file dialog: the application's key file or one that the user names, typed or browsed for.
// It records the choice in a KeyFileChoice as the user makes it and opens no key file itself.
#pragma once

#include "key_file_choice.h"
#include "platform.h"

#include <windows.h>

namespace votrana {

struct KeyFileDialogSetup {
    HINSTANCE instance = nullptr;  // holds the templates CODE_KEY_DLG and CODE_KEY_DLG_J
    HWND owner = nullptr;          // the main window, also the owner of the Browse dialog
    bool japaneseUi = false;
};

// Runs the dialog modally; notShown when it cannot be created (the caller reports that).
KeyDialogResult runKeyFileDialog(const KeyFileDialogSetup& setup, KeyFileChoice& choice);

}  // namespace votrana
