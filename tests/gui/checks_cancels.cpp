// Cancelling: the open-file dialog of either command (nothing written, no message, the button's area
// repainted), and the key-file dialog of Decoding by Cancel or by its close box (the coded file back under
// its name, no temporary file, no decoded file).
#include "checks.h"
#include "dialogs.h"
#include "files.h"
#include "paint_log.h"
#include "program.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

#include <vector>

namespace guitest {

namespace {

std::string describeAreas(const std::vector<RECT>& areas)
{
    std::string text;
    for (const RECT& area : areas) {
        text += cat(text.empty() ? "" : ", ", "(", area.left, ",", area.top, ")-(", area.right, ",", area.bottom, ")");
    }
    return text.empty() ? "no repaint" : text;
}

void cancelOpenFileDialog(const Context& context, Program& program, int button, const std::wstring& folder)
{
    const bool isCoding = button == coding;
    const std::string step = isCoding ? "Cancel in Coding's open-file dialog" : "Cancel in Decoding's open-file dialog";
    const std::set<std::wstring> before = folderNames(folder);
    program.click(button);
    HWND dialog =
        expectOpenFileDialog(program, step, isCoding ? context.texts->codeFileTitle : context.texts->decodeFileTitle,
                             isCoding ? context.texts->allFilesFilter : context.texts->codedFilesFilter);
    if (dialog == nullptr) {
        return;
    }
    // The dialog moves off the main window, so that its going repaints nothing there; the program's own
    // repaint of the button's area is what remains.
    openFileDialog::moveAway(dialog);
    Sleep(200);
    PaintLogReader paints(program.main());
    paints.clear();
    openFileDialog::cancel(dialog);
    const votrana::BarArea shouldRepaint = votrana::buttonRepaintArea(button);
    const RECT area{shouldRepaint.left, shouldRepaint.top, shouldRepaint.right, shouldRepaint.bottom};
    bool repainted = false;
    waitUntil(
        [&] {
            for (const RECT& painted : paints.areas()) {
                RECT both{};
                repainted = repainted || (IntersectRect(&both, &painted, &area) && EqualRect(&both, &area));
            }
            return repainted;
        },
        2000);
    report().check(paints.ok() && repainted,
                   cat(step, ": the main window repaints the button's area (", area.left, ",", area.top, ")-(",
                       area.right, ",", area.bottom, ") at once"),
                   paints.ok() ? describeAreas(paints.areas()) : "the paint log could not be set up");
    expectNoMessage(program, step);
    report().check(folderNames(folder) == before, cat(step, ": nothing is written"), describe(folderNames(folder)));
}

void cancelKeyDialogOfDecoding(const Context& context, Program& program, const std::wstring& coded, bool closeBox)
{
    const std::string step =
        closeBox ? "the close box of Decoding's key-file dialog" : "Cancel in Decoding's key-file dialog";
    const std::wstring folder = coded.substr(0, coded.find_last_of(L'\\'));
    const std::set<std::wstring> before = folderNames(folder);
    const std::optional<Bytes> codedBytes = readFile(coded);
    if (!chooseFileToDecode(context, program, step, coded)) {
        return;
    }
    HWND dialog = expectKeyDialog(context, program, step);
    if (dialog == nullptr) {
        return;
    }
    // Meanwhile the decompressed data waits in a temporary file of the command's.
    screenshot(closeBox ? "decoding-key-dialog-close-box" : "decoding-key-dialog-cancel");
    const bool ended = closeBox ? keyDialog::closeWithCloseBox(dialog) : keyDialog::pressCancel(dialog);
    report().check(ended, cat(step, " ends the dialog"));
    expectNoMessage(program, step);
    const bool unchanged =
        waitUntil([&] { return folderNames(folder) == before && readFile(coded) == codedBytes; }, windowWaitMs);
    report().check(unchanged,
                   cat(step, ": the coded file is unchanged under its name; no temporary or decoded file"),
                   describe(folderNames(folder)));
}

}  // namespace

void checkCancels(Context& context)
{
    const std::wstring folder = context.work + L"\\cancel";
    const std::wstring source = folder + L"\\secret.txt";
    const std::wstring coded = codedNameOf(source);
    if (!report().check(makeFolder(folder) && writeFile(source, sampleBytes(20000, 5)), "a file to code is ready")) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "cancel");
    if (!program) {
        return;
    }
    cancelOpenFileDialog(context, *program, coding, folder);
    cancelOpenFileDialog(context, *program, decoding, folder);

    // A coded file to decode, and its source out of the way.
    if (runCoding(context, *program, "Coding a file to decode", source, {KeyChoice::Way::applicationKey, {}})) {
        expectMessage(*program, "Coding a file to decode",
                      informationMessage(context, cat(context.texts->codingDone, utf8(coded),
                                                      context.texts->keyFileLabel, utf8(keyNameOf(coded)))));
    }
    DeleteFileW(source.c_str());
    cancelKeyDialogOfDecoding(context, *program, coded, false);
    cancelKeyDialogOfDecoding(context, *program, coded, true);
    endProgram(program);
}

}  // namespace guitest
