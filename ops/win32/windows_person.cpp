#include "windows_person.h"

#include "open_file_dialog.h"
#include "utf16.h"

namespace votrana {

namespace {

UINT iconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::warning:
        return MB_ICONWARNING;
    case MessageIcon::information:
        return MB_ICONINFORMATION;
    case MessageIcon::error:
        break;
    }
    return MB_ICONERROR;
}

}  // namespace

void WindowsPerson::showMessage(const Message& message)
{
    // The report that a dialog could not be shown stands alone, above every window.
    const HWND owner = message.systemModal ? nullptr : setup_.owner;
    const UINT style = MB_OK | iconStyle(message.icon) | (message.systemModal ? MB_SYSTEMMODAL : 0);
    MessageBoxW(owner, toWide(message.text).c_str(), toWide(message.caption).c_str(), style);
}

FileDialogAnswer WindowsPerson::chooseFile(const FileDialogRequest& request)
{
    return askForFile(setup_.owner, request);
}

KeyDialogResult WindowsPerson::showKeyFileDialog(KeyFileChoice& choice)
{
    return runKeyFileDialog(setup_, choice);
}

void WindowsPerson::repaintButton(CommandButton button)
{
    // The area of the button in the main window, where the open-file dialog may have covered it.
    RECT area = button == CommandButton::coding ? RECT{15, 0, 47, 20} : RECT{47, 0, 79, 20};
    InvalidateRect(setup_.owner, &area, TRUE);
    UpdateWindow(setup_.owner);
}

void WindowsPerson::setCursor(Cursor cursor)
{
    SetCursor(LoadCursorW(nullptr, cursor == Cursor::wait ? IDC_WAIT : IDC_ARROW));
}

}  // namespace votrana
