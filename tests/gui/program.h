// One run of VOTRA_95.EXE under the driver: the process and the windows it shows.
#pragma once

#include "icon_bar_layout.h"
#include "resource_ids.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace guitest {

// The window class names and the five icon-bar buttons, Coding to Exit.
inline constexpr wchar_t mainWindowClass[] = L"VOTRA_95";
inline constexpr wchar_t iconBarClass[] = L"IconBarWindow";
enum Button { coding = 0, decoding = 1, about = 2, help = 3, exitButton = 4 };

// A started process, ended (and waited for) when the object goes unless it ended before.
class Process {
public:
    // Starts the program with CreateProcessW in `folder`; null when it could not be started.
    static std::unique_ptr<Process> start(const std::wstring& exe, const std::wstring& folder);
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD id() const { return info_.dwProcessId; }
    // The exit code once the process has ended within `ms`; nullopt while it still runs.
    std::optional<DWORD> waitForExit(int ms);
    bool running() const;

private:
    explicit Process(const PROCESS_INFORMATION& info) : info_(info) {}
    PROCESS_INFORMATION info_{};
};

// The program with its main window, icon bar and buttons found.
class Program {
public:
    // Starts the program and waits for its main window; null (after saying why in the log) when the
    // window does not show.
    static std::unique_ptr<Program> start(const std::wstring& exe, const std::wstring& folder);

    Process& process() { return *process_; }
    DWORD id() const { return process_->id(); }
    HWND main() const { return main_; }
    HWND iconBar() const { return iconBar_; }
    HWND button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    // The middle of a button on the screen.
    POINT buttonMiddle(int index) const;
    // A point of the main window's client area on the screen.
    POINT client(int x, int y) const;

    // Clicks a button with BM_CLICK (posted).
    void click(int index) const;
    // Ends the program with its Exit button; its exit code, or nullopt when it did not end.
    std::optional<DWORD> exitWithButton();

private:
    std::unique_ptr<Process> process_;
    HWND main_ = nullptr;
    HWND iconBar_ = nullptr;
    std::array<HWND, votrana::iconButtonCount> buttons_{};
};

}  // namespace guitest
