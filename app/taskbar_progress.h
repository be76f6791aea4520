// The progress of a long pass on the main window's taskbar button, where the system offers it
// (ITaskbarList3). Where it does not, nothing shows and nothing fails.
#pragma once

#include <windows.h>

#include <shobjidl.h>

#include <cstdint>

namespace votrana {

class TaskbarProgress {
public:
    explicit TaskbarProgress(HWND window);
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;
    // The button shows no progress any more.
    ~TaskbarProgress();

    void show(std::uint64_t done, std::uint64_t total);

private:
    HWND window_;
    bool comStarted_ = false;
    ITaskbarList3* taskbar_ = nullptr;
};

}  // namespace votrana
