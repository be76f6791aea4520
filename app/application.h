// What the window program keeps for the life of the process, in one object that the entry point
// creates and the window procedures reach through their windows.
#pragma once

#include "hover_label.h"
#include "icon_bar_layout.h"
#include "operations_state.h"
#include "startup_facts.h"
#include "win32_machine.h"
#include "windows_person.h"

#include <windows.h>

#include <array>

namespace votrana {

// The picture in a memory context, from the main window's creation to the end of the program.
struct MainDrawing {
    HBITMAP mainPicture = nullptr;
    HDC pictureDc = nullptr;
    HGDIOBJ pictureDcOriginalBitmap = nullptr;
    // Read when the main window is created; the icon bar's top line keeps it.
    COLORREF buttonFaceColor = 0;
};

struct HoverLabelState {
    int hoverLabel = 0;  // 0 none, 1 Coding .. 5 Exit
    LabelRect labelRect;
    // The screen beneath the shown label; null when none is shown.
    HBITMAP background = nullptr;
};

// A command at work on its thread; the window thread alone reads and writes this.
struct CommandActivity {
    bool running = false;
    // The command asks for the hourglass over the main window.
    bool waitCursor = false;
};

struct IconButton {
    HWND button = nullptr;
    IconButtonBitmaps bitmaps;
};

struct Application {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    HWND iconBar = nullptr;
    OsVariant osVariant = OsVariant::Win9x;
    MainDrawing drawing;
    HoverLabelState hover;
    std::array<IconButton, iconButtonCount> iconButtons;
    CommandActivity activity;
    // Also holds the UI language and the program's own path, which the window and the commands share.
    OperationsState operations;
    WindowsPerson person{operations};
    Win32Machine machine;
};

// The application that a window of the program was created with; null for the few messages that
// come before WM_NCCREATE.
Application* applicationOf(HWND window);
// Keeps the application given to CreateWindowExW with the window; for WM_NCCREATE.
void keepApplication(HWND window, LPARAM createStruct);

}  // namespace votrana
