#include "canvas.h"

namespace artwork {

Canvas::Canvas(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Canvas::set(int x, int y, std::uint8_t colour)
{
    if (contains(x, y)) {
        pixels_[index(x, y)] = colour;
    }
}

void Canvas::fillRect(int left, int top, int width, int height, std::uint8_t colour)
{
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            set(x, y, colour);
        }
    }
}

void Canvas::horizontalLine(int left, int right, int y, std::uint8_t colour)
{
    for (int x = left; x <= right; ++x) {
        set(x, y, colour);
    }
}

void Canvas::verticalLine(int x, int top, int bottom, std::uint8_t colour)
{
    for (int y = top; y <= bottom; ++y) {
        set(x, y, colour);
    }
}

void Canvas::draw(const Canvas& layer, int left, int top)
{
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            if (layer.at(x, y) != clear) {
                set(left + x, top + y, layer.at(x, y));
            }
        }
    }
}

}  // namespace artwork
