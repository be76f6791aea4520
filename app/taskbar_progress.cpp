#include "taskbar_progress.h"

namespace votrana {

TaskbarProgress::TaskbarProgress(HWND window) : window_(window)
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    void* taskbar = nullptr;
    if (comStarted_ &&
        SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3, &taskbar))) {
        taskbar_ = static_cast<ITaskbarList3*>(taskbar);
        if (FAILED(taskbar_->HrInit())) {
            taskbar_->Release();
            taskbar_ = nullptr;
        }
    }
}

TaskbarProgress::~TaskbarProgress()
{
    if (taskbar_ != nullptr) {
        taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
        taskbar_->Release();
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void TaskbarProgress::show(std::uint64_t done, std::uint64_t total)
{
    if (taskbar_ != nullptr) {
        taskbar_->SetProgressValue(window_, done, total);
    }
}

}  // namespace votrana
