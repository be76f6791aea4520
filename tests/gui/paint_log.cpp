#include "paint_log.h"

#include <string>

namespace guitest {

namespace {

// paint_watch.dll lies beside the driver.
std::wstring libraryPath()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"paint_watch.dll";
}

}  // namespace

PaintLogReader::PaintLogReader(HWND mainWindow)
{
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(PaintLog), paintLogName);
    if (mapping_ != nullptr) {
        log_ = static_cast<PaintLog*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(PaintLog)));
    }
    library_ = LoadLibraryW(libraryPath().c_str());
    const auto procedure =
        library_ != nullptr
            ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_, "watchPaints")))
            : nullptr;
    const DWORD thread = GetWindowThreadProcessId(mainWindow, nullptr);
    if (procedure != nullptr && thread != 0) {
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, procedure, library_, thread);
    }
    clear();
}

PaintLogReader::~PaintLogReader()
{
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
    }
    if (library_ != nullptr) {
        FreeLibrary(library_);
    }
    if (log_ != nullptr) {
        UnmapViewOfFile(log_);
    }
    if (mapping_ != nullptr) {
        CloseHandle(mapping_);
    }
}

void PaintLogReader::clear()
{
    if (log_ != nullptr) {
        log_->count = 0;
        log_->setCursorCount = 0;
    }
}

std::vector<RECT> PaintLogReader::areas() const
{
    std::vector<RECT> result;
    if (log_ == nullptr) {
        return result;
    }
    const LONG count = log_->count < paintLogSize ? log_->count : paintLogSize;
    for (LONG i = 0; i < count; ++i) {
        result.push_back(log_->areas[i]);
    }
    return result;
}

}  // namespace guitest
