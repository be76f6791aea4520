#include "hover_label_view.h"

#include "app_texts.h"
#include "utf16.h"

#include <string>

namespace votrana {

namespace {

// A memory context with a bitmap selected into it, for the time of one copy.
class BitmapContext {
public:
    BitmapContext(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), previous_(SelectObject(dc_, bitmap))
    {
    }
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;
    ~BitmapContext()
    {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Copies the screen that the label is about to cover into a bitmap of that size.
void saveBackground(HoverLabelState& hover, HDC dc)
{
    const LabelRect& rect = hover.labelRect;
    hover.background = CreateCompatibleBitmap(dc, rect.coveredColumns(), rect.coveredRows());
    if (hover.background != nullptr) {
        const BitmapContext saved(dc, hover.background);
        BitBlt(saved.dc(), 0, 0, rect.coveredColumns(), rect.coveredRows(), dc, rect.left, rect.top, SRCCOPY);
    }
}

void restoreBackground(HoverLabelState& hover, HDC dc)
{
    if (hover.background == nullptr) {
        return;
    }
    const LabelRect& rect = hover.labelRect;
    {
        const BitmapContext saved(dc, hover.background);
        BitBlt(dc, rect.left, rect.top, rect.coveredColumns(), rect.coveredRows(), saved.dc(), 0, 0, SRCCOPY);
    }
    DeleteObject(hover.background);
    hover.background = nullptr;
}

void removeLabel(HoverLabelState& hover, HDC dc)
{
    restoreBackground(hover, dc);
    hover.labelRect = LabelRect{};
    hover.hoverLabel = 0;
}

void showLabel(Application& app, HDC dc, const LabelFont& font, int label)
{
    HoverLabelState& hover = app.hover;
    restoreBackground(hover, dc);
    const AppTexts& texts = appTextsFor(app.operations.japaneseUi);
    const std::wstring text = toWide(texts.labels.at(static_cast<std::size_t>(label - 1)));
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
    saveBackground(hover, dc);

    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    // Clipped to the inside of the box, so that nothing is drawn outside the saved area.
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
    const LabelFont font = labelFontFor(app.operations.japaneseUi, app.osVariant);
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

void releaseHoverLabel(HoverLabelState& hover)
{
    if (hover.background != nullptr) {
        DeleteObject(hover.background);
        hover.background = nullptr;
    }
}

}  // namespace votrana
