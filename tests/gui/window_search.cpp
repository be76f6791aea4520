#include "window_search.h"

namespace guitest {

std::wstring className(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring windowText(HWND window)
{
    std::wstring text(4096, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             3000, &length)) {
        return {};
    }
    text.resize(text.find(L'\0'));
    return text;
}

DWORD processOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

HWND ownerOf(HWND window)
{
    return GetWindow(window, GW_OWNER);
}

RECT windowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<HWND> topLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool waitUntil(const std::function<bool()>& condition, int ms)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
}

HWND waitForWindow(const std::function<bool(HWND)>& wanted, int ms)
{
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND window : topLevelWindows()) {
                if (IsWindowVisible(window) && wanted(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
}

namespace {

bool isDialogOf(HWND window, DWORD process)
{
    return processOf(window) == process && className(window) == L"#32770";
}

}  // namespace

HWND waitForDialog(DWORD process, std::wstring_view title, int ms, HWND other)
{
    return waitForWindow(
        [&](HWND window) {
            return window != other && isDialogOf(window, process) && (title.empty() || windowText(window) == title);
        },
        ms);
}

std::vector<HWND> dialogsOf(DWORD process)
{
    std::vector<HWND> dialogs;
    for (HWND window : topLevelWindows()) {
        if (IsWindowVisible(window) && isDialogOf(window, process)) {
            dialogs.push_back(window);
        }
    }
    return dialogs;
}

bool waitGone(HWND window, int ms)
{
    return waitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

bool noDialogDuring(DWORD process, int ms)
{
    return !waitUntil([&] { return !dialogsOf(process).empty(); }, ms);
}

}  // namespace guitest
