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
// How long after a dialog the person's input waits in the queue (see WorkDisplay::settling).
constexpr std::uint64_t settleMs = 100;

// What the window thread shows of a command at work: the main window disabled, the hourglass over it
// while the command asks for it, the progress window once a pass takes long.
class WorkDisplay {
public:
    explicit WorkDisplay(Application& app)
        : app_(app), progress_({app.appInstance, app.mainWindow, app.operations.japaneseUi})
    {
        app_.activity.running = true;
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

    // Most commands end, or come to their next dialog, a moment after a dialog. Until the command has
    // worked a little longer, the person's input and posted messages wait in the queue: should the
    // command end, they go to the main window as they did before, not to a disabled one or a busy
    // one. Then the window is disabled.
    bool settling()
    {
        if (settled_) {
            return false;
        }
        if (GetTickCount64() - workingSinceMs_ < settleMs) {
            return true;
        }
        settled_ = true;
        EnableWindow(app_.mainWindow, FALSE);
        return false;
    }

    // A dialog or message of the command comes next, as it did before there was a worker: with the
    // main window enabled, so that the dialog disables it and gives the activation back to it.
    void beforePersonCall()
    {
        progress_.close();
        EnableWindow(app_.mainWindow, TRUE);
    }
    void afterPersonCall()
    {
        settled_ = false;
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
    bool settled_ = false;
};

// Waits for the worker or a message, then dispatches every waiting message; while the display
// settles, only those sent by other threads and the paints, so that input and posted clicks wait.
// The progress window's keys go to it as to a dialog.
void dispatchMessages(HANDLE wake, bool settling, HWND progressWindow, std::optional<WPARAM>& quit)
{
    MsgWaitForMultipleObjectsEx(1, &wake, progressLookMs, settling ? QS_SENDMESSAGE | QS_PAINT : QS_ALLINPUT,
                                settling ? 0 : MWMO_INPUTAVAILABLE);
    const UINT which = settling ? PM_QS_SENDMESSAGE | PM_QS_PAINT : 0;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | which)) {
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
        while (!worker.ended()) {
            dispatchMessages(worker.wakeEvent(), display.settling(), display.progressWindow(), quit);
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
