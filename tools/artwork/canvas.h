#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

// A picture of palette indices, row 0 at the top.
class Canvas {
public:
    // Marks pixels of a layer that let what lies below show through.
    static constexpr std::uint8_t clear = 0xFF;

    Canvas(int width, int height, std::uint8_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t at(int x, int y) const { return pixels_[index(x, y)]; }
    // Outside the canvas nothing is drawn, so shapes may run over the edges.
    void set(int x, int y, std::uint8_t colour);

    void fillRect(int left, int top, int width, int height, std::uint8_t colour);
    void horizontalLine(int left, int right, int y, std::uint8_t colour);
    void verticalLine(int x, int top, int bottom, std::uint8_t colour);

    // Copies every pixel of `layer` that is not clear, with its top-left corner at (left, top).
    void draw(const Canvas& layer, int left, int top);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace artwork
