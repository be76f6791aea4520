// VOTRA_95.EXE: codes a file so that it can be read back only with its key file, and decodes it
// again, in one small window. The command line is not used.
#include "application.h"
#include "icon_bar.h"
#include "main_window.h"

#include <memory>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    using namespace votrana;
    // Large (the codec's tables): on the heap, for the life of the process.
    const auto app = std::make_unique<Application>();
    app->appInstance = instance;
    if (!registerMainWindowClass(instance)) {
        return 0;
    }
    app->mainWindow = createMainWindow(*app);
    if (app->mainWindow == nullptr) {
        return 0;
    }
    ShowWindow(app->mainWindow, showCommand);
    UpdateWindow(app->mainWindow);
    if (registerIconBarClass(instance)) {
        app->iconBar = createIconBar(*app);
    }

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
