// What the GUI test driver needs of Windows: start a program, find its windows, click and type, read a
// message box, read pixels, and the names in a folder (files are read and written with tests/ops/temp_folder.h).
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace guitest {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// How long the driver waits for a window to show or go, or for the screen to show something.
inline constexpr int waitMs = 10000;

// Polls `condition` every 20 ms until it holds (true) or `ms` have passed (false).
inline bool waitUntil(const std::function<bool()>& condition, int ms = waitMs)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// A process started in the folder of its program; ended by force if it still runs when the object goes.
class Process {
public:
    explicit Process(const std::wstring& exe)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\"";
        const std::wstring folder = fs::path(exe).parent_path().wstring();
        CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &info_);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process()
    {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    DWORD id() const { return info_.dwProcessId; }

    // The exit code once it has ended, waiting up to `ms`; STILL_ACTIVE while it runs.
    DWORD exitCode(int ms = waitMs)
    {
        DWORD code = STILL_ACTIVE;
        if (info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0) {
            GetExitCodeProcess(info_.hProcess, &code);
        }
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
};

// While it lives, stops every thread of the process but one for 190 ms of each 200: the work of a command
// takes twenty times as long on any machine, while the window thread answers as ever.
class Throttle {
public:
    Throttle(DWORD process, DWORD sparedThread)
        : thread_([this, process, sparedThread] {
              while (!stop_) {
                  std::vector<HANDLE> stopped;
                  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
                  THREADENTRY32 entry{};
                  entry.dwSize = sizeof entry;
                  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
                      const HANDLE thread = entry.th32OwnerProcessID == process && entry.th32ThreadID != sparedThread
                                                ? OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)
                                                : nullptr;
                      if (thread != nullptr && SuspendThread(thread) != static_cast<DWORD>(-1)) {
                          stopped.push_back(thread);
                      } else if (thread != nullptr) {
                          CloseHandle(thread);
                      }
                  }
                  CloseHandle(snapshot);
                  holding_ = true;
                  Sleep(190);
                  for (const HANDLE thread : stopped) {
                      ResumeThread(thread);
                      CloseHandle(thread);
                  }
                  Sleep(10);
              }
          })
    {
        // The threads are held before the constructor returns.
        waitUntil([&] { return holding_.load(); });
    }
    ~Throttle()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_ = false;
    std::atomic<bool> holding_ = false;
    std::thread thread_;
};

// SendMessage with a time limit: a hung program never holds the driver.
inline LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result);
    return static_cast<LRESULT>(result);
}

inline std::wstring windowText(HWND window)
{
    std::wstring text(4096, L'\0');
    sendTo(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find(L'\0'));
    return text;
}

inline std::wstring className(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

// The visible top-level windows of the process.
inline std::vector<HWND> windowsOf(DWORD process)
{
    std::pair<DWORD, std::vector<HWND>> found{process, {}};
    EnumWindows(
        [](HWND window, LPARAM list) {
            auto& [wanted, windows] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(list);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted && IsWindowVisible(window)) {
                windows.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.second;
}

// The first visible top-level window of the process that `wanted` accepts, waiting up to waitMs; or null.
inline HWND waitForWindow(DWORD process, const std::function<bool(HWND)>& wanted)
{
    HWND found = nullptr;
    waitUntil([&] {
        for (HWND window : windowsOf(process)) {
            found = wanted(window) ? window : found;
        }
        return found != nullptr;
    });
    return found;
}

// The visible dialogs (class #32770) of the process.
inline std::vector<HWND> dialogsOf(DWORD process)
{
    std::vector<HWND> dialogs = windowsOf(process);
    std::erase_if(dialogs, [](HWND window) { return className(window) != L"#32770"; });
    return dialogs;
}

// A click posted to a button: a click that starts a modal loop must never be sent.
inline void postClick(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

// The mouse and the keyboard as a person uses them (SendInput).
inline bool moveMouse(POINT screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Rounded up, so that the point maps back onto the same pixel.
    input.mi.dx = static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    return waitUntil([&] {
        POINT cursor{};
        return GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
    });
}

inline void mouseButton(bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

// The characters of the text, typed.
inline void typeText(std::wstring_view text)
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

inline void pressKey(WORD virtualKey)
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// Pixels as 0x00RRGGBB, row by row from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
    bool operator==(const Image&) const = default;
};

// Draws into a 32-bit picture of the size and reads it back.
inline Image drawn(int width, int height, const std::function<void(HDC)>& paint)
{
    Image image{width, height, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        paint(dc);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(first, first + static_cast<std::ptrdiff_t>(width) * height);
        for (auto& pixel : image.pixels) {
            pixel &= 0x00FFFFFF;
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    return image;
}

inline Image captureScreen(const RECT& rect)
{
    return drawn(rect.right - rect.left, rect.bottom - rect.top, [&](HDC dc) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left, rect.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// Runs `use` on the program file's resources.
inline void withResources(const std::wstring& exe, const std::function<void(HMODULE)>& use)
{
    if (HMODULE module =
            LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
        use(module);
        FreeLibrary(module);
    }
}

// A bitmap resource of a program file, by name.
inline std::optional<Image> bitmapResource(const std::wstring& exe, const std::wstring& name)
{
    std::optional<Image> result;
    withResources(exe, [&](HMODULE module) {
        auto bitmap = static_cast<HBITMAP>(LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP header{};
        if (bitmap != nullptr && GetObjectW(bitmap, sizeof header, &header) != 0) {
            result = drawn(header.bmWidth, header.bmHeight, [&](HDC dc) {
                HDC source = CreateCompatibleDC(dc);
                const HGDIOBJ previous = SelectObject(source, bitmap);
                BitBlt(dc, 0, 0, header.bmWidth, header.bmHeight, source, 0, 0, SRCCOPY);
                SelectObject(source, previous);
                DeleteDC(source);
            });
            DeleteObject(bitmap);
        }
    });
    return result;
}

// The caption of a dialog template of a program file.
inline std::wstring dialogCaption(const std::wstring& exe, const std::wstring& name)
{
    std::wstring caption;
    withResources(exe, [&](HMODULE module) {
        if (HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(5))) {
            // DLGTEMPLATE (9 words), the menu and the class (each 0, 0xFFFF and a number, or a text), the caption.
            const auto* word = static_cast<const WORD*>(LockResource(LoadResource(module, found))) + 9;
            for (int skipped = 0; skipped < 2; ++skipped) {
                word = *word == 0xFFFF ? word + 2 : word + wcslen(reinterpret_cast<const wchar_t*>(word)) + 1;
            }
            caption = reinterpret_cast<const wchar_t*>(word);
        }
    });
    return caption;
}

// The text of a message box (its static 0xFFFF).
inline std::wstring messageText(HWND box)
{
    return windowText(GetDlgItem(box, 0xFFFF));
}

// Which system icon a message box shows, told by its pixels: IDI_ERROR, IDI_WARNING, IDI_INFORMATION or null.
inline LPCWSTR messageIcon(HWND box)
{
    HWND icon = FindWindowExW(box, nullptr, L"Static", nullptr);
    while (icon != nullptr && (GetWindowLongW(icon, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        icon = FindWindowExW(box, icon, L"Static", nullptr);
    }
    RECT rect{};
    GetWindowRect(icon, &rect);
    const Image shown = captureScreen(rect);
    // The icon as the static draws it: at its top-left corner, at the system's size, over the box's background
    // (the colour just left of it).
    const std::uint32_t background = captureScreen(RECT{rect.left - 1, rect.top, rect.left, rect.top + 1}).at(0, 0);
    for (LPCWSTR which : {IDI_ERROR, IDI_WARNING, IDI_INFORMATION}) {
        const Image candidate = drawn(shown.width, shown.height, [&](HDC dc) {
            HBRUSH brush = CreateSolidBrush(RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF));
            const RECT all{0, 0, shown.width, shown.height};
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            DrawIconEx(dc, 0, 0, LoadIconW(nullptr, which), 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
        });
        if (!shown.pixels.empty() && candidate == shown) {
            return which;
        }
    }
    return nullptr;
}

// The names in a folder, files and folders.
inline std::set<std::wstring> folderNames(const fs::path& folder)
{
    std::set<std::wstring> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.insert(entry.path().filename().wstring());
    }
    return names;
}

}  // namespace guitest
