#include "input.h"

#include "window_search.h"

#include <vector>

namespace guitest {

namespace {

INPUT absoluteMove(POINT screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Rounded up, so that the point maps back onto the same pixel.
    input.mi.dx = static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void mouseButton(DWORD flag)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

}  // namespace

bool moveMouse(POINT screen)
{
    INPUT input = absoluteMove(screen);
    SendInput(1, &input, sizeof input);
    return waitUntil(
        [&] {
            POINT cursor{};
            GetCursorPos(&cursor);
            return cursor.x == screen.x && cursor.y == screen.y;
        },
        2000);
}

void clickAt(POINT screen)
{
    moveMouse(screen);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
}

void pressAt(POINT screen)
{
    moveMouse(screen);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
}

void releaseAt(POINT screen)
{
    moveMouse(screen);
    mouseButton(MOUSEEVENTF_LEFTUP);
}

void typeText(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressKey(WORD virtualKey)
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void postClick(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

void postClick(HWND dialog, int controlId)
{
    postClick(GetDlgItem(dialog, controlId));
}

bool clickCloseBox(HWND window)
{
    const RECT rect = windowRect(window);
    const int captionMiddle = rect.top + GetSystemMetrics(SM_CYFRAME) / 2 + GetSystemMetrics(SM_CYCAPTION) / 2;
    // From the right edge leftwards: the first point of the caption where the close box answers.
    for (int y : {captionMiddle, captionMiddle - 2, captionMiddle + 2}) {
        for (int x = rect.right - 2; x > rect.right - 80 && x > rect.left; --x) {
            DWORD_PTR hit = 0;
            if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit) &&
                hit == HTCLOSE) {
                // The middle of the close box: a few pixels further in.
                clickAt(POINT{x - 5, y});
                return true;
            }
        }
    }
    return false;
}

POINT onScreen(HWND window, int clientX, int clientY)
{
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace guitest
