// Finding the program's windows from the driver's process: by class, title and process, with waits.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace guitest {

// How long the driver waits for a window of the program to show or to go.
constexpr int windowWaitMs = 10000;

std::wstring className(HWND window);
// The window's text through WM_GETTEXT (answered by the window's own thread, with a time limit).
std::wstring windowText(HWND window);
DWORD processOf(HWND window);
HWND ownerOf(HWND window);
RECT windowRect(HWND window);

std::vector<HWND> topLevelWindows();
// The first visible top-level window that satisfies `wanted`, waiting up to `ms`; null if none shows.
HWND waitForWindow(const std::function<bool(HWND)>& wanted, int ms = windowWaitMs);
// A visible dialog (class #32770) of the process, with the title when one is given, other than `other`.
HWND waitForDialog(DWORD process, std::wstring_view title = {}, int ms = windowWaitMs, HWND other = nullptr);
// The visible dialogs of the process, in z-order.
std::vector<HWND> dialogsOf(DWORD process);
// True once the window is gone or hidden, waiting up to `ms`.
bool waitGone(HWND window, int ms = windowWaitMs);
// True when no dialog of the process shows during `ms`.
bool noDialogDuring(DWORD process, int ms);

// Waits up to `ms` for `condition` to hold, polling every 20 ms.
bool waitUntil(const std::function<bool()>& condition, int ms);

}  // namespace guitest
