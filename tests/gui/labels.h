// The hover label that names the button under the mouse, as the driver expects to see it: drawn here in the
// font and text placement written down below, in the box that the program's rule gives (app/hover_label.h),
// over the pixels the screen showed before.
#pragma once

#include "screen.h"

#include <windows.h>

#include <string>

namespace guitest {

struct LabelStyle {
    std::wstring face;
    int height = 0;
    int charSet = 0;
    int textOffsetX = 0;
    int textOffsetY = 0;
    int extraWidth = 0;
};

// Japanese: 12-pixel "ＭＳゴシック"; English on the Windows 95 family: 12-pixel "Helv"; English on the NT
// family: 14-pixel "Helv", one pixel further right.
LabelStyle labelStyle(bool japanese, bool windows95Family);

// The band of the main window (in window coordinates) that every label lies in, with room around it.
RECT labelBand();

// `background` is the band as the screen showed it without a label; the result is the band with the
// label drawn.
Image bandWithLabel(const Image& background, int label, const std::wstring& text, const LabelStyle& style);

}  // namespace guitest
