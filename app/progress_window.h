// The progress window of a long pass: what the command is doing, the file's name, a bar that moves
// with the bytes done, and Cancel; the taskbar button shows the bar too. The main window, its owner,
// is disabled while it shows, so it acts as a modal window; the command's message loop hands it its
// keys, so Esc cancels as well as the button and the close box.
#pragma once

#include "platform.h"
#include "taskbar_progress.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace votrana {

struct ProgressWindowSetup {
    HINSTANCE instance = nullptr;  // holds the templates PROGRESS_DLG and PROGRESS_DLG_J
    HWND owner = nullptr;
    bool japaneseUi = false;
};

class ProgressWindow {
public:
    explicit ProgressWindow(const ProgressWindowSetup& setup) : setup_(setup) {}
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;
    ~ProgressWindow() { close(); }

    // Shows the window for a pass over the file, or brings it up to date.
    void show(WorkStage stage, const std::string& fileName, std::uint64_t done, std::uint64_t total);
    // Gives the owner its input back, then goes.
    void close();

    // Null while the window is not shown.
    HWND window() const { return window_; }
    // True once the person asked for the work to stop.
    bool cancelled() const { return cancelled_; }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool open();
    void showStage(WorkStage stage, const std::string& fileName);
    void cancel();

    ProgressWindowSetup setup_;
    HWND window_ = nullptr;
    std::unique_ptr<TaskbarProgress> taskbar_;
    bool cancelled_ = false;
    std::optional<WorkStage> shownStage_;
    int position_ = -1;
};

}  // namespace votrana
