#include "vga_sprite.h"

#include <string_view>

namespace artwork {

Canvas vgaSprite(const SpriteRows& rows)
{
    return spriteLayer(rows, [](char symbol) {
        constexpr std::string_view letters = "kmeonptsgrlybfaw";  // in palette order
        const std::size_t at = letters.find(symbol);
        return at == std::string_view::npos ? Canvas::clear : static_cast<std::uint8_t>(at);
    });
}

}  // namespace artwork
