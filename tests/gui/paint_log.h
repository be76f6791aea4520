// The driver's side of paint_watch.dll: hooks the program's thread and reads which areas of the main
// window it repainted and how many WM_SETCURSOR messages it got.
#pragma once

#include "paint_watch.h"

#include <windows.h>

#include <vector>

namespace guitest {

class PaintLogReader {
public:
    // Hooks the thread of `mainWindow`; `ok()` tells whether that worked.
    explicit PaintLogReader(HWND mainWindow);
    PaintLogReader(const PaintLogReader&) = delete;
    PaintLogReader& operator=(const PaintLogReader&) = delete;
    ~PaintLogReader();

    bool ok() const { return log_ != nullptr && hook_ != nullptr; }
    // Forgets what was noted so far.
    void clear();
    std::vector<RECT> areas() const;
    // The WM_SETCURSOR messages that reached the main window.
    LONG setCursorCount() const { return log_ != nullptr ? log_->setCursorCount : 0; }

private:
    HANDLE mapping_ = nullptr;
    PaintLog* log_ = nullptr;
    HMODULE library_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace guitest
