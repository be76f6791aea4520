// A 200 MB file through Coding and Decoding: the times of each stage, the wait cursor while the program
// works and the arrow when it reports, and the decoded file equal to the source.
//
// The cursor: under Wine another process's cursor handle can be read (GetCursorInfo) but not its picture,
// so the driver tells the program's arrow from any other cursor by the handle it shows over the idle
// window, and asks the script for the X server's cursor to see that the other one is the hourglass (its
// hot spot in the middle, where the arrow's lies at its tip).
#include "checks.h"
#include "dialogs.h"
#include "files.h"
#include "input.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

#include <windows.h>

#include <cstring>
#include <sstream>

namespace guitest {

namespace {

constexpr std::size_t largeFileSize = std::size_t{200} * 1024 * 1024;
constexpr int workWaitMs = 600000;

HCURSOR shownCursor()
{
    CURSORINFO info{};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// The X server's cursor: its size and hot spot, when the script can tell.
struct XCursor {
    int width = 0;
    int height = 0;
    int xHot = 0;
    int yHot = 0;

    // The hourglass is held at its middle, the arrow at its tip.
    bool heldInTheMiddle() const
    {
        return width > 0 && std::abs(2 * xHot - width) <= 4 && std::abs(2 * yHot - height) <= 4;
    }
    std::string describe() const { return cat(width, "x", height, " held at (", xHot, ",", yHot, ")"); }
};

std::optional<XCursor> xCursor()
{
    const std::optional<std::string> answer = askScript("cursor");
    XCursor cursor;
    if (!answer || !(std::istringstream(*answer) >> cursor.width >> cursor.height >> cursor.xHot >> cursor.yHot)) {
        return std::nullopt;
    }
    return cursor;
}

// What the cursor showed while the driver waited for the program's next dialog.
struct Watch {
    HWND dialog = nullptr;
    unsigned long long ms = 0;
    int samples = 0;
    int busySamples = 0;
    std::optional<XCursor> busyX;
    bool arrowAtEnd = false;
};

// `ending` is the dialog whose OK started the work: it may still show for a moment.
Watch watchUntilDialog(const Program& program, HCURSOR arrow, HWND ending = nullptr)
{
    Watch watch;
    const unsigned long long start = elapsedMs();
    while (watch.dialog == nullptr && elapsedMs() - start < workWaitMs) {
        for (HWND dialog : dialogsOf(program.id())) {
            if (dialog != ending) {
                watch.dialog = dialog;
            }
        }
        if (watch.dialog != nullptr) {
            break;
        }
        ++watch.samples;
        const HCURSOR cursor = shownCursor();
        if (cursor != nullptr && cursor != arrow) {
            // The X server follows a moment later; asked again until it shows the hourglass.
            if (++watch.busySamples % 3 == 0 && !(watch.busyX && watch.busyX->heldInTheMiddle())) {
                watch.busyX = xCursor();
            }
        }
        Sleep(20);
    }
    watch.ms = elapsedMs() - start;
    watch.arrowAtEnd = shownCursor() == arrow;
    return watch;
}

bool sameBytes(const std::wstring& path, const Bytes& expected)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    Bytes block(std::size_t{1} << 24);
    std::size_t offset = 0;
    bool same = true;
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &count, nullptr)) {
            same = false;
            break;
        }
        if (count == 0) {
            break;
        }
        if (offset + count > expected.size() || std::memcmp(block.data(), expected.data() + offset, count) != 0) {
            same = false;
            break;
        }
        offset += count;
    }
    CloseHandle(file);
    return same && offset == expected.size();
}

std::string seconds(unsigned long long ms)
{
    return cat(ms / 1000, ".", (ms % 1000) / 100, " s");
}

std::string cursorSummary(const Watch& watch)
{
    return cat("a cursor other than the arrow in ", watch.busySamples, " of ", watch.samples, " samples",
               watch.busyX ? cat(" (X: ", watch.busyX->describe(), ")") : std::string(), "; ",
               watch.arrowAtEnd ? "the arrow" : "not the arrow", " when the dialog came");
}

// The wait cursor showed during the work, it was the hourglass as far as the X server tells, and the
// arrow came back before the next dialog.
void checkCursor(std::string_view what, const Watch& watch, const std::optional<XCursor>& idleX, bool arrowAtEnd)
{
    const bool shown = watch.busySamples > 0;
    report().check(shown && (!arrowAtEnd || watch.arrowAtEnd),
                   cat("while ", what, " the program shows the wait cursor",
                       arrowAtEnd ? ", and the arrow again when its message comes" : ""),
                   cursorSummary(watch));
    if (!idleX || !watch.busyX) {
        report().skip(cat("the wait cursor while ", what, " is the hourglass"),
                      shown ? "the X server's cursor could not be read" : "no wait cursor was seen");
        return;
    }
    if (watch.busyX->describe() == idleX->describe()) {
        // Wine hands a busy thread's cursor to the X server only when the mouse last moved over one of
        // that thread's windows, which a closing dialog may have taken from under it.
        report().skip(cat("the wait cursor while ", what, " is the hourglass"),
                      "the X server went on showing the arrow, so it cannot tell");
        return;
    }
    report().check(watch.busyX->heldInTheMiddle() && !idleX->heldInTheMiddle(),
                   cat("the wait cursor while ", what, " is the hourglass (held in its middle; the arrow at its tip)"),
                   cat("wait cursor ", watch.busyX->describe(), ", arrow ", idleX->describe()));
}

}  // namespace

void checkLargeFile(Context& context)
{
    const std::wstring folder = context.work + L"\\large";
    const std::wstring source = folder + L"\\large.bin";
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = keyNameOf(coded);
    const Bytes plain = sampleBytes(largeFileSize, 81);
    if (!report().check(makeFolder(folder) && writeFile(source, plain), "a 200 MB file is ready")) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "200 MB");
    if (!program) {
        return;
    }
    // The mouse over the main window where no dialog of the commands covers it (the strip right of the
    // buttons): the program's cursor shows there, first its arrow.
    const POINT resting = program->client(300, 10);
    moveMouse(resting);
    Sleep(200);
    const HCURSOR arrow = shownCursor();
    const std::optional<XCursor> idleX = xCursor();
    report().note(cat("the arrow over the idle window: handle ", reinterpret_cast<std::uintptr_t>(arrow),
                      idleX ? cat(", X: ", idleX->describe()) : std::string()));

    // Coding: the work runs from OK in the key-file dialog to the message.
    HWND keyDialog = chooseFileToCode(context, *program, "Coding 200 MB", source)
                         ? expectKeyDialog(context, *program, "Coding 200 MB")
                         : nullptr;
    if (keyDialog == nullptr) {
        endProgram(program);
        return;
    }
    moveMouse(POINT{resting.x, resting.y + 1});
    moveMouse(resting);
    postClick(keyDialog, IDOK);
    const Watch coding = watchUntilDialog(*program, arrow, keyDialog);
    const std::optional<std::uint64_t> codedSize = fileSize(coded);
    report().note(cat("Coding 200 MB took ", seconds(coding.ms),
                      " (from OK in the key-file dialog to the message); "
                      "coded file of ",
                      codedSize.value_or(0), " bytes"));
    checkCursor("the 200 MB file is coded", coding, idleX, true);
    const std::string codingText = cat(context.texts->codingDone, utf8(coded), context.texts->keyFileLabel, utf8(key));
    const std::wstring codingShown = coding.dialog != nullptr ? readMessageBox(coding.dialog).text : L"";
    report().check(codingShown == wide(codingText), "the 200 MB file is coded, and the message says so",
                   printable(codingShown));
    if (coding.dialog != nullptr) {
        dismissMessageBox(coding.dialog);
    }
    report().check(sameBytes(source, plain) &&
                       folderNames(folder) == std::set<std::wstring>{L"large.bin", L"large_bin.___", L"large_bin.KEY"},
                   "the source is unchanged; the coded file and its key lie beside it", describe(folderNames(folder)));

    // Decoding: decompression from Open to the key-file dialog, substitution from OK to the message.
    DeleteFileW(source.c_str());
    program->click(decoding);
    HWND open = expectOpenFileDialog(*program, "Decoding 200 MB", context.texts->decodeFileTitle,
                                     context.texts->codedFilesFilter);
    if (open != nullptr) {
        openFileDialog::moveAway(open);
    }
    moveMouse(POINT{resting.x, resting.y + 1});
    moveMouse(resting);
    if (open != nullptr && openFileDialog::choose(open, coded)) {
        const Watch decompressing = watchUntilDialog(*program, arrow);
        report().note(
            cat("Decompressing 200 MB took ", seconds(decompressing.ms), " (from Open to the key-file dialog)"));
        checkCursor("the 200 MB file is decompressed", decompressing, idleX, false);
        keyDialog = decompressing.dialog;
        if (keyDialog != nullptr && windowText(keyDialog) == wide(context.texts->keyDialogTitle)) {
            postClick(keyDialog, IDOK);
            const Watch decodingWatch = watchUntilDialog(*program, arrow, keyDialog);
            report().note(cat("Decoding 200 MB after the key-file dialog took ", seconds(decodingWatch.ms),
                              " (to the message); in all ", seconds(decompressing.ms + decodingWatch.ms)));
            report().check(decodingWatch.arrowAtEnd, "the arrow is back when Decoding's message comes",
                           cursorSummary(decodingWatch));
            const std::string decodingText =
                cat(context.texts->decodingDone, utf8(source), context.texts->keyFileLabel, utf8(key));
            const std::wstring decodingShown =
                decodingWatch.dialog != nullptr ? readMessageBox(decodingWatch.dialog).text : L"";
            report().check(decodingShown == wide(decodingText), "the 200 MB file is decoded, and the message says so",
                           printable(decodingShown));
            if (decodingWatch.dialog != nullptr) {
                dismissMessageBox(decodingWatch.dialog);
            }
            report().check(sameBytes(source, plain), "the decoded 200 MB file equals the source byte for byte");
        } else {
            report().check(false, "the key-file dialog follows the decompression");
        }
    }
    endProgram(program);
    removeTree(folder);
}

}  // namespace guitest
