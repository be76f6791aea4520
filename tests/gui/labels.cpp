#include "labels.h"

#include "hover_label.h"

namespace guitest {

namespace {

class LabelFont {
public:
    LabelFont(HDC dc, const LabelStyle& style)
        : dc_(dc),
          font_(CreateFontW(style.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(style.charSet), 0,
                            0, 0, 0, style.face.c_str())),
          previous_(SelectObject(dc, font_))
    {
    }
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;
    ~LabelFont()
    {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

votrana::LabelMeasures systemMeasures()
{
    votrana::LabelMeasures measures;
    measures.cxBorder = GetSystemMetrics(SM_CXBORDER);
    measures.cyBorder = GetSystemMetrics(SM_CYBORDER);
    measures.cyCaption = GetSystemMetrics(SM_CYCAPTION);
    return measures;
}

// The box as the program's rule places it for the text measured in `dc`.
RECT boxMeasuredIn(HDC dc, int label, const std::wstring& text, const LabelStyle& style)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    votrana::LabelMeasures measures = systemMeasures();
    measures.textWidth = extent.cx;
    measures.textHeight = metrics.tmHeight;
    measures.externalLeading = metrics.tmExternalLeading;
    votrana::LabelFont font;
    font.extraWidth = style.extraWidth;
    const votrana::LabelRect box = votrana::labelRectFor(label, font, measures);
    return RECT{box.left, box.top, box.right, box.bottom};
}

}  // namespace

LabelStyle labelStyle(bool japanese, bool windows95Family)
{
    if (japanese) {
        return {L"ＭＳゴシック", 12, SHIFTJIS_CHARSET, 0, 0, 1};
    }
    if (windows95Family) {
        return {L"Helv", 12, OEM_CHARSET, 0, -1, 2};
    }
    return {L"Helv", 14, OEM_CHARSET, 1, -1, 2};
}

RECT labelBand()
{
    const int top = votrana::labelRectFor(1, {}, systemMeasures()).top;
    return RECT{0, top - 4, 336, top + 36};
}

Image bandWithLabel(const Image& background, int label, const std::wstring& text, const LabelStyle& style)
{
    const RECT band = labelBand();
    Canvas canvas(background);
    HDC dc = canvas.dc();
    // The band's top-left corner is the canvas's origin.
    SetViewportOrgEx(dc, -band.left, -band.top, nullptr);
    const LabelFont font(dc, style);
    const RECT box = boxMeasuredIn(dc, label, text, style);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, box.left + style.textOffsetX + 3, box.top + style.textOffsetY + 3, text.c_str(),
             static_cast<int>(text.size()));
    return canvas.image();
}

}  // namespace guitest
