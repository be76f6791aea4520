#include "about_help.h"

#include "app_texts.h"
#include "resource_ids.h"
#include "utf16.h"

#include <shellapi.h>

namespace votrana {

namespace {

INT_PTR onCommand(HWND dialog, WPARAM wParam)
{
    // Esc sends IDCANCEL, and the box stays: only OK, Enter and the close box end it.
    if (LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 1);
    }
    return TRUE;
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        return onCommand(dialog, wParam);
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void showError(const Application& app, std::string_view text)
{
    MessageBoxW(app.mainWindow, toWide(text).c_str(), toWide(app.texts.titles->errorCaption).c_str(),
                MB_OK | MB_ICONERROR);
}

bool fileFound(const std::string& path)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = path.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW(fileApiPath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

}  // namespace

void showAboutDialog(const Application& app)
{
    const bool japaneseUi = app.facts.japaneseUi;
    const wchar_t* const templateName = japaneseUi ? VOTRANA_WIDE(ABOUT_DLG_J_NAME) : VOTRANA_WIDE(ABOUT_DLG_NAME);
    if (DialogBoxParamW(app.appInstance, templateName, app.mainWindow, aboutDialogProc, 0) == -1) {
        MessageBoxW(nullptr, toWide(appTextsFor(japaneseUi).aboutNotShown).c_str(),
                    toWide(app.texts.titles->systemErrorCaption).c_str(), MB_OK | MB_SYSTEMMODAL | MB_ICONERROR);
    }
}

void openHelpFile(const Application& app)
{
    const AppTexts& texts = appTextsFor(app.facts.japaneseUi);
    const std::string& path = app.texts.helpFilePath;
    if (!fileFound(path)) {
        showError(app, texts.readmeMissing);
        return;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(app.mainWindow, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        showError(app, texts.readmeNotOpened);
    }
}

}  // namespace votrana
