// Long work: a file that takes Coding a few seconds. The progress window comes with the texts of the
// language, its bar rises and it goes before the message; the main window answers the system all the
// while (timed in English); Cancel, Esc and the close box stop the work and leave the folder exactly
// as it was; a small file shows no progress window.
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

#include <commctrl.h>

#include <cstring>
#include <map>
#include <random>
#include <tuple>

namespace guitest {

namespace {

// Random bytes are the slowest to code: about two seconds here, longer on a busy machine.
constexpr std::size_t largeFileSize = std::size_t{384} << 20;
constexpr int sampleMs = 100;
constexpr UINT answerLimitMs = 1000;
// Far above a busy machine's time for one run, far below CTest's limit, so a fault fails soon.
constexpr unsigned long long runLimitMs = 60000;
// Where the bar stands (of 1000) when the person stops the work.
constexpr int stopPosition = 400;

enum class Stop { none, cancelButton, escapeKey, closeBox };

struct LongRun {
    const char* step;
    bool decoding;
    bool largeFile;
    Stop stop;
};

// What the driver saw of a command, sampled every 100 ms until its next dialog or, after a stop,
// until the main window takes input again.
struct Observation {
    int samples = 0;
    int unanswered = 0;
    unsigned long long slowestMs = 0;
    bool hung = false;
    int waitCursorSamples = 0;
    HWND progress = nullptr;
    std::wstring title, stage, file, cancel;
    bool owned = false;
    int firstPosition = -1;
    int lastPosition = -1;
    bool progressScreenshot = false;
    HWND next = nullptr;
    bool progressGoneBeforeNext = true;
    unsigned long long stopMs = 0;
    unsigned long long stoppedAfterMs = 0;
    unsigned long long ms = 0;
};

Bytes randomBytes(std::size_t length, std::uint64_t seed)
{
    Bytes bytes(length);
    std::mt19937_64 random(seed);
    for (std::size_t i = 0; i < length; i += 8) {
        const std::uint64_t value = random();
        std::memcpy(bytes.data() + i, &value, std::min<std::size_t>(8, length - i));
    }
    return bytes;
}

// Which file has each name, how long it is and when it was written.
using FolderStamps = std::map<std::wstring, std::tuple<std::uint64_t, std::uint64_t, std::uint64_t>>;

FolderStamps stampsOf(const std::wstring& folder)
{
    FolderStamps stamps;
    for (const std::wstring& name : folderNames(folder)) {
        const HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
        stamps[name] = {join(info.nFileIndexHigh, info.nFileIndexLow), join(info.nFileSizeHigh, info.nFileSizeLow),
                        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
    }
    return stamps;
}

HCURSOR shownCursor()
{
    CURSORINFO info{};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

void sampleAnswer(HWND main, Observation& seen)
{
    const unsigned long long asked = elapsedMs();
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, answerLimitMs, &result) != 0;
    seen.slowestMs = std::max(seen.slowestMs, elapsedMs() - asked);
    seen.unanswered += answered ? 0 : 1;
    seen.hung = seen.hung || IsHungAppWindow(main);
    ++seen.samples;
}

void noteProgress(HWND progress, HWND main, Observation& seen)
{
    if (seen.progress == nullptr) {
        seen.progress = progress;
        seen.title = windowText(progress);
        seen.stage = windowText(GetDlgItem(progress, IDC_PROGRESS_STAGE));
        seen.file = windowText(GetDlgItem(progress, IDC_PROGRESS_FILE));
        seen.cancel = windowText(GetDlgItem(progress, IDCANCEL));
        seen.owned = ownerOf(progress) == main;
    }
    DWORD_PTR position = 0;
    if (SendMessageTimeoutW(GetDlgItem(progress, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, answerLimitMs,
                            &position)) {
        seen.firstPosition = seen.firstPosition < 0 ? static_cast<int>(position) : seen.firstPosition;
        seen.lastPosition = static_cast<int>(position);
    }
}

void stopWork(HWND progress, Stop stop)
{
    switch (stop) {
    case Stop::cancelButton:
        postClick(progress, IDCANCEL);
        break;
    case Stop::escapeKey:
        pressKey(VK_ESCAPE);
        break;
    case Stop::closeBox:
        clickCloseBox(progress);
        break;
    case Stop::none:
        break;
    }
}

void watch(Program& program, Observation& seen, Stop stop, HCURSOR arrow)
{
    const unsigned long long start = elapsedMs();
    while (elapsedMs() - start < runLimitMs) {
        const unsigned long long sampled = elapsedMs();
        sampleAnswer(program.main(), seen);
        seen.waitCursorSamples += shownCursor() != arrow ? 1 : 0;
        HWND progress = nullptr;
        HWND other = nullptr;
        for (HWND dialog : dialogsOf(program.id())) {
            (GetDlgItem(dialog, IDC_PROGRESS_BAR) != nullptr ? progress : other) = dialog;
        }
        if (other != nullptr) {
            seen.next = other;
            seen.progressGoneBeforeNext = progress == nullptr;
            break;
        }
        if (progress != nullptr) {
            noteProgress(progress, program.main(), seen);
        }
        if (seen.stopMs != 0 && progress == nullptr && IsWindowEnabled(program.main())) {
            seen.stoppedAfterMs = elapsedMs() - seen.stopMs;
            break;
        }
        if (progress != nullptr && stop != Stop::none && seen.stopMs == 0 && seen.lastPosition >= stopPosition) {
            if (!seen.progressScreenshot) {
                screenshot("progress-window");
                seen.progressScreenshot = true;
            }
            stopWork(progress, stop);
            seen.stopMs = elapsedMs();
        }
        Sleep(static_cast<DWORD>(std::max<long long>(0, sampleMs - static_cast<long long>(elapsedMs() - sampled))));
    }
    seen.ms += elapsedMs() - start;
}

void checkProgressWindow(const Context& context, const LongRun& run, const Observation& seen, const std::wstring& file)
{
    if (!run.largeFile) {
        report().check(seen.progress == nullptr, cat(run.step, ": no progress window shows"));
        return;
    }
    if (run.decoding) {
        report().note(cat(run.step, ": the progress window ", seen.progress ? "showed" : "did not show"));
        return;
    }
    const std::wstring name = file.substr(file.find_last_of(L'\\') + 1);
    report().check(seen.progress != nullptr && seen.title == wide(context.texts->labels[0]) &&
                       seen.stage == wide(context.texts->workStages[0]) && seen.file == name &&
                       seen.cancel == wide(context.texts->cancelButton) && seen.owned,
                   cat(run.step, ": the progress window shows \"", context.texts->labels[0], "\", \"",
                       context.texts->workStages[0], "\", the file's name and \"", context.texts->cancelButton,
                       "\", owned by the main window"),
                   cat("'", printable(seen.title), "', '", printable(seen.stage), "', '", printable(seen.file), "', '",
                       printable(seen.cancel), "'"));
    if (run.stop == Stop::none) {
        report().check(seen.lastPosition > seen.firstPosition && seen.progressGoneBeforeNext,
                       cat(run.step, ": its bar rises, and it goes before the message"),
                       cat("from ", seen.firstPosition, " to ", seen.lastPosition, " of 1000"));
    }
}

void checkAnswers(const Context& context, const LongRun& run, const Observation& seen)
{
    const std::string detail = cat(seen.samples, " samples in ", seen.ms, " ms, the slowest answer in ", seen.slowestMs,
                                   " ms", seen.hung ? "; reported hung" : "");
    if (context.japanese) {
        report().note(cat(run.step, ": ", detail));
        return;
    }
    report().check(seen.unanswered == 0 && !seen.hung && seen.slowestMs < answerLimitMs,
                   cat(run.step, ": the main window answers WM_NULL within a second every ", sampleMs,
                       " ms throughout, and is never reported hung"),
                   detail);
    if (run.stop != Stop::none) {
        report().check(
            seen.stopMs != 0 && seen.stoppedAfterMs < answerLimitMs, cat(run.step, ": the work stops within a second"),
            cat("stopped at ", seen.lastPosition, " of 1000, ready again after ", seen.stoppedAfterMs, " ms"));
    }
}

struct LongFiles {
    std::wstring folder;
    std::wstring large;
    std::wstring small;
    Bytes plain;
};

void checkRun(const Context& context, Program& program, const LongRun& run, const LongFiles& files, HCURSOR arrow)
{
    const std::wstring source = run.largeFile ? files.large : files.small;
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = keyNameOf(coded);
    const FolderStamps before = stampsOf(files.folder);
    const bool started = run.decoding
                             ? chooseFileToDecode(context, program, run.step, coded)
                             : runCoding(context, program, run.step, source, {KeyChoice::Way::applicationKey, {}});
    if (!started) {
        return;
    }
    Observation seen;
    watch(program, seen, run.stop, arrow);
    if (run.decoding) {
        // The key-file dialog comes between the two passes.
        const bool keyDialog = seen.next != nullptr && windowText(seen.next) == wide(context.texts->keyDialogTitle);
        if (!report().check(keyDialog, cat(run.step, ": the key-file dialog follows the decompression")) ||
            !answerKeyDialog(context, program, seen.next, {KeyChoice::Way::unchanged, {}}, run.step)) {
            return;
        }
        watch(program, seen, Stop::none, arrow);
    }
    checkProgressWindow(context, run, seen, source);
    checkAnswers(context, run, seen);
    if (run.stop != Stop::none) {
        expectNoMessage(program, run.step);
        report().check(stampsOf(files.folder) == before,
                       cat(run.step, ": the folder is exactly as before: the earlier coded file and key in place, "
                                     "nothing new, no temporary file"),
                       describe(folderNames(files.folder)));
        return;
    }
    const std::string text =
        run.decoding ? cat(context.texts->decodingDone, utf8(source), context.texts->keyFileLabel, utf8(key))
                     : cat(context.texts->codingDone, utf8(coded), context.texts->keyFileLabel, utf8(key));
    expectMessage(program, run.step, informationMessage(context, text));
    if (run.largeFile && !run.decoding) {
        report().check(seen.waitCursorSamples > 0,
                       cat(run.step, ": the cursor is not the arrow while the file is coded"),
                       cat(seen.waitCursorSamples, " of ", seen.samples, " samples"));
    }
    if (run.decoding) {
        report().check(readFile(source) == files.plain,
                       cat(run.step, ": the decoded file equals the source byte for byte"));
    }
}

}  // namespace

void checkLongWork(Context& context)
{
    LongFiles files{context.work + L"\\long", {}, {}, randomBytes(largeFileSize, 121)};
    files.large = files.folder + L"\\large.bin";
    files.small = files.folder + L"\\small.txt";
    const bool ready = makeFolder(files.folder) && writeFile(files.large, files.plain) &&
                       writeFile(files.small, sampleBytes(30000, 122));
    if (!report().check(ready,
                        cat("a file of ", largeFileSize >> 20, " MB of random bytes and a small file are ready"))) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "long work");
    if (!program) {
        return;
    }
    // The mouse rests over the main window where the progress window does not cover it.
    moveMouse(program->client(4, 100));
    const HCURSOR arrow = shownCursor();
    const LongRun runs[] = {
        {"Coding a large file", false, true, Stop::none},
        {"Decoding it in place of its source", true, true, Stop::none},
        {"Coding it anew, cancelled with Cancel", false, true, Stop::cancelButton},
        {"Coding it anew, cancelled with Esc", false, true, Stop::escapeKey},
        {"Coding it anew, stopped with the close box", false, true, Stop::closeBox},
        {"Coding a small file", false, false, Stop::none},
    };
    for (const LongRun& run : runs) {
        checkRun(context, *program, run, files, arrow);
    }
    endProgram(program);
    removeTree(files.folder);
}

}  // namespace guitest
