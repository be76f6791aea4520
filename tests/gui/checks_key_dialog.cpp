// The key-file dialog: its first state, its texts, the radio buttons with the field and Browse, the
// user's key and its path kept for the next command, Cancel and the close box as cancel, and OK while the
// Browse dialog is open.
#include "checks.h"
#include "dialogs.h"
#include "files.h"
#include "input.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

namespace {

using keyDialog::State;

bool expectState(HWND dialog, std::string_view what, const State& wanted)
{
    State shown;
    waitUntil(
        [&] {
            shown = keyDialog::read(dialog);
            return shown == wanted;
        },
        2000);
    return report().check(shown == wanted, what, keyDialog::describe(shown));
}

void checkTexts(const Context& context, HWND dialog)
{
    const ExpectedTexts& texts = *context.texts;
    struct Control {
        int id;
        std::string_view text;
    };
    const Control controls[] = {
        {IDOK, texts.okButton},
        {IDCANCEL, texts.cancelButton},
        {IDC_BROWSE_BUTTON, texts.browseButton},
        {IDC_APP_KEY_RADIO, texts.applicationKeyRadio},
        {IDC_USER_KEY_RADIO, texts.userKeyRadio},
    };
    std::string problems;
    for (const Control& control : controls) {
        const std::wstring shown = windowText(GetDlgItem(dialog, control.id));
        if (shown != wide(control.text)) {
            problems += cat(" ", control.id, ": '", printable(shown), "';");
        }
    }
    bool label = false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        label = label ||
                (_wcsicmp(className(child).c_str(), L"Static") == 0 && windowText(child) == wide(texts.keyPathLabel));
    }
    if (!label) {
        problems += " no label with the expected text;";
    }
    report().check(problems.empty(),
                   cat("the key-file dialog's buttons and label read \"", texts.okButton, "\", \"", texts.cancelButton,
                       "\", \"", texts.browseButton, "\", \"", texts.applicationKeyRadio, "\", \"", texts.userKeyRadio,
                       "\", \"", texts.keyPathLabel, "\""),
                   problems);
}

}  // namespace

void checkKeyFileDialog(Context& context)
{
    const std::wstring folder = context.work + L"\\key-dialog";
    const std::wstring source = folder + L"\\notes.txt";
    const std::wstring coded = codedNameOf(source);
    const std::wstring userKey = context.work + L"\\keys\\user key.key";
    const Bytes plain = sampleBytes(5000, 11);
    if (!report().check(makeFolder(folder) && makeFolder(context.work + L"\\keys") && writeFile(source, plain) &&
                            writeFile(userKey, keyFileBytes(7)),
                        "a file to code and a user's key file are ready")) {
        return;
    }
    const std::set<std::wstring> untouched = folderNames(folder);
    std::unique_ptr<Program> program = startProgram(context, "key-file dialog");
    if (!program) {
        return;
    }
    const State applicationKey{true, false, false, false, L""};

    // First use: the application's key, the field and Browse disabled.
    HWND dialog = chooseFileToCode(context, *program, "first Coding", source)
                      ? expectKeyDialog(context, *program, "first Coding")
                      : nullptr;
    if (dialog != nullptr) {
        expectState(dialog, "on first use 113 is marked, the field is empty and disabled, Browse disabled",
                    applicationKey);
        checkTexts(context, dialog);
        screenshot("key-dialog-first-use");
        report().check(keyDialog::pressCancel(dialog), "Cancel ends the key-file dialog");
        expectNoMessage(*program, "Coding after Cancel");
        report().check(folderNames(folder) == untouched, "Coding after Cancel writes nothing",
                       describe(folderNames(folder)));
    }

    // 114 enables the field and Browse; 113 empties and disables the field; 114 again shows it empty.
    dialog = chooseFileToCode(context, *program, "second Coding", source)
                 ? expectKeyDialog(context, *program, "second Coding")
                 : nullptr;
    if (dialog != nullptr) {
        expectState(dialog, "after Cancel the dialog opens again with 113 marked", applicationKey);
        keyDialog::markUserKey(dialog);
        expectState(dialog, "114 marks the user's key and enables the field and Browse",
                    State{false, true, true, true, L""});
        keyDialog::typeIntoField(dialog, userKey);
        expectState(dialog, "a path typed into the field shows there", State{false, true, true, true, userKey});
        screenshot("key-dialog-user-key");
        // Typing stops at 256 characters.
        const std::wstring longPath = L"C:\\" + std::wstring(300, L'k');
        keyDialog::typeIntoField(dialog, longPath);
        const std::wstring typed = keyDialog::read(dialog).field;
        report().check(typed == longPath.substr(0, 256), "typing into the field stops at 256 characters",
                       cat(typed.size(), " characters in the field"));
        keyDialog::markApplicationKey(dialog);
        expectState(dialog, "113 empties and disables the field and disables Browse", applicationKey);
        keyDialog::markUserKey(dialog);
        expectState(dialog, "113 then 114 leaves the field empty", State{false, true, true, true, L""});
        keyDialog::typeIntoField(dialog, userKey);
        expectState(dialog, "the path typed again shows in the field", State{false, true, true, true, userKey});
        report().check(keyDialog::pressOk(dialog), "OK ends the key-file dialog");
        expectMessage(*program, "Coding with the user's key typed into the field",
                      informationMessage(context, cat(context.texts->codingDone, utf8(coded),
                                                      context.texts->keyFileLabel, utf8(userKey))));
        report().check(folderNames(folder) == std::set<std::wstring>{L"notes.txt", L"notes_txt.___"},
                       "the coded file is written, and no key file beside it", describe(folderNames(folder)));
    }

    // The user's key and its path are kept for the next command.
    DeleteFileW(source.c_str());
    dialog = chooseFileToDecode(context, *program, "Decoding next", coded)
                 ? expectKeyDialog(context, *program, "Decoding next")
                 : nullptr;
    if (dialog != nullptr) {
        expectState(dialog, "the next command's dialog opens with 114 marked and the same path",
                    State{false, true, true, true, userKey});
        keyDialog::pressOk(dialog);
        expectMessage(*program, "Decoding with the kept user's key",
                      informationMessage(context, cat(context.texts->decodingDone, utf8(source),
                                                      context.texts->keyFileLabel, utf8(userKey))));
        report().check(readFile(source) == plain, "the decoded file equals the coded one's source");
    }

    // The close box ends the dialog as Cancel does; a switch to 113 made before it is kept.
    const std::set<std::wstring> before = folderNames(folder);
    dialog = chooseFileToCode(context, *program, "Coding, closed", source)
                 ? expectKeyDialog(context, *program, "Coding, closed")
                 : nullptr;
    if (dialog != nullptr) {
        keyDialog::markApplicationKey(dialog);
        report().check(keyDialog::closeWithCloseBox(dialog), "the close box ends the key-file dialog");
        expectNoMessage(*program, "Coding after the close box");
        report().check(folderNames(folder) == before, "Coding after the close box writes nothing",
                       describe(folderNames(folder)));
    }
    // A key file chosen with Browse after a switch to 113 is dropped.
    dialog = chooseFileToCode(context, *program, "Coding, Browse after 113", source)
                 ? expectKeyDialog(context, *program, "Coding, Browse after 113")
                 : nullptr;
    if (dialog != nullptr) {
        keyDialog::markUserKey(dialog);
        postClick(dialog, IDC_BROWSE_BUTTON);
        HWND browse = expectOpenFileDialog(*program, "Browse, then 113", context.texts->browseKeyTitle,
                                           context.texts->keyFilesFilter, dialog);
        keyDialog::markApplicationKey(dialog);
        if (browse != nullptr && openFileDialog::choose(browse, userKey)) {
            expectState(dialog, "a key file chosen with Browse after a switch to 113 is dropped", applicationKey);
            // The Browse dialog gives its owner back its input when it closes; the key-file dialog is still
            // open, so the main window must take no commands.
            Sleep(200);
            report().check(!IsWindowEnabled(program->main()),
                           "after Browse the main window stays disabled while the key-file dialog is open");
        }
        report().check(keyDialog::pressCancel(dialog), "Cancel ends the key-file dialog");
        expectNoMessage(*program, "Coding, Browse after 113, cancelled");
    }
    dialog = chooseFileToCode(context, *program, "Coding after the switch", source)
                 ? expectKeyDialog(context, *program, "Coding after the switch")
                 : nullptr;
    if (dialog != nullptr) {
        expectState(dialog, "a switch to 113 before the close box is kept", applicationKey);

        // OK while the Browse dialog is open: Browse goes, the key-file dialog ends with OK, the field kept.
        keyDialog::markUserKey(dialog);
        keyDialog::typeIntoField(dialog, userKey);
        postClick(dialog, IDC_BROWSE_BUTTON);
        HWND browse = expectOpenFileDialog(*program, "Browse", context.texts->browseKeyTitle,
                                           context.texts->keyFilesFilter, dialog);
        screenshot("key-dialog-browse-open");
        postClick(dialog, IDOK);
        const bool bothGone = browse != nullptr && waitGone(browse) && waitGone(dialog);
        report().check(bothGone, "OK while Browse is open closes Browse and ends the key-file dialog");
        expectMessage(*program, "Coding after OK with Browse open",
                      informationMessage(context, cat(context.texts->codingDone, utf8(coded),
                                                      context.texts->keyFileLabel, utf8(userKey))));
    }
    endProgram(program);
}

}  // namespace guitest
