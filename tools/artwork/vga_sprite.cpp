#include "vga_sprite.h"

#include <string_view>

namespace artwork {

Canvas vgaSprite(const SpriteRows& rows) {
    return spriteLayer(rows, [](char symbol) {
        constexpr std::string_view kLetters = "kmeonptsgrlybfaw";  // in palette order
        const std::size_t at = kLetters.find(symbol);
        return at == std::string_view::npos ? Canvas::kClear : static_cast<std::uint8_t>(at);
    });
}

}  // namespace artwork
