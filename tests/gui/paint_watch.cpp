// paint_watch.dll: loaded into the program by the driver's WH_CALLWNDPROC hook, it notes the area that each
// sent WM_PAINT of the main window (class "VOTRA_95") repaints, and counts its WM_SETCURSOR messages, in
// memory that the driver reads. Under Wine the screen alone cannot show whether a small area was
// repainted: a window's pixels are copied to the screen in wider strips than were drawn.
#include "paint_watch.h"

#include <windows.h>

namespace {

PaintLog* sharedLog()
{
    static PaintLog* log = [] {
        HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, paintLogName);
        return mapping != nullptr
                   ? static_cast<PaintLog*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(PaintLog)))
                   : nullptr;
    }();
    return log;
}

bool isMainWindow(HWND window)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, 32);
    return lstrcmpW(name, L"VOTRA_95") == 0;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK watchPaints(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    PaintLog* log = sharedLog();
    if (code == HC_ACTION && message != nullptr && log != nullptr && message->message == WM_SETCURSOR &&
        isMainWindow(message->hwnd)) {
        log->setCursorCount = log->setCursorCount + 1;
    }
    if (code == HC_ACTION && message != nullptr && log != nullptr && message->message == WM_PAINT &&
        isMainWindow(message->hwnd)) {
        RECT area{};
        if (GetUpdateRect(message->hwnd, &area, FALSE)) {
            const LONG index = log->count;
            if (index < paintLogSize) {
                log->areas[index] = area;
            }
            log->count = index + 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
