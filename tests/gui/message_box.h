// Reading the program's message boxes: caption, text (the static with id 0xFFFF), icon, owner.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace guitest {

enum class BoxIcon { none, error, warning, information, unknown };
std::string_view iconName(BoxIcon icon);

struct MessageBoxContent {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    BoxIcon icon = BoxIcon::none;
    HWND owner = nullptr;
    bool systemModal = false;
};

MessageBoxContent readMessageBox(HWND box);
// Which system icon the box shows, by its pixels.
BoxIcon identifyIcon(HWND box);
// Presses the box's OK button and waits until it is gone.
bool dismissMessageBox(HWND box);

}  // namespace guitest
