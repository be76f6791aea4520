// The two dialogs of the commands as the driver works them: the system's open-file dialog and the
// program's key-file dialog.
#pragma once

#include "resource_ids.h"

#include <windows.h>

#include <string>

namespace guitest {

// The open-file dialog (Wine's explorer-style dialog: the file-name field is a ComboBoxEx32 with id
// cmb13, 0x47C, holding an Edit; the file-type list is cmb1, 0x470).
namespace openFileDialog {

std::wstring fileTypeText(HWND dialog);
// Puts the path into the file-name field and presses Open; true when the dialog then goes.
bool choose(HWND dialog, const std::wstring& path);
bool cancel(HWND dialog);
// Moves the dialog (or any window) off the screen but for its top-left corner, away from the main window.
void moveAway(HWND dialog);

}  // namespace openFileDialog

// The key-file dialog.
namespace keyDialog {

struct State {
    bool applicationKeyMarked = false;
    bool userKeyMarked = false;
    bool fieldEnabled = false;
    bool browseEnabled = false;
    std::wstring field;

    bool operator==(const State&) const = default;
};
State read(HWND dialog);
std::string describe(const State& state);

// Marks a radio button and waits until the dialog shows it.
bool markApplicationKey(HWND dialog);
bool markUserKey(HWND dialog);
// Clicks into the field, empties it and types the text; true when the field then holds it.
bool typeIntoField(HWND dialog, const std::wstring& text);
// OK, Cancel or the close box; true when the dialog then goes.
bool pressOk(HWND dialog);
bool pressCancel(HWND dialog);
bool closeWithCloseBox(HWND dialog);

}  // namespace keyDialog

}  // namespace guitest
