#include "program.h"

#include "input.h"
#include "report.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

std::unique_ptr<Process> Process::start(const std::wstring& exe, const std::wstring& folder)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        report().note(cat("CreateProcessW failed for ", utf8(exe), ": error ", GetLastError()));
        return nullptr;
    }
    return std::unique_ptr<Process>(new Process(info));
}

Process::~Process()
{
    if (running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<DWORD> Process::waitForExit(int ms)
{
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Process::running() const
{
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::unique_ptr<Program> Program::start(const std::wstring& exe, const std::wstring& folder)
{
    auto program = std::make_unique<Program>();
    program->process_ = Process::start(exe, folder);
    if (!program->process_) {
        return nullptr;
    }
    const DWORD id = program->id();
    program->main_ =
        waitForWindow([&](HWND window) { return processOf(window) == id && className(window) == mainWindowClass; });
    if (program->main_ == nullptr) {
        report().note("The program's main window did not show.");
        return nullptr;
    }
    // The icon bar comes right after the main window.
    waitUntil(
        [&] {
            program->iconBar_ = FindWindowExW(program->main_, nullptr, iconBarClass, nullptr);
            if (program->iconBar_ == nullptr) {
                return false;
            }
            for (int index = 0; index < votrana::iconButtonCount; ++index) {
                program->buttons_.at(static_cast<std::size_t>(index)) =
                    GetDlgItem(program->iconBar_, IDC_CODING_BUTTON + index);
            }
            return program->buttons_.back() != nullptr;
        },
        windowWaitMs);
    // Time for the first painting of the picture and the buttons.
    Sleep(200);
    return program;
}

POINT Program::buttonMiddle(int index) const
{
    RECT rect{};
    GetWindowRect(button(index), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT Program::client(int x, int y) const
{
    return onScreen(main_, x, y);
}

void Program::click(int index) const
{
    postClick(button(index));
}

std::optional<DWORD> Program::exitWithButton()
{
    click(exitButton);
    return process_->waitForExit(windowWaitMs);
}

}  // namespace guitest
