#include "application.h"

namespace votrana {

Application* applicationOf(HWND window)
{
    return reinterpret_cast<Application*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void keepApplication(HWND window, LPARAM createStruct)
{
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createStruct);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

}  // namespace votrana
