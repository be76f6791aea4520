// Pixels: what the screen shows, and what the program's bitmap resources hold.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace guitest {

// An image as 0x00RRGGBB values, row by row from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const
    {
        return pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
    }
    bool empty() const { return pixels.empty(); }
};

std::uint32_t rgb(int red, int green, int blue);
std::uint32_t fromColorRef(COLORREF colour);
std::string describe(std::uint32_t colour);

// The screen's pixels in a rectangle of screen coordinates.
Image captureScreen(const RECT& rect);
// One pixel of the screen.
std::uint32_t screenPixel(POINT point);

// A bitmap resource of a program file, by name (as the resource script names it).
std::optional<Image> bitmapResource(const std::wstring& exe, const std::wstring& name);

// How two images of one size differ: the count of differing pixels and the first of them.
struct Difference {
    int count = 0;
    POINT first{-1, -1};
    std::uint32_t expected = 0;
    std::uint32_t actual = 0;
};
// Pixels inside `ignore` (image coordinates; may be empty) are not compared.
Difference compareImages(const Image& expected, const Image& actual, const RECT& ignore = RECT{});
std::string describe(const Difference& difference);

// A 32-bit memory drawing surface whose pixels can be read back.
class Canvas {
public:
    explicit Canvas(const Image& start);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC dc() const { return dc_; }
    Image image() const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace guitest
