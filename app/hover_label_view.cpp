#include "hover_label_view.h"

#include "app_texts.h"
#include "utf16.h"

#include <string>

namespace votrana {

namespace {

void saveLabelPixels(HoverLabelState& hover, HDC dc)
{
    hover.labelPixels.save(hover.labelRect, [dc](int x, int y) { return GetPixel(dc, x, y); });
}

void restoreLabelPixels(const HoverLabelState& hover, HDC dc)
{
    hover.labelPixels.restore(hover.labelRect,
                              [dc](int x, int y, COLORREF colour) { SetPixelV(dc, x, y, colour); });
}

void removeLabel(HoverLabelState& hover, HDC dc)
{
    restoreLabelPixels(hover, dc);
    hover.labelRect = LabelRect{};
    hover.hoverLabel = 0;
}

void showLabel(Application& app, HDC dc, const LabelFont& font, int label)
{
    HoverLabelState& hover = app.hover;
    if (!hover.labelRect.empty()) {
        restoreLabelPixels(hover, dc);
    }
    const std::wstring text = toWide(appTextsFor(app.facts.japaneseUi).labels.at(static_cast<std::size_t>(label - 1)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const LabelMeasures measures{.cxBorder = GetSystemMetrics(SM_CXBORDER),
                                 .cyBorder = GetSystemMetrics(SM_CYBORDER),
                                 .cyCaption = GetSystemMetrics(SM_CYCAPTION),
                                 .textWidth = extent.cx,
                                 .textHeight = metrics.tmHeight,
                                 .externalLeading = metrics.tmExternalLeading};
    const LabelRect rect = labelRectFor(label, font, measures);
    hover.labelRect = rect;
    saveLabelPixels(hover, dc);

    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    // Clipped to the inside of the box, so that nothing is drawn where no pixel was saved.
    const RECT inside{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    ExtTextOutW(dc, rect.left + font.textOffsetX + 3, rect.top + font.textOffsetY + 3, ETO_CLIPPED, &inside,
                text.c_str(), static_cast<UINT>(text.size()), nullptr);
    hover.hoverLabel = label;
}

HFONT createLabelFont(const LabelFont& font)
{
    return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, static_cast<DWORD>(font.charSet), 0, 0,
                       0, 0, toWide(font.face).c_str());
}

}  // namespace

void updateHoverLabel(Application& app, HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    if (GetActiveWindow() == nullptr || !IsWindowEnabled(window)) {
        return;
    }
    const HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return;
    }
    const LabelFont font = labelFontFor(app.facts.japaneseUi, app.facts.osVariant);
    const HFONT labelFont = createLabelFont(font);
    const HGDIOBJ previousFont = SelectObject(dc, labelFont);

    const int label = hoverLabelAt(cursor.x, cursor.y, GetSystemMetrics(SM_CYBORDER));
    if (label == 0) {
        if (app.hover.hoverLabel != 0) {
            removeLabel(app.hover, dc);
        }
    } else if (label != app.hover.hoverLabel) {
        showLabel(app, dc, font, label);
    }

    SelectObject(dc, previousFont);
    DeleteObject(labelFont);
    ReleaseDC(window, dc);
}

void eraseHoverLabel(Application& app, HWND window)
{
    if (app.hover.hoverLabel == 0) {
        return;
    }
    const HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return;
    }
    removeLabel(app.hover, dc);
    ReleaseDC(window, dc);
}

}  // namespace votrana
