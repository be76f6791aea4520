#include "screen.h"

#include "text.h"

#include <cstdio>
#include <cstring>

namespace guitest {

namespace {

BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

std::uint32_t rgb(int red, int green, int blue)
{
    return (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
           static_cast<std::uint32_t>(blue);
}

std::uint32_t fromColorRef(COLORREF colour)
{
    return rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

std::string describe(std::uint32_t colour)
{
    return cat("(", (colour >> 16) & 0xFF, ",", (colour >> 8) & 0xFF, ",", colour & 0xFF, ")");
}

Canvas::Canvas(const Image& start) : width_(start.width), height_(start.height)
{
    const BITMAPINFO info = topDown32(width_, height_);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    if (bits_ != nullptr && !start.pixels.empty()) {
        std::memcpy(bits_, start.pixels.data(), start.pixels.size() * sizeof(std::uint32_t));
    }
}

Canvas::~Canvas()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Image Canvas::image() const
{
    GdiFlush();
    Image result{width_, height_, {}};
    result.pixels.assign(bits_, bits_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (auto& pixel : result.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return result;
}

Image captureScreen(const RECT& rect)
{
    Image blank{rect.right - rect.left, rect.bottom - rect.top, {}};
    if (blank.width <= 0 || blank.height <= 0) {
        return {};
    }
    blank.pixels.assign(static_cast<std::size_t>(blank.width) * static_cast<std::size_t>(blank.height), 0);
    Canvas canvas(blank);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, blank.width, blank.height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.image();
}

std::uint32_t screenPixel(POINT point)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return fromColorRef(colour);
}

std::optional<Image> bitmapResource(const std::wstring& exe, const std::wstring& name)
{
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return std::nullopt;
    }
    auto bitmap = static_cast<HBITMAP>(LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    std::optional<Image> result;
    if (bitmap != nullptr) {
        BITMAP header{};
        GetObjectW(bitmap, sizeof header, &header);
        Image image{header.bmWidth, header.bmHeight, {}};
        image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
        BITMAPINFO info = topDown32(image.width, image.height);
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info, DIB_RGB_COLORS) ==
            image.height) {
            for (auto& pixel : image.pixels) {
                pixel &= 0x00FFFFFF;
            }
            result = std::move(image);
        }
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    FreeLibrary(module);
    return result;
}

Difference compareImages(const Image& expected, const Image& actual, const RECT& ignore)
{
    Difference difference;
    if (expected.width != actual.width || expected.height != actual.height) {
        difference.count = -1;
        return difference;
    }
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const POINT point{x, y};
            if (PtInRect(&ignore, point)) {
                continue;
            }
            if (expected.at(x, y) != actual.at(x, y)) {
                if (difference.count++ == 0) {
                    difference.first = point;
                    difference.expected = expected.at(x, y);
                    difference.actual = actual.at(x, y);
                }
            }
        }
    }
    return difference;
}

std::string describe(const Difference& difference)
{
    if (difference.count < 0) {
        return "the sizes differ";
    }
    if (difference.count == 0) {
        return "all pixels equal";
    }
    return cat(difference.count, " pixels differ, the first at (", difference.first.x, ",", difference.first.y,
               "): expected ", describe(difference.expected), ", shown ", describe(difference.actual));
}

}  // namespace guitest
