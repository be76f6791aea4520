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

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <random>
#include <vector>

namespace guitest {

namespace {

// Random bytes are the slowest to code: two seconds on this machine when it is idle (550 MB/s), up
// to three times as long when it is busy. Written and compared a block at a time.
constexpr std::size_t randomBlockSize = std::size_t{16} << 20;
constexpr std::size_t largeFileSize = 64 * randomBlockSize;
constexpr std::uint64_t largeFileSeed = 121;
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
    unsigned long long slowestAnswerMs = 0;  // answerLimitMs when one did not come
    bool hung = false;
    int waitCursorSamples = 0;
    // The progress window's title, its two lines and its button, and whether the main window owns it.
    std::wstring texts;
    bool owned = false;
    int firstPosition = -1;
    int lastPosition = -1;
    HWND next = nullptr;
    bool progressGoneBeforeNext = true;
    unsigned long long stopMs = 0;
    unsigned long long readyAfterStopMs = 0;
    unsigned long long ms = 0;
};

// Writes the random bytes of a seed to a file, or compares the file with them.
bool randomFile(const std::wstring& path, std::uint64_t seed, bool write)
{
    const HANDLE file = CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    write ? CREATE_ALWAYS : OPEN_EXISTING, 0, nullptr);
    std::mt19937_64 random(seed);
    std::vector<std::uint64_t> expected(randomBlockSize / 8);
    std::vector<std::uint64_t> found(expected.size());
    bool same = file != INVALID_HANDLE_VALUE;
    for (std::size_t done = 0; same && done < largeFileSize; done += randomBlockSize) {
        std::generate(expected.begin(), expected.end(), std::ref(random));
        DWORD count = 0;
        same = write ? WriteFile(file, expected.data(), randomBlockSize, &count, nullptr) && count == randomBlockSize
                     : ReadFile(file, found.data(), randomBlockSize, &count, nullptr) && count == randomBlockSize &&
                           found == expected;
    }
    // Nothing follows.
    DWORD extra = 0;
    same = same && (write || (ReadFile(file, found.data(), 1, &extra, nullptr) && extra == 0));
    return CloseHandle(file) && same;
}

// Which file has each name, how long it is and when it was written.
std::map<std::wstring, std::array<DWORD, 6>> stampsOf(const std::wstring& folder)
{
    std::map<std::wstring, std::array<DWORD, 6>> stamps;
    for (const std::wstring& name : folderNames(folder)) {
        const HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        stamps[name] = {info.nFileIndexHigh,
                        info.nFileIndexLow,
                        info.nFileSizeHigh,
                        info.nFileSizeLow,
                        info.ftLastWriteTime.dwHighDateTime,
                        info.ftLastWriteTime.dwLowDateTime};
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
    seen.slowestAnswerMs = std::max(seen.slowestAnswerMs, answered ? elapsedMs() - asked : answerLimitMs);
    seen.hung = seen.hung || IsHungAppWindow(main);
    ++seen.samples;
}

void noteProgress(HWND progress, HWND main, Observation& seen)
{
    if (seen.texts.empty()) {
        seen.texts = windowText(progress);
        for (const int id : {IDC_PROGRESS_STAGE, IDC_PROGRESS_FILE, IDCANCEL}) {
            seen.texts += L" | " + windowText(GetDlgItem(progress, id));
        }
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
    if (stop == Stop::cancelButton) {
        screenshot("progress-window");
        postClick(progress, IDCANCEL);
    } else if (stop == Stop::escapeKey) {
        pressKey(VK_ESCAPE);
    } else {
        clickCloseBox(progress);
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
        } else if (seen.stopMs != 0 && IsWindowEnabled(program.main())) {
            seen.readyAfterStopMs = elapsedMs() - seen.stopMs;
            break;
        }
        if (progress != nullptr && stop != Stop::none && seen.stopMs == 0 && seen.lastPosition >= stopPosition) {
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
        report().check(seen.texts.empty(), cat(run.step, ": no progress window shows"));
        return;
    }
    // Each pass of Decoding may be over in less than a second.
    if (run.decoding) {
        return;
    }
    const std::string expected =
        cat(context.texts->labels[0], " | ", context.texts->workStages[0], " | ",
            utf8(file.substr(file.find_last_of(L'\\') + 1)), " | ", context.texts->cancelButton);
    report().check(seen.texts == wide(expected) && seen.owned,
                   cat(run.step, ": the progress window shows \"", expected, "\", owned by the main window"),
                   printable(seen.texts));
    if (run.stop == Stop::none) {
        report().check(seen.lastPosition > seen.firstPosition && seen.progressGoneBeforeNext,
                       cat(run.step, ": its bar rises, and it goes before the message"),
                       cat("from ", seen.firstPosition, " to ", seen.lastPosition, " of 1000"));
    }
}

void checkAnswers(const Context& context, const LongRun& run, const Observation& seen)
{
    const std::string detail = cat(seen.samples, " samples in ", seen.ms, " ms, the slowest answer in ",
                                   seen.slowestAnswerMs, " ms", seen.hung ? "; reported hung" : "");
    if (context.japanese) {
        report().note(cat(run.step, ": ", detail));
        return;
    }
    report().check(seen.slowestAnswerMs < answerLimitMs && !seen.hung,
                   cat(run.step, ": the main window answers WM_NULL within a second every ", sampleMs,
                       " ms throughout, and is never reported hung"),
                   detail);
    if (run.stop != Stop::none) {
        report().check(seen.stopMs != 0 && seen.readyAfterStopMs < answerLimitMs,
                       cat(run.step, ": the work stops, and the program is ready again, within a second"),
                       cat("stopped at ", seen.lastPosition, " of 1000, ready after ", seen.readyAfterStopMs, " ms"));
    }
}

void checkRun(const Context& context, Program& program, const LongRun& run, const std::wstring& folder, HCURSOR arrow)
{
    const std::wstring source = folder + (run.largeFile ? L"\\large.bin" : L"\\small.txt");
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = keyNameOf(coded);
    const auto before = stampsOf(folder);
    const bool started = run.decoding
                             ? chooseFileToDecode(context, program, run.step, coded)
                             : runCoding(context, program, run.step, source, {KeyChoice::Way::applicationKey, {}});
    Observation seen;
    if (started) {
        watch(program, seen, run.stop, arrow);
    }
    // The key-file dialog comes between Decoding's two passes.
    if (run.decoding &&
        report().check(seen.next != nullptr && windowText(seen.next) == wide(context.texts->keyDialogTitle),
                       cat(run.step, ": the key-file dialog follows the decompression")) &&
        answerKeyDialog(context, program, seen.next, {KeyChoice::Way::unchanged, {}}, run.step)) {
        watch(program, seen, Stop::none, arrow);
    }
    checkProgressWindow(context, run, seen, source);
    checkAnswers(context, run, seen);
    if (run.stop != Stop::none) {
        expectNoMessage(program, run.step);
        report().check(stampsOf(folder) == before,
                       cat(run.step, ": the folder is exactly as before: the earlier coded file and key in place, "
                                     "nothing new, no temporary file"),
                       describe(folderNames(folder)));
        return;
    }
    const std::string done =
        run.decoding ? cat(context.texts->decodingDone, utf8(source)) : cat(context.texts->codingDone, utf8(coded));
    expectMessage(program, run.step, informationMessage(context, cat(done, context.texts->keyFileLabel, utf8(key))));
    if (run.largeFile && !run.decoding) {
        report().check(seen.waitCursorSamples > 0,
                       cat(run.step, ": the cursor is not the arrow while the file is coded"),
                       cat(seen.waitCursorSamples, " of ", seen.samples, " samples"));
    }
    if (run.decoding) {
        report().check(randomFile(source, largeFileSeed, false),
                       cat(run.step, ": the decoded file equals the source byte for byte"));
    }
}

}  // namespace

void checkLongWork(Context& context)
{
    const std::wstring folder = context.work + L"\\long";
    const bool ready = makeFolder(folder) && randomFile(folder + L"\\large.bin", largeFileSeed, true) &&
                       writeFile(folder + L"\\small.txt", sampleBytes(30000, 122));
    std::unique_ptr<Program> program;
    if (!report().check(ready,
                        cat("a file of ", largeFileSize >> 20, " MB of random bytes and a small file are ready")) ||
        !(program = startProgram(context, "long work"))) {
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
        checkRun(context, *program, run, folder, arrow);
    }
    endProgram(program);
    removeTree(folder);
}

}  // namespace guitest
