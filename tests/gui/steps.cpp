#include "steps.h"

#include "dialogs.h"
#include "file_names.h"
#include "input.h"
#include "report.h"
#include "script.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

std::unique_ptr<Program> startProgram(const Context& context, std::string_view step)
{
    // The mouse waits in a corner, away from the window and its labels.
    moveMouse(POINT{0, GetSystemMetrics(SM_CYSCREEN) - 1});
    std::unique_ptr<Program> program = Program::start(context.program, context.appFolder);
    if (!program) {
        report().check(false, cat(step, ": the program starts and shows its main window"));
    }
    return program;
}

bool endProgram(std::unique_ptr<Program>& program)
{
    if (!program) {
        return false;
    }
    // Whatever a failed check left open goes first.
    for (HWND dialog : dialogsOf(program->id())) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
    const std::optional<DWORD> code = program->exitWithButton();
    program.reset();
    return code == 0U;
}

HWND expectOpenFileDialog(Program& program, std::string_view step, std::string_view title, std::string_view fileType,
                          HWND other)
{
    HWND dialog = waitForDialog(program.id(), {}, windowWaitMs, other);
    std::string detail = "no dialog showed";
    bool ok = false;
    if (dialog != nullptr) {
        const std::wstring shownTitle = windowText(dialog);
        const std::wstring shownType = openFileDialog::fileTypeText(dialog);
        const bool owned = ownerOf(dialog) == program.main();
        ok = shownTitle == wide(title) && shownType == wide(fileType) && owned;
        detail = cat("title '", printable(shownTitle), "', file type '", printable(shownType), "', ",
                     owned ? "owned by the main window" : "not owned by the main window");
    }
    report().check(ok, cat(step, ": the open-file dialog \"", title, "\" shows, file type \"", fileType, "\""), detail);
    // A message box instead of the dialog is left to the caller's later checks.
    return dialog != nullptr && GetDlgItem(dialog, IDOK) != nullptr && GetDlgItem(dialog, 0x47C) != nullptr ? dialog
                                                                                                            : nullptr;
}

HWND expectKeyDialog(const Context& context, Program& program, std::string_view step)
{
    HWND dialog = waitForDialog(program.id());
    const std::wstring title = dialog != nullptr ? windowText(dialog) : L"";
    const bool isKeyDialog = dialog != nullptr && title == wide(context.texts->keyDialogTitle);
    const bool owned = isKeyDialog && ownerOf(dialog) == program.main();
    report().check(isKeyDialog && owned, cat(step, ": the key-file dialog shows, owned by the main window"),
                   dialog != nullptr ? cat("title '", printable(title), "'") : "no dialog showed");
    return isKeyDialog ? dialog : nullptr;
}

ExpectedMessage errorMessage(const Context& context, std::string_view text)
{
    return {context.texts->errorCaption, std::string(text), BoxIcon::error};
}

ExpectedMessage warningMessage(const Context& context, std::string_view text)
{
    return {context.texts->warningCaption, std::string(text), BoxIcon::warning};
}

ExpectedMessage informationMessage(const Context& context, std::string text)
{
    return {context.texts->informationCaption, std::move(text), BoxIcon::information};
}

bool expectMessage(Program& program, std::string_view step, const ExpectedMessage& expected,
                   std::string_view screenshotName)
{
    HWND box = waitForDialog(program.id());
    if (box == nullptr) {
        return report().check(false, cat(step, ": message \"", printable(expected.text), "\""),
                              "no message box showed");
    }
    // The icon is drawn a moment after the box shows.
    Sleep(100);
    const MessageBoxContent shown = readMessageBox(box);
    const bool owned = shown.owner == program.main();
    const bool ok = shown.caption == wide(expected.caption) && shown.text == wide(expected.text) &&
                    shown.icon == expected.icon && owned;
    std::string detail = cat("caption '", printable(shown.caption), "', ", iconName(shown.icon), ", ",
                             owned ? "owned by the main window" : "NOT owned by the main window");
    if (shown.text != wide(expected.text)) {
        detail += cat(", text shown '", printable(shown.text), "'");
    }
    report().check(ok,
                   cat(step, ": message \"", printable(expected.text), "\" (", expected.caption, ", ",
                       iconName(expected.icon), ")"),
                   detail);
    if (!screenshotName.empty()) {
        screenshot(screenshotName);
    }
    if (!dismissMessageBox(box)) {
        report().note(cat(step, ": the message box did not go with OK"));
    }
    return ok;
}

bool expectNoMessage(Program& program, std::string_view step, int ms)
{
    std::string detail;
    const bool none = noDialogDuring(program.id(), ms);
    if (!none) {
        const std::vector<HWND> dialogs = dialogsOf(program.id());
        if (!dialogs.empty()) {
            const MessageBoxContent shown = readMessageBox(dialogs.front());
            detail = cat("shown: '", printable(shown.caption), "' '", printable(shown.text), "'");
            dismissMessageBox(dialogs.front());
        }
    }
    return report().check(none, cat(step, ": no message and no dialog"), detail);
}

bool answerKeyDialog(const Context& context, Program& program, HWND dialog, const KeyChoice& choice,
                     std::string_view step)
{
    if (dialog == nullptr) {
        return false;
    }
    switch (choice.way) {
    case KeyChoice::Way::applicationKey:
        if (!keyDialog::markApplicationKey(dialog)) {
            return report().check(false, cat(step, ": the application's key is marked"));
        }
        break;
    case KeyChoice::Way::typed:
        if (!keyDialog::markUserKey(dialog) || !keyDialog::typeIntoField(dialog, choice.path)) {
            return report().check(false, cat(step, ": the user's key is marked and its path typed"),
                                  keyDialog::describe(keyDialog::read(dialog)));
        }
        break;
    case KeyChoice::Way::browsed: {
        if (!keyDialog::markUserKey(dialog)) {
            return report().check(false, cat(step, ": the user's key is marked"));
        }
        postClick(dialog, IDC_BROWSE_BUTTON);
        HWND browse = expectOpenFileDialog(program, cat(step, " (Browse)"), context.texts->browseKeyTitle,
                                           context.texts->keyFilesFilter, dialog);
        if (browse == nullptr || !openFileDialog::choose(browse, choice.path)) {
            return report().check(false, cat(step, ": a key file is chosen with Browse"));
        }
        const bool inField = waitUntil([&] { return keyDialog::read(dialog).field == choice.path; }, 3000);
        report().check(inField, cat(step, ": Browse puts the chosen key file into the field"),
                       keyDialog::describe(keyDialog::read(dialog)));
        break;
    }
    case KeyChoice::Way::unchanged:
        break;
    }
    if (!keyDialog::pressOk(dialog)) {
        return report().check(false, cat(step, ": OK ends the key-file dialog"));
    }
    return true;
}

bool chooseFileToCode(const Context& context, Program& program, std::string_view step, const std::wstring& file)
{
    program.click(coding);
    HWND dialog = expectOpenFileDialog(program, step, context.texts->codeFileTitle, context.texts->allFilesFilter);
    return dialog != nullptr && openFileDialog::choose(dialog, file);
}

bool chooseFileToDecode(const Context& context, Program& program, std::string_view step, const std::wstring& file)
{
    program.click(decoding);
    HWND dialog = expectOpenFileDialog(program, step, context.texts->decodeFileTitle, context.texts->codedFilesFilter);
    return dialog != nullptr && openFileDialog::choose(dialog, file);
}

bool runCoding(const Context& context, Program& program, std::string_view step, const std::wstring& file,
               const KeyChoice& choice)
{
    if (!chooseFileToCode(context, program, step, file)) {
        return false;
    }
    return answerKeyDialog(context, program, expectKeyDialog(context, program, step), choice, step);
}

bool runDecoding(const Context& context, Program& program, std::string_view step, const std::wstring& file,
                 const KeyChoice& choice)
{
    if (!chooseFileToDecode(context, program, step, file)) {
        return false;
    }
    return answerKeyDialog(context, program, expectKeyDialog(context, program, step), choice, step);
}

std::wstring codedNameOf(const std::wstring& source)
{
    return wide(votrana::codedFilePathFor(utf8(source), votrana::PathStyle::windows));
}

std::wstring keyNameOf(const std::wstring& coded)
{
    return wide(votrana::defaultKeyPathFor(utf8(coded), votrana::PathStyle::windows));
}

}  // namespace guitest
