#include "background_command.h"

#include "command_worker.h"
#include "progress_pacing.h"
#include "progress_window.h"
#include "worker_person.h"

#include <optional>

namespace votrana {

namespace {

// The longest the window thread waits for anything before it looks at the progress again.
constexpr DWORD progressLookMs = 50;

// What the window thread shows of a command at work: the main window disabled, the hourglass over it
// while the command asks for it, the progress window once a pass takes long.
class WorkDisplay {
public:
    explicit WorkDisplay(Application& app)
        : app_(app), progress_({app.appInstance, app.mainWindow, app.operations.japaneseUi})
    {
        app_.activity.running = true;
        EnableWindow(app_.mainWindow, FALSE);
    }
    WorkDisplay(const WorkDisplay&) = delete;
    WorkDisplay& operator=(const WorkDisplay&) = delete;
    ~WorkDisplay()
    {
        progress_.close();
        EnableWindow(app_.mainWindow, TRUE);
        showWaitCursor(false);
        app_.activity.running = false;
    }

    HWND progressWindow() const { return progress_.window(); }
    bool cancelled() const { return progress_.cancelled(); }

    // A dialog or message of the command comes next, as it did before there was a worker: with the
    // main window enabled, so that the dialog disables it and gives the activation back to it.
    void beforePersonCall()
    {
        progress_.close();
        EnableWindow(app_.mainWindow, TRUE);
    }
    void afterPersonCall()
    {
        EnableWindow(app_.mainWindow, FALSE);
        workingSinceMs_ = GetTickCount64();
    }

    void refresh(CommandWorker& worker)
    {
        showWaitCursor(worker.waitCursorWanted());
        const PassReport pass = worker.passReport();
        if (!pass.started) {
            return;
        }
        const std::uint64_t now = GetTickCount64();
        if (progress_.window() != nullptr ||
            progressWindowDue({pass.done, pass.total, now - workingSinceMs_, now - pass.startedAtMs})) {
            progress_.show(pass.stage, worker.fileName(), pass.done, pass.total);
        }
    }

private:
    // At once, and kept over the main window while the mouse moves (WM_SETCURSOR).
    void showWaitCursor(bool wanted)
    {
        if (wanted != app_.activity.waitCursor) {
            app_.activity.waitCursor = wanted;
            SetCursor(LoadCursorW(nullptr, wanted ? IDC_WAIT : IDC_ARROW));
        }
    }

    Application& app_;
    ProgressWindow progress_;
    std::uint64_t workingSinceMs_ = GetTickCount64();
};

// Dispatches every waiting message; the progress window's keys go to it as to a dialog.
void dispatchMessages(HWND progressWindow, std::optional<WPARAM>& quit)
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = message.wParam;
            continue;
        }
        if (progressWindow != nullptr && IsDialogMessageW(progressWindow, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

CommandOutcome runInBackground(Application& app, const CommandRun& command)
{
    CommandWorker worker;
    WorkerPerson person(app.person, worker);
    Platform platform{person, app.machine};
    CommandOutcome outcome = CommandOutcome::cancelled;
    std::optional<WPARAM> quit;
    {
        WorkDisplay display(app);
        worker.start([&] { outcome = command(platform, app.operations); });
        const HANDLE wake = worker.wakeEvent();
        while (!worker.ended()) {
            MsgWaitForMultipleObjectsEx(1, &wake, progressLookMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            dispatchMessages(display.progressWindow(), quit);
            if (display.cancelled()) {
                worker.requestStop();
            }
            if (worker.hasCall()) {
                display.beforePersonCall();
                worker.serveCall();
                display.afterPersonCall();
            }
            display.refresh(worker);
        }
    }
    // A quit that came while the command ran ends the program's own loop now.
    if (quit) {
        PostQuitMessage(static_cast<int>(*quit));
    }
    return outcome;
}

}  // namespace votrana
