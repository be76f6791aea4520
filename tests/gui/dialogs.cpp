#include "dialogs.h"

#include "input.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

namespace openFileDialog {

namespace {

constexpr int fileNameId = 0x47C;
constexpr int fileTypeId = 0x470;

HWND fileNameEdit(HWND dialog)
{
    HWND field = GetDlgItem(dialog, fileNameId);
    if (field == nullptr) {
        return nullptr;
    }
    if (HWND combo = FindWindowExW(field, nullptr, L"ComboBox", nullptr)) {
        field = combo;
    }
    if (HWND edit = FindWindowExW(field, nullptr, L"Edit", nullptr)) {
        return edit;
    }
    return field;
}

}  // namespace

std::wstring fileTypeText(HWND dialog)
{
    return windowText(GetDlgItem(dialog, fileTypeId));
}

bool choose(HWND dialog, const std::wstring& path)
{
    HWND field = fileNameEdit(dialog);
    if (field == nullptr) {
        return false;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 3000, &result);
    if (windowText(field) != path) {
        return false;
    }
    postClick(dialog, IDOK);
    return waitGone(dialog);
}

bool cancel(HWND dialog)
{
    postClick(dialog, IDCANCEL);
    return waitGone(dialog);
}

void moveAway(HWND dialog)
{
    // All but a corner off the screen: the main window lies in the middle of it.
    const int x = GetSystemMetrics(SM_CXSCREEN) - 40;
    const int y = GetSystemMetrics(SM_CYSCREEN) - 40;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    waitUntil([&] { return windowRect(dialog).left == x; }, 2000);
}

}  // namespace openFileDialog

namespace keyDialog {

namespace {

bool marked(HWND dialog, int id)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state);
    return state == BST_CHECKED;
}

}  // namespace

State read(HWND dialog)
{
    State state;
    state.applicationKeyMarked = marked(dialog, IDC_APP_KEY_RADIO);
    state.userKeyMarked = marked(dialog, IDC_USER_KEY_RADIO);
    state.fieldEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_KEY_FILE_EDIT)) != 0;
    state.browseEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BROWSE_BUTTON)) != 0;
    state.field = windowText(GetDlgItem(dialog, IDC_KEY_FILE_EDIT));
    return state;
}

std::string describe(const State& state)
{
    return cat(state.applicationKeyMarked ? "113 marked" : "113 not marked", ", ",
               state.userKeyMarked ? "114 marked" : "114 not marked", ", field ",
               state.fieldEnabled ? "enabled" : "disabled", " '", printable(state.field), "', Browse ",
               state.browseEnabled ? "enabled" : "disabled");
}

bool markApplicationKey(HWND dialog)
{
    postClick(dialog, IDC_APP_KEY_RADIO);
    return waitUntil(
        [&] {
            const State state = read(dialog);
            return state.applicationKeyMarked && !state.userKeyMarked && !state.fieldEnabled;
        },
        3000);
}

bool markUserKey(HWND dialog)
{
    postClick(dialog, IDC_USER_KEY_RADIO);
    return waitUntil(
        [&] {
            const State state = read(dialog);
            return state.userKeyMarked && !state.applicationKeyMarked && state.fieldEnabled;
        },
        3000);
}

bool typeIntoField(HWND dialog, const std::wstring& text)
{
    HWND field = GetDlgItem(dialog, IDC_KEY_FILE_EDIT);
    // The dialog moves the focus into the field (as the Tab key would); a click could reach the field as
    // the second half of a double click, which leaves the focus where it was.
    SetForegroundWindow(dialog);
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    waitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && info.hwndFocus == field;
        },
        2000);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(field, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 3000, &result);
    pressKey(VK_DELETE);
    typeText(text);
    return waitUntil([&] { return windowText(field) == text; }, 3000);
}

bool pressOk(HWND dialog)
{
    postClick(dialog, IDOK);
    return waitGone(dialog);
}

bool pressCancel(HWND dialog)
{
    postClick(dialog, IDCANCEL);
    return waitGone(dialog);
}

bool closeWithCloseBox(HWND dialog)
{
    return clickCloseBox(dialog) && waitGone(dialog);
}

}  // namespace keyDialog

}  // namespace guitest
