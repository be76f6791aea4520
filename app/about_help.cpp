#include "about_help.h"

#include "app_texts.h"
#include "program_files.h"
#include "resource_ids.h"
#include "texts.h"
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

void showError(Application& app, std::string_view text)
{
    const Texts& texts = textsFor(app.operations.japaneseUi);
    app.person.showMessage({std::string(text), std::string(texts.errorCaption), MessageIcon::error});
}

}  // namespace

void showAboutDialog(Application& app)
{
    const bool japaneseUi = app.operations.japaneseUi;
    const wchar_t* const templateName = japaneseUi ? VOTRANA_WIDE(ABOUT_DLG_J_NAME) : VOTRANA_WIDE(ABOUT_DLG_NAME);
    if (DialogBoxParamW(app.appInstance, templateName, app.mainWindow, aboutDialogProc, 0) == -1) {
        app.person.showMessage({std::string(appTextsFor(japaneseUi).aboutNotShown),
                                std::string(textsFor(japaneseUi).systemErrorCaption), MessageIcon::error, true});
    }
}

void openHelpFile(Application& app)
{
    const bool japaneseUi = app.operations.japaneseUi;
    const AppTexts& texts = appTextsFor(japaneseUi);
    const std::string path = readmePathFor(app.operations.programPath, japaneseUi);
    if (!app.machine.exists(path)) {
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
