#include "icon_bar.h"

#include "resource_ids.h"
#include "utf16.h"

namespace votrana {

namespace {

int barHeight()
{
    return GetSystemMetrics(SM_CYBORDER) + iconButtonHeight;
}

void onCreate(Application& app, HWND bar)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(bar, GWLP_HINSTANCE));
    for (int index = 0; index < iconButtonCount; ++index) {
        IconButton& button = app.iconButtons.at(static_cast<std::size_t>(index));
        button.bitmaps = iconButtonBitmapsFor(index, app.osVariant);
        button.button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, iconButtonX(index),
                                        GetSystemMetrics(SM_CYBORDER), iconButtonWidth, iconButtonHeight, bar,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CODING_BUTTON + index)),
                                        instance, nullptr);
    }
}

const std::string& bitmapFor(const IconButton& button, const DRAWITEMSTRUCT& item)
{
    if (!IsWindowEnabled(button.button)) {
        return button.bitmaps.disabledBitmap;
    }
    if ((item.itemState & ODS_SELECTED) != 0) {
        return button.bitmaps.downBitmap;
    }
    return button.bitmaps.upBitmap;
}

void drawButtonBitmap(HBITMAP bitmap, const DRAWITEMSTRUCT& item)
{
    const HDC memory = CreateCompatibleDC(item.hDC);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    if (previous != nullptr && previous != HGDI_ERROR) {
        const RECT& area = item.rcItem;
        BitBlt(item.hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
}

void onDrawItem(Application& app, HWND bar, const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.CtlID) - IDC_CODING_BUTTON;
    if (item.CtlType != ODT_BUTTON || index < 0 || index >= iconButtonCount) {
        return;
    }
    const IconButton& button = app.iconButtons.at(static_cast<std::size_t>(index));
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(bar, GWLP_HINSTANCE));
    const HBITMAP bitmap = LoadBitmapW(instance, toWide(bitmapFor(button, item)).c_str());
    if ((item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0 && bitmap != nullptr) {
        drawButtonBitmap(bitmap, item);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    drawIconBarTopLine(app.drawing, bar);
}

void onCommand(HWND bar, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id < IDC_CODING_BUTTON || id > IDC_EXIT_BUTTON) {
        return;
    }
    // The whole command runs, dialogs and all, before the button is drawn again.
    SendMessageW(GetParent(bar), WM_COMMAND, static_cast<WPARAM>(id - buttonToCommandOffset), 0);
    InvalidateRect(GetDlgItem(bar, id), nullptr, TRUE);
}

LRESULT CALLBACK iconBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        keepApplication(bar, lParam);
    }
    Application* app = applicationOf(bar);
    if (app == nullptr) {
        return DefWindowProcW(bar, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        onCreate(*app, bar);
        return 0;
    case WM_DRAWITEM:
        onDrawItem(*app, bar, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_COMMAND:
        onCommand(bar, wParam);
        return 0;
    default:
        return DefWindowProcW(bar, message, wParam, lParam);
    }
}

}  // namespace

bool registerIconBarClass(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = iconBarProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = iconBarClassName;
    return RegisterClassW(&windowClass) != 0;
}

HWND createIconBar(Application& app)
{
    const HWND bar = CreateWindowExW(0, iconBarClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, app.mainWindow,
                                     nullptr, app.appInstance, &app);
    if (bar == nullptr) {
        return nullptr;
    }
    // As wide as the screen; the main window's client area cuts it.
    SetWindowPos(bar, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), barHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(bar, SW_SHOW);
    UpdateWindow(bar);
    return bar;
}

void drawIconBarTopLine(const MainDrawing& drawing, HWND bar)
{
    RECT client{};
    GetClientRect(bar, &client);
    const HDC dc = GetDC(bar);
    const HPEN pen = CreatePen(PS_SOLID, 1, drawing.buttonFaceColor);
    const HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    SelectObject(dc, previous);
    DeleteObject(pen);
    ReleaseDC(bar, dc);
}

}  // namespace votrana
