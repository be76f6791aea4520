// The picture below the icon bar: loaded at creation, painted from a memory context into the main
// window's own context, released at the end.
#pragma once

#include "application.h"

namespace votrana {

// The picture's place in the main window's client area.
inline constexpr int pictureX = 0;
inline constexpr int pictureY = 23;
inline constexpr int pictureWidth = 330;
inline constexpr int pictureHeight = 132;

void loadMainPicture(MainDrawing& drawing, HWND window);
// Takes the window's drawing context for good, selects the picture into a memory context and shows it.
void holdPictureContexts(MainDrawing& drawing, HWND window);
void paintMainWindow(const MainDrawing& drawing, HWND window);
// Gives back what the two functions above took; what was never taken is skipped.
void releasePicture(MainDrawing& drawing, HWND window);

}  // namespace votrana
