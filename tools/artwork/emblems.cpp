#include "emblems.h"

#include "palette.h"
#include "sprite.h"

namespace artwork {
namespace {

// Sprite letters name the part a pixel belongs to:
//   o outline, f fill, s shade, l light, m mark (letter or arrow), k opening, n knob.
// Outlines and marks are what remains of an emblem in the etched look.

const SpriteRows kCodingRows = {
    "......oooooooooo......",
    "....ooffffffffffoo....",
    "..oolllffmmmmfffffoo..",
    ".ollffffmmffmmfffffso.",
    "ollffffmmffffmmffffsso",
    "olfffffmmffffffffffsso",
    "offffffmmffffffffffsso",
    "offffffmmffffffffffsso",
    "offffffmmffffffffffsso",
    "offffffmmffffmmffffsso",
    ".offffffmmffmmfffssso.",
    "..oofffffmmmmffsssoo..",
    "....ooffssssssssoo....",
    "......oooooooooo......",
};

const SpriteRows kDecodingRows = {
    "......oooooooooo......",
    "....ooffffffffffoo....",
    "..oolllmmmmmffffffoo..",
    ".ollfffmmffmmfffffffo.",
    "ollffffmmfffmmfffffffo",
    "olfffffmmffffmmffffffo",
    "offffffmmffffmmffffffo",
    "offffffmmffffmmffffffo",
    "offffffmmffffmmffffffo",
    "offffffmmfffmmfffffffo",
    ".offfffmmffmmfffffffo.",
    "..oofffmmmmmffffffoo..",
    "....ooffffffffffoo....",
    "......oooooooooo......",
};

const SpriteRows kAboutRows = {
    ".......oooo.......",
    ".......ollo.......",
    "......offfso......",
    "......offfso......",
    ".....offmmfso.....",
    ".....offmmfso.....",
    "....offfffffso....",
    "....offmmmffso....",
    "...offffmmfffso...",
    "...offffmmfffso...",
    "..offfffmmffffso..",
    "..offfffmmffffso..",
    ".offfffmmmmffffso.",
    ".osssssssssssssso.",
    "oooooooooooooooooo",
};

const SpriteRows kHelpRows = {
    ".....oooooo.....",
    "...oollfffsoo...",
    "..ollfffffffso..",
    ".olfffmmmmfffso.",
    ".olffmmffmmffso.",
    "offffffffmmfffso",
    "offfffffmmffffso",
    "offffffmmfffffso",
    "offffffmmfffffso",
    "offfffffffffffso",
    ".offfffmmffffso.",
    ".offfffmmfffsso.",
    "..offffffsssso..",
    "...oossssssoo...",
    ".....oooooo.....",
};

const SpriteRows kExitRows = {
    "......................oooo",
    "...........ooooooooooooffo",
    "...........okkkkkkkosffffo",
    ".....m.....okkkkkkkosffffo",
    ".....mm....okkkkkkkosffffo",
    ".....mmm...okkkkkkkosffffo",
    "mmmmmmmmm..okkkkkkkosffffo",
    "mmmmmmmmmm.okkkkkkkosffnfo",
    "mmmmmmmmm..okkkkkkkosffffo",
    ".....mmm...okkkkkkkosffffo",
    ".....mm....okkkkkkkosffffo",
    ".....m.....okkkkkkkosffffo",
    "...........okkkkkkkosffffo",
    "...........ooooooooooooffo",
    "......................oooo",
};

struct PartColours {
    std::uint8_t outline, fill, shade, light, mark, opening, knob;
};

const PartColours kCodingColours = {kBlack, kRed, kMaroon, kWhite, kBlack, 0, 0};
const PartColours kDecodingColours = {kBlack, kBlack, kBlack, kGrey, kRed, 0, 0};
const PartColours kAboutColours = {kBlack, kYellow, kOlive, kWhite, kBlue, 0, 0};
const PartColours kHelpColours = {kBlack, kGreen, kGreen, kLime, kYellow, 0, 0};
const PartColours kExitColours = {kBlack, kRed, kMaroon, kWhite, kBlack, kNavy, kYellow};

std::uint8_t colouredPart(char part, const PartColours& colours) {
    switch (part) {
        case 'o': return colours.outline;
        case 'f': return colours.fill;
        case 's': return colours.shade;
        case 'l': return colours.light;
        case 'm': return colours.mark;
        case 'k': return colours.opening;
        case 'n': return colours.knob;
        default: return Canvas::kClear;
    }
}

std::uint8_t etchedPart(char part) {
    return part == 'o' || part == 'm' ? static_cast<std::uint8_t>(kGrey) : Canvas::kClear;
}

// The classic disabled relief: each grey pixel casts white one pixel down and right.
Canvas withRelief(const Canvas& etched) {
    Canvas relief(etched.width() + 1, etched.height() + 1, Canvas::kClear);
    for (int y = 0; y < etched.height(); ++y) {
        for (int x = 0; x < etched.width(); ++x) {
            if (etched.at(x, y) == kGrey) {
                relief.set(x + 1, y + 1, kWhite);
            }
        }
    }
    relief.draw(etched, 0, 0);
    return relief;
}

}  // namespace

Canvas emblemLayer(Emblem emblem, EmblemLook look) {
    const SpriteRows* rows = nullptr;
    const PartColours* colours = nullptr;
    switch (emblem) {
        case Emblem::Coding: rows = &kCodingRows; colours = &kCodingColours; break;
        case Emblem::Decoding: rows = &kDecodingRows; colours = &kDecodingColours; break;
        case Emblem::About: rows = &kAboutRows; colours = &kAboutColours; break;
        case Emblem::Help: rows = &kHelpRows; colours = &kHelpColours; break;
        case Emblem::Exit: rows = &kExitRows; colours = &kExitColours; break;
    }
    if (look == EmblemLook::Etched) {
        return withRelief(spriteLayer(*rows, etchedPart));
    }
    return spriteLayer(*rows, [colours](char part) { return colouredPart(part, *colours); });
}

}  // namespace artwork
