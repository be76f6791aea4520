// Mouse and keyboard input as a user gives it (SendInput), and posted clicks on buttons.
#pragma once

#include <windows.h>

#include <string_view>

namespace guitest {

// Moves the mouse to a point of the screen and waits until the cursor is there.
bool moveMouse(POINT screen);
// A left click at a point of the screen.
void clickAt(POINT screen);
// The left button held down at a point, and let go at another.
void pressAt(POINT screen);
void releaseAt(POINT screen);

// Types the text as Unicode characters into the window that has the keyboard focus.
void typeText(std::wstring_view text);
void pressKey(WORD virtualKey);

// BM_CLICK, posted: a click that starts a modal loop must never be sent, or the driver would wait
// for the whole dialog.
void postClick(HWND button);
void postClick(HWND dialog, int controlId);

// Clicks the close box in the window's caption, found with WM_NCHITTEST. False when there is none.
bool clickCloseBox(HWND window);

// A point of the window's client area on the screen.
POINT onScreen(HWND window, int clientX, int clientY);

}  // namespace guitest
