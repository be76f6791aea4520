// What paint_watch.dll notes in the program and the driver reads: the areas that the main window's
// WM_PAINT messages repaint, in its client coordinates, in the order they came, and how many WM_SETCURSOR
// messages the main window got.
#pragma once

#include <windows.h>

inline constexpr wchar_t paintLogName[] = L"Local\\VotranaGuiTestPaintLog";
inline constexpr LONG paintLogSize = 64;

struct PaintLog {
    volatile LONG count;
    RECT areas[paintLogSize];
    volatile LONG setCursorCount;
};
