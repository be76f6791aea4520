#include "open_file_dialog.h"

#include "utf16.h"

#include <commdlg.h>

#include <string>

namespace votrana {

namespace {

// Room for the longest path that Windows knows, so no chosen name is ever cut.
constexpr DWORD fileBufferLength = 32768;

}  // namespace

FileDialogAnswer askForFile(HWND owner, const FileDialogRequest& request)
{
    const std::wstring title = toWide(request.title);
    std::wstring filter = toWide(request.filterName);
    filter += L'\0';
    filter += toWide(request.filterPattern);
    filter += L'\0';
    filter += L'\0';
    std::wstring file(fileBufferLength, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = fileBufferLength;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

    if (GetOpenFileNameW(&dialog)) {
        file.resize(file.find(L'\0'));
        return {FileDialogAnswer::Outcome::chosen, toUtf8(file), 0};
    }
    const DWORD error = CommDlgExtendedError();
    if (error == 0) {
        return {FileDialogAnswer::Outcome::cancelled, {}, 0};
    }
    return {FileDialogAnswer::Outcome::failed, {}, error};
}

}  // namespace votrana
