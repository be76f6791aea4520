#include "program_icon.h"

#include "palette.h"
#include "vga_sprite.h"

namespace artwork {
namespace {

const SpriteRows sheet32 = {
    "................................", "....kkkkkkkkkkkkkk..............", "....kwwwwwwwwwwwwkk.............",
    "....kwwwwwwwwwwwwksk............", "....kwwnnnwbbbwwwkssk...........", "....kwwwwwwwwwwwwksssk..........",
    "....kwwwwwwwwwwwwkssssk.........", "....kwwnnnwnnnwwwkkkkkkk........", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwnnnwnnnwbbbwnnnwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwbbbwnnnwnnnwnnnwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwnnnwbbbwnnnwbbbwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwnnnwnnnwbbbwnnnwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwnnnwnnnwnnnwnnnwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwbbbwnnnwnnnwbbbwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......",
    "....kwwwwwwwwwwwwwwwwwwkg.......", "....kwwwwwwwwwwwwwwwwwwkg.......", "....kkkkkkkkkkkkkkkkkkkkg.......",
    ".....gggggggggggggggggggg.......", "................................",
};

const SpriteRows key32 = {
    "...kkkkk............", "..kwwyyyk...........", ".kwyyyyyyk..........", "kwyykkkyyykkkkkkkkkk",
    "kyykwwwkyyyyyyyyyyyk", "kyykwwwkyyyyyyyyyyyk", "kyykwwwkyooooooooook", "kyyykkkyookkkyyokyok",
    ".kyyyyoook...kok.kok", "..kyyoook....kok.kok", "...kkkkk.....kkk.kkk",
};

const SpriteRows sheet16 = {
    "................", "..kkkkkkkkk.....", "..kwwwwwwwgk....", "..kwnnwbbwgsk...",
    "..kwwwwwwwgggk..", "..kwnnwnnwnnwk..", "..kwwwwwwwwwwkg.", "..kwbbwnnwnnwkg.",
    "..kwwwwwwwwwwkg.", "..kwnnwbbwnnwkg.", "..kwwwwwwwwwwkg.", "..kwwwwwwwwwwkg.",
    "..kwwwwwwwwwwkg.", "..kwwwwwwwwwwkg.", "..kkkkkkkkkkkkg.", "...gggggggggggg.",
};

const SpriteRows key16 = {
    ".kkk.......", "kyyyk......", "kywykkkkkkk", "kyyyyyyyyyk", ".kkkkkykyok", "......k.kk.",
};

Canvas sheetWithKey(const SpriteRows& sheet, const SpriteRows& key, int keyLeft, int keyTop)
{
    Canvas icon = vgaSprite(sheet);
    icon.draw(vgaSprite(key), keyLeft, keyTop);
    return icon;
}

}  // namespace

Canvas programIcon32()
{
    return sheetWithKey(sheet32, key32, 11, 19);
}

Canvas programIcon16()
{
    return sheetWithKey(sheet16, key16, 5, 9);
}

Bytes programIconFile()
{
    const Palette palette = standardPalette();
    const Canvas large = programIcon32();
    const Canvas small = programIcon16();
    return encodeIco({{large, palette}, {small, palette}});
}

}  // namespace artwork
