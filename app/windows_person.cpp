#include "windows_person.h"

#include "icon_bar_layout.h"
#include "key_file_dialog.h"
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
    const HWND owner = message.systemModal ? nullptr : owner_;
    const UINT style = MB_OK | iconStyle(message.icon) | (message.systemModal ? MB_SYSTEMMODAL : 0);
    MessageBoxW(owner, toWide(message.text).c_str(), toWide(message.caption).c_str(), style);
}

FileDialogAnswer WindowsPerson::chooseFile(const FileDialogRequest& request)
{
    return askForFile(owner_, request);
}

KeyDialogResult WindowsPerson::showKeyFileDialog(KeyFileChoice& choice)
{
    return runKeyFileDialog({instance_, owner_, state_.japaneseUi}, choice);
}

void WindowsPerson::repaintButton(CommandButton button)
{
    // Where the open-file dialog may have covered the button; Coding is the bar's first, Decoding its second.
    const BarArea area = buttonRepaintArea(button == CommandButton::coding ? 0 : 1);
    RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(owner_, &rect, TRUE);
    UpdateWindow(owner_);
}

void WindowsPerson::setCursor(Cursor cursor)
{
    SetCursor(LoadCursorW(nullptr, cursor == Cursor::wait ? IDC_WAIT : IDC_ARROW));
}

}  // namespace votrana
