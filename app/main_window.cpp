#include "main_window.h"

#include "about_help.h"
#include "app_texts.h"
#include "background_command.h"
#include "coding.h"
#include "decoding.h"
#include "hover_label_view.h"
#include "main_picture.h"
#include "resource_ids.h"
#include "startup_detection.h"
#include "utf16.h"

namespace votrana {

namespace {

constexpr int mainWindowWidth = 336;
// The caption's height comes on top: the client area is then 330 x 155.
constexpr int mainWindowHeightBelowCaption = 161;

// Before the title is set, the window is named so that it does not find itself as another copy.
constexpr wchar_t creationWindowName[] = L"Votrana_95";

bool anotherCopyRuns()
{
    for (bool japaneseUi : {false, true}) {
        const std::wstring title = toWide(appTextsFor(japaneseUi).windowTitle);
        if (FindWindowExW(nullptr, nullptr, nullptr, title.c_str()) != nullptr) {
            return true;
        }
    }
    return false;
}

void releaseMainResources(Application& app)
{
    releasePicture(app.drawing);
    releaseHoverLabel(app.hover);
    PostQuitMessage(0);
}

void onMainCreate(Application& app, HWND window)
{
    if (anotherCopyRuns()) {
        // The running copy is left as it is; this one ends without ever showing its window.
        SendMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    SetWindowTextW(window, toWide(appTextsFor(app.operations.japaneseUi).windowTitle).c_str());
    app.operations.programPath = findProgramPath();
    loadMainPicture(app.drawing, window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

void onCreate(Application& app, HWND window)
{
    app.mainWindow = window;
    app.drawing.buttonFaceColor = GetSysColor(COLOR_BTNFACE);
    app.operations.japaneseUi = japaneseUiOfSystem();
    app.osVariant = osVariantOfSystem();
    app.person.attach(app.appInstance, window);
    onMainCreate(app, window);
}

void onCommand(Application& app, HWND window, WPARAM wParam)
{
    const int command = LOWORD(wParam);
    // A command that runs takes no other: the window is disabled, but a click can still be posted.
    if (command < IDM_CODING || command > IDM_EXIT || app.activity.running) {
        return;
    }
    eraseHoverLabel(app, window);
    switch (command) {
    case IDM_CODING:
        runInBackground(app, runCoding);
        break;
    case IDM_DECODING:
        runInBackground(app, runDecoding);
        break;
    case IDM_ABOUT:
        showAboutDialog(app);
        break;
    case IDM_HELP:
        openHelpFile(app);
        break;
    case IDM_EXIT:
        releaseMainResources(app);
        break;
    default:
        break;
    }
}

LRESULT onSetCursor(Application& app, HWND window, WPARAM wParam, LPARAM lParam)
{
    // Over the disabled window the default handling also beeps at a click and flashes the window in front.
    DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
    if (app.activity.waitCursor) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    updateHoverLabel(app, window);
    return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        keepApplication(window, lParam);
    }
    Application* app = applicationOf(window);
    if (app == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        onCreate(*app, window);
        return 0;
    case WM_DESTROY:
        releaseMainResources(*app);
        return 0;
    case WM_PAINT:
        paintMainWindow(app->drawing, window);
        return 0;
    case WM_SETCURSOR:
        return onSetCursor(*app, window, wParam, lParam);
    case WM_CLOSE:
        // Not while a command works on its files: the person stops it with Cancel.
        return app->activity.running ? 0 : DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
        onCommand(*app, window, wParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, VOTRANA_WIDE(ICON_1_NAME));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = mainWindowClassName;
    return RegisterClassW(&windowClass) != 0;
}

HWND createMainWindow(Application& app)
{
    const int height = GetSystemMetrics(SM_CYCAPTION) + mainWindowHeightBelowCaption;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - mainWindowWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateWindowExW(0, mainWindowClassName, creationWindowName, WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                           mainWindowWidth, height, nullptr, nullptr, app.appInstance, &app);
}

}  // namespace votrana
