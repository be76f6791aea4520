// A command that works on a thread of its own, so that the window thread goes on reading its messages.
// What the command needs a window for (a dialog, a message) the worker hands to the window thread and
// waits for; how far it has come, the cursor it wants and the person's wish to stop lie here for the
// other thread to read. Only mutexes, a condition variable and a Win32 event: no atomic waits, which
// MinGW's runtime can miss.
#pragma once

#include "platform.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace votrana {

// The latest report of the running pass.
struct PassReport {
    bool started = false;
    WorkStage stage = WorkStage::coding;
    std::uint64_t done = 0;
    std::uint64_t total = 0;
    std::uint64_t startedAtMs = 0;  // GetTickCount64 when the pass began
};

class CommandWorker {
public:
    CommandWorker();
    CommandWorker(const CommandWorker&) = delete;
    CommandWorker& operator=(const CommandWorker&) = delete;
    // Waits for the work to end.
    ~CommandWorker();

    void start(std::function<void()> work);

    // ---- For the worker ----
    // Runs `call` on the window thread and returns once it is done there.
    void callOnWindowThread(const std::function<void()>& call);
    void reportProgress(WorkStage stage, std::uint64_t done, std::uint64_t total);
    void wantWaitCursor(bool wanted) { waitCursor_ = wanted; }
    bool stopRequested() const { return stopRequested_; }
    // The file the command works on, for the progress window.
    void setFileName(std::string name);

    // ---- For the window thread ----
    // Set when a call waits or the work has ended.
    HANDLE wakeEvent() const { return wake_; }
    bool hasCall();
    // Runs the waiting call, if any.
    void serveCall();
    bool ended();
    void requestStop() { stopRequested_ = true; }
    bool waitCursorWanted() const { return waitCursor_; }
    PassReport passReport();
    std::string fileName();

private:
    HANDLE wake_;
    std::mutex mutex_;
    std::condition_variable callDone_;
    const std::function<void()>* call_ = nullptr;
    bool ended_ = false;
    PassReport pass_;
    std::string fileName_;
    std::atomic<bool> stopRequested_ = false;
    std::atomic<bool> waitCursor_ = false;
    std::thread thread_;
};

}  // namespace votrana
