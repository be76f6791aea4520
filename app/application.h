// What the window program keeps for the life of the process, in one object that the entry point
// creates and the window procedures reach through their windows.
#pragma once

#include "hover_label.h"
#include "icon_bar_layout.h"
#include "operations_state.h"
#include "startup_facts.h"
#include "startup_texts.h"
#include "win32_machine.h"
#include "windows_person.h"

#include <windows.h>

#include <array>

namespace votrana {

// The picture and the contexts it is painted through, held from the main window's creation to the
// end of the program.
struct MainDrawing {
    HBITMAP mainPicture = nullptr;
    HDC windowDc = nullptr;
    HDC pictureDc = nullptr;
    HGDIOBJ pictureDcOriginalBitmap = nullptr;
    COLORREF buttonFaceColor = 0;
    bool buttonFaceColorCached = false;
};

struct HoverLabelState {
    int hoverLabel = 0;  // 0 none, 1 Coding .. 5 Exit
    LabelRect labelRect;
    LabelPixels labelPixels;
};

struct IconButton {
    HWND button = nullptr;
    IconButtonBitmaps bitmaps;
};

struct Application {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    HWND iconBar = nullptr;
    StartupFacts facts;
    StartupTexts texts;
    MainDrawing drawing;
    HoverLabelState hover;
    std::array<IconButton, iconButtonCount> iconButtons;
    OperationsState operations;
    WindowsPerson person;
    Win32Machine machine;
};

// The application that a window of the program was created with; null for the few messages that
// come before WM_NCCREATE.
Application* applicationOf(HWND window);
// Keeps the application given to CreateWindowExW with the window; for WM_NCCREATE.
void keepApplication(HWND window, LPARAM createStruct);

}  // namespace votrana
