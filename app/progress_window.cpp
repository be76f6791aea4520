#include "progress_window.h"

#include "app_texts.h"
#include "resource_ids.h"
#include "utf16.h"

#include <commctrl.h>

namespace votrana {

namespace {

// The bar moves in steps of a thousandth.
constexpr int barSteps = 1000;

// Over the middle of the main window, which it stands for while it shows.
void centreOverOwner(HWND window, HWND owner)
{
    RECT ownerArea{};
    RECT area{};
    GetWindowRect(owner, &ownerArea);
    GetWindowRect(window, &area);
    const int x = (ownerArea.left + ownerArea.right - (area.right - area.left)) / 2;
    const int y = (ownerArea.top + ownerArea.bottom - (area.bottom - area.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int barPosition(std::uint64_t done, std::uint64_t total)
{
    if (total == 0 || done >= total) {
        return barSteps;
    }
    return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * barSteps);
}

}  // namespace

void ProgressWindow::show(WorkStage stage, const std::string& fileName, std::uint64_t done, std::uint64_t total)
{
    if (window_ == nullptr && !open()) {
        return;
    }
    if (shownStage_ != stage) {
        showStage(stage, fileName);
    }
    const int position = barPosition(done, total);
    if (position != position_) {
        position_ = position;
        SendDlgItemMessageW(window_, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        taskbar_->show(done, total);
    }
}

void ProgressWindow::close()
{
    if (window_ == nullptr) {
        return;
    }
    taskbar_.reset();
    // Enabled before this window goes, so that the system gives the activation back to it.
    EnableWindow(setup_.owner, TRUE);
    DestroyWindow(window_);
    window_ = nullptr;
    shownStage_.reset();
    position_ = -1;
}

bool ProgressWindow::open()
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const wchar_t* const templateName =
        setup_.japaneseUi ? VOTRANA_WIDE(PROGRESS_DLG_J_NAME) : VOTRANA_WIDE(PROGRESS_DLG_NAME);
    window_ =
        CreateDialogParamW(setup_.instance, templateName, setup_.owner, dialogProc, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return false;
    }
    centreOverOwner(window_, setup_.owner);
    SendDlgItemMessageW(window_, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, barSteps);
    if (cancelled_) {
        EnableWindow(GetDlgItem(window_, IDCANCEL), FALSE);
    }
    taskbar_ = std::make_unique<TaskbarProgress>(setup_.owner);
    ShowWindow(window_, SW_SHOW);
    return true;
}

void ProgressWindow::showStage(WorkStage stage, const std::string& fileName)
{
    const AppTexts& texts = appTextsFor(setup_.japaneseUi);
    const std::string_view title = texts.labels.at(stage == WorkStage::coding ? 0 : 1);
    SetWindowTextW(window_, toWide(title).c_str());
    SetDlgItemTextW(window_, IDC_PROGRESS_STAGE, toWide(texts.workStages.at(static_cast<std::size_t>(stage))).c_str());
    SetDlgItemTextW(window_, IDC_PROGRESS_FILE, toWide(fileName).c_str());
    shownStage_ = stage;
}

void ProgressWindow::cancel()
{
    cancelled_ = true;
    // Asked once; the work stops at its next block.
    EnableWindow(GetDlgItem(window_, IDCANCEL), FALSE);
}

INT_PTR CALLBACK ProgressWindow::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        // Cancel, Esc, and the close box (which the dialog turns into Cancel while it is enabled).
        if (LOWORD(wParam) == IDCANCEL) {
            if (auto* self = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrW(window, DWLP_USER))) {
                self->cancel();
            }
        }
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace votrana
