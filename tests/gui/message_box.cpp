#include "message_box.h"

#include "input.h"
#include "screen.h"
#include "window_search.h"

#include <array>
#include <utility>

namespace guitest {

namespace {

constexpr int messageTextId = 0xFFFF;

HWND iconStatic(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), L"Static") == 0 &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

// The icon as the static draws it: at its top-left corner, at the system's icon size, over the box's
// background.
Image renderIcon(LPCWSTR which, const Image& shown, std::uint32_t background)
{
    Image start = shown;
    for (auto& pixel : start.pixels) {
        pixel = background;
    }
    Canvas canvas(start);
    DrawIconEx(canvas.dc(), 0, 0, LoadIconW(nullptr, which), 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    return canvas.image();
}

}  // namespace

std::string_view iconName(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::none:
        return "no icon";
    case BoxIcon::error:
        return "error icon";
    case BoxIcon::warning:
        return "warning icon";
    case BoxIcon::information:
        return "information icon";
    case BoxIcon::unknown:
        break;
    }
    return "an unknown icon";
}

BoxIcon identifyIcon(HWND box)
{
    HWND icon = iconStatic(box);
    if (icon == nullptr) {
        return BoxIcon::none;
    }
    const RECT rect = windowRect(icon);
    const Image shown = captureScreen(rect);
    // The box's own background, just left of the icon.
    const std::uint32_t background = screenPixel(POINT{rect.left - 1, rect.top});
    const std::array<std::pair<LPCWSTR, BoxIcon>, 3> candidates{{
        {IDI_ERROR, BoxIcon::error},
        {IDI_WARNING, BoxIcon::warning},
        {IDI_INFORMATION, BoxIcon::information},
    }};
    for (const auto& [which, kind] : candidates) {
        if (compareImages(renderIcon(which, shown, background), shown).count == 0) {
            return kind;
        }
    }
    return BoxIcon::unknown;
}

MessageBoxContent readMessageBox(HWND box)
{
    MessageBoxContent content;
    content.window = box;
    content.caption = windowText(box);
    if (HWND text = GetDlgItem(box, messageTextId)) {
        content.text = windowText(text);
    }
    content.owner = ownerOf(box);
    content.systemModal = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    content.icon = identifyIcon(box);
    return content;
}

bool dismissMessageBox(HWND box)
{
    postClick(box, IDOK);
    return waitGone(box, 5000);
}

}  // namespace guitest
