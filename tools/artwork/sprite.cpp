#include "sprite.h"

#include <stdexcept>
#include <string>

namespace artwork {

Canvas spriteLayer(const SpriteRows& rows, const ColourOf& colourOf)
{
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    Canvas layer(width, static_cast<int>(rows.size()), Canvas::clear);
    for (int y = 0; y < layer.height(); ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != width) {
            throw std::logic_error("sprite row " + std::to_string(y) + " is " + std::to_string(row.size()) +
                                   " wide, not " + std::to_string(width));
        }
        for (int x = 0; x < width; ++x) {
            layer.set(x, y, colourOf(row[static_cast<std::size_t>(x)]));
        }
    }
    return layer;
}

Canvas inkSprite(const SpriteRows& rows, std::uint8_t ink)
{
    return spriteLayer(rows, [ink](char symbol) { return symbol == '#' ? ink : Canvas::clear; });
}

}  // namespace artwork
