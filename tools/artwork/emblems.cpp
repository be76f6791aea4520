#include "emblems.h"

#include "palette.h"
#include "sprite.h"

namespace artwork {
namespace {

// Sprite letters name the part a pixel belongs to:
//   o outline, f fill, s shade, l light, m mark (letter or arrow), k opening, n knob.
// Outlines and marks are what remains of an emblem in the etched look.

const SpriteRows codingRows = {
    "......oooooooooo......", "....ooffffffffffoo....", "..oolllffmmmmfffffoo..", ".ollffffmmffmmfffffso.",
    "ollffffmmffffmmffffsso", "olfffffmmffffffffffsso", "offffffmmffffffffffsso", "offffffmmffffffffffsso",
    "offffffmmffffffffffsso", "offffffmmffffmmffffsso", ".offffffmmffmmfffssso.", "..oofffffmmmmffsssoo..",
    "....ooffssssssssoo....", "......oooooooooo......",
};

const SpriteRows decodingRows = {
    "......oooooooooo......", "....ooffffffffffoo....", "..oolllmmmmmffffffoo..", ".ollfffmmffmmfffffffo.",
    "ollffffmmfffmmfffffffo", "olfffffmmffffmmffffffo", "offffffmmffffmmffffffo", "offffffmmffffmmffffffo",
    "offffffmmffffmmffffffo", "offffffmmfffmmfffffffo", ".offfffmmffmmfffffffo.", "..oofffmmmmmffffffoo..",
    "....ooffffffffffoo....", "......oooooooooo......",
};

const SpriteRows aboutRows = {
    ".......oooo.......", ".......ollo.......", "......offfso......", "......offfso......", ".....offmmfso.....",
    ".....offmmfso.....", "....offfffffso....", "....offmmmffso....", "...offffmmfffso...", "...offffmmfffso...",
    "..offfffmmffffso..", "..offfffmmffffso..", ".offfffmmmmffffso.", ".osssssssssssssso.", "oooooooooooooooooo",
};

const SpriteRows helpRows = {
    ".....oooooo.....", "...oollfffsoo...", "..ollfffffffso..", ".olfffmmmmfffso.", ".olffmmffmmffso.",
    "offffffffmmfffso", "offfffffmmffffso", "offffffmmfffffso", "offffffmmfffffso", "offfffffffffffso",
    ".offfffmmffffso.", ".offfffmmfffsso.", "..offffffsssso..", "...oossssssoo...", ".....oooooo.....",
};

const SpriteRows exitRows = {
    "......................oooo", "...........ooooooooooooffo", "...........okkkkkkkosffffo",
    ".....m.....okkkkkkkosffffo", ".....mm....okkkkkkkosffffo", ".....mmm...okkkkkkkosffffo",
    "mmmmmmmmm..okkkkkkkosffffo", "mmmmmmmmmm.okkkkkkkosffnfo", "mmmmmmmmm..okkkkkkkosffffo",
    ".....mmm...okkkkkkkosffffo", ".....mm....okkkkkkkosffffo", ".....m.....okkkkkkkosffffo",
    "...........okkkkkkkosffffo", "...........ooooooooooooffo", "......................oooo",
};

struct PartColours {
    std::uint8_t outline, fill, shade, light, mark, opening, knob;
};

const PartColours codingColours = {black, red, maroon, white, black, 0, 0};
const PartColours decodingColours = {black, black, black, grey, red, 0, 0};
const PartColours aboutColours = {black, yellow, olive, white, blue, 0, 0};
const PartColours helpColours = {black, green, green, lime, yellow, 0, 0};
const PartColours exitColours = {black, red, maroon, white, black, navy, yellow};

std::uint8_t colouredPart(char part, const PartColours& colours)
{
    switch (part) {
    case 'o':
        return colours.outline;
    case 'f':
        return colours.fill;
    case 's':
        return colours.shade;
    case 'l':
        return colours.light;
    case 'm':
        return colours.mark;
    case 'k':
        return colours.opening;
    case 'n':
        return colours.knob;
    default:
        return Canvas::clear;
    }
}

std::uint8_t etchedPart(char part)
{
    return part == 'o' || part == 'm' ? static_cast<std::uint8_t>(grey) : Canvas::clear;
}

// The classic disabled relief: each grey pixel casts white one pixel down and right.
Canvas withRelief(const Canvas& etched)
{
    Canvas relief(etched.width() + 1, etched.height() + 1, Canvas::clear);
    for (int y = 0; y < etched.height(); ++y) {
        for (int x = 0; x < etched.width(); ++x) {
            if (etched.at(x, y) == grey) {
                relief.set(x + 1, y + 1, white);
            }
        }
    }
    relief.draw(etched, 0, 0);
    return relief;
}

}  // namespace

Canvas emblemLayer(Emblem emblem, EmblemLook look)
{
    const SpriteRows* rows = nullptr;
    const PartColours* colours = nullptr;
    switch (emblem) {
    case Emblem::Coding:
        rows = &codingRows;
        colours = &codingColours;
        break;
    case Emblem::Decoding:
        rows = &decodingRows;
        colours = &decodingColours;
        break;
    case Emblem::About:
        rows = &aboutRows;
        colours = &aboutColours;
        break;
    case Emblem::Help:
        rows = &helpRows;
        colours = &helpColours;
        break;
    case Emblem::Exit:
        rows = &exitRows;
        colours = &exitColours;
        break;
    }
    if (look == EmblemLook::Etched) {
        return withRelief(spriteLayer(*rows, etchedPart));
    }
    return spriteLayer(*rows, [colours](char part) { return colouredPart(part, *colours); });
}

}  // namespace artwork
