// The picture below the icon bar: loaded into a memory context when the main window is created,
// copied from there whenever the window is painted, released at the end.
#pragma once

#include "application.h"

namespace votrana {

// The picture's place in the main window's client area.
inline constexpr int pictureX = 0;
inline constexpr int pictureY = 23;
inline constexpr int pictureWidth = 330;
inline constexpr int pictureHeight = 132;

void loadMainPicture(MainDrawing& drawing, HWND window);
// On WM_PAINT.
void paintMainWindow(const MainDrawing& drawing, HWND window);
// Gives back what loadMainPicture took; what was never taken is skipped.
void releasePicture(MainDrawing& drawing);

}  // namespace votrana
