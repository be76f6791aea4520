#include "key_file_dialog.h"

#include "open_file_dialog.h"
#include "resource_ids.h"
#include "texts.h"
#include "utf16.h"

#include <string>

namespace votrana {

namespace {

// Typing into the field stops here; a browsed path may be longer.
constexpr WPARAM typedKeyPathLimit = 256;

struct KeyFileDialog {
    const KeyFileDialogSetup& setup;
    KeyFileChoice& choice;
    const Texts& texts;
    HWND window = nullptr;
    bool browsing = false;
    // notShown until a button or the close box ends the dialog.
    KeyDialogResult result = KeyDialogResult::notShown;
};

KeyFileDialog* dialogOf(HWND window)
{
    return reinterpret_cast<KeyFileDialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

HWND field(const KeyFileDialog& dialog)
{
    return GetDlgItem(dialog.window, IDC_KEY_FILE_EDIT);
}

HWND browseButton(const KeyFileDialog& dialog)
{
    return GetDlgItem(dialog.window, IDC_BROWSE_BUTTON);
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct TitleSearch {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<TitleSearch*>(parameter);
    if (windowText(window) == search.title) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The Browse dialog is looked for among this program's own windows only, so that no window of
// another program with the same title is taken for it.
HWND findBrowseDialog(const KeyFileDialog& dialog)
{
    TitleSearch search{toWide(dialog.texts.browseKeyTitle)};
    EnumThreadWindows(GetCurrentThreadId(), matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void closeBrowseDialog(const KeyFileDialog& dialog)
{
    if (const HWND browse = findBrowseDialog(dialog)) {
        SendMessageW(browse, WM_CLOSE, 0, 0);
    }
}

void endDialog(KeyFileDialog& dialog, KeyDialogResult result, INT_PTR code)
{
    closeBrowseDialog(dialog);
    dialog.result = result;
    EndDialog(dialog.window, code);
}

void browseKeyFile(KeyFileDialog& dialog)
{
    // A second click on Browse while its dialog is open brings that dialog back rather than
    // opening another one inside it.
    if (dialog.browsing) {
        if (const HWND browse = findBrowseDialog(dialog)) {
            SetForegroundWindow(browse);
        }
        return;
    }
    const Texts& texts = dialog.texts;
    dialog.browsing = true;
    const FileDialogAnswer answer =
        askForFile(dialog.setup.owner, {texts.browseKeyTitle, texts.keyFilesFilter, texts.keyFilesPattern});
    dialog.browsing = false;
    if (answer.outcome == FileDialogAnswer::Outcome::chosen && dialog.choice.useUserKey) {
        dialog.choice.keyFilePath = answer.path;
        SetWindowTextW(field(dialog), toWide(answer.path).c_str());
    } else if (answer.outcome == FileDialogAnswer::Outcome::failed) {
        MessageBoxW(dialog.setup.owner, toWide(openFileErrorText(texts, answer.errorCode)).c_str(),
                    toWide(texts.errorCaption).c_str(), MB_OK | MB_ICONERROR);
    }
    if (dialog.result != KeyDialogResult::notShown) {
        return;
    }
    // The open-file dialog enables its owner when it closes; while the key-file dialog is open the
    // main window must stay disabled, or a second command could start inside this one.
    EnableWindow(dialog.setup.owner, FALSE);
    SetForegroundWindow(dialog.window);
}

void chooseApplicationKey(KeyFileDialog& dialog)
{
    CheckRadioButton(dialog.window, IDC_APP_KEY_RADIO, IDC_USER_KEY_RADIO, IDC_APP_KEY_RADIO);
    dialog.choice.useUserKey = false;
    if (IsWindowEnabled(field(dialog))) {
        SetWindowTextW(field(dialog), L"");
        dialog.choice.keyFilePath.clear();
        EnableWindow(field(dialog), FALSE);
    }
    if (IsWindowEnabled(browseButton(dialog))) {
        EnableWindow(browseButton(dialog), FALSE);
    }
}

void chooseUserKey(KeyFileDialog& dialog)
{
    CheckRadioButton(dialog.window, IDC_APP_KEY_RADIO, IDC_USER_KEY_RADIO, IDC_USER_KEY_RADIO);
    dialog.choice.useUserKey = true;
    if (!IsWindowEnabled(field(dialog))) {
        EnableWindow(field(dialog), TRUE);
        SetWindowTextW(field(dialog), toWide(dialog.choice.keyFilePath).c_str());
    }
    if (!IsWindowEnabled(browseButton(dialog))) {
        EnableWindow(browseButton(dialog), TRUE);
    }
}

INT_PTR onInitDialog(HWND window, LPARAM parameter)
{
    SetWindowLongPtrW(window, DWLP_USER, parameter);
    KeyFileDialog& dialog = *reinterpret_cast<KeyFileDialog*>(parameter);
    dialog.window = window;
    const bool useUserKey = dialog.choice.useUserKey;
    SetWindowTextW(field(dialog), useUserKey ? toWide(dialog.choice.keyFilePath).c_str() : L"");
    SendMessageW(field(dialog), EM_LIMITTEXT, typedKeyPathLimit, 0);
    EnableWindow(field(dialog), useUserKey);
    EnableWindow(browseButton(dialog), useUserKey);
    CheckRadioButton(window, IDC_APP_KEY_RADIO, IDC_USER_KEY_RADIO,
                     useUserKey ? IDC_USER_KEY_RADIO : IDC_APP_KEY_RADIO);
    return TRUE;
}

INT_PTR onCommand(HWND window, WPARAM wParam)
{
    KeyFileDialog* dialog = dialogOf(window);
    if (dialog == nullptr) {
        return TRUE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        endDialog(*dialog, KeyDialogResult::ok, IDOK);
        break;
    case IDCANCEL:
        endDialog(*dialog, KeyDialogResult::cancelled, IDCANCEL);
        break;
    case IDC_KEY_FILE_EDIT:
        dialog->choice.keyFilePath = toUtf8(windowText(field(*dialog)));
        break;
    case IDC_APP_KEY_RADIO:
        chooseApplicationKey(*dialog);
        break;
    case IDC_USER_KEY_RADIO:
        chooseUserKey(*dialog);
        break;
    case IDC_BROWSE_BUTTON:
        browseKeyFile(*dialog);
        break;
    default:
        break;
    }
    return TRUE;
}

INT_PTR onClose(HWND window)
{
    if (KeyFileDialog* dialog = dialogOf(window)) {
        endDialog(*dialog, KeyDialogResult::cancelled, 0);
    }
    return TRUE;
}

INT_PTR CALLBACK keyFileDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(window, lParam);
    case WM_COMMAND:
        return onCommand(window, wParam);
    case WM_CLOSE:
        return onClose(window);
    default:
        return FALSE;
    }
}

}  // namespace

KeyDialogResult runKeyFileDialog(const KeyFileDialogSetup& setup, KeyFileChoice& choice)
{
    KeyFileDialog dialog{setup, choice, textsFor(setup.japaneseUi)};
    const wchar_t* const templateName =
        setup.japaneseUi ? VOTRANA_WIDE(CODE_KEY_DLG_J_NAME) : VOTRANA_WIDE(CODE_KEY_DLG_NAME);
    const INT_PTR result = DialogBoxParamW(setup.instance, templateName, setup.owner, keyFileDialogProc,
                                           reinterpret_cast<LPARAM>(&dialog));
    if (result == -1) {
        return KeyDialogResult::notShown;
    }
    // Ended by the system rather than by a button, as when its owner went away: as if cancelled.
    if (dialog.result == KeyDialogResult::notShown) {
        return KeyDialogResult::cancelled;
    }
    return dialog.result;
}

}  // namespace votrana
