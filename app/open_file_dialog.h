// The system's open-file dialog with one filter, as the commands and the Browse button use it.
#pragma once

#include "platform.h"

#include <windows.h>

namespace votrana {

// The file need not exist, but its folder must.
FileDialogAnswer askForFile(HWND owner, const FileDialogRequest& request);

}  // namespace votrana
