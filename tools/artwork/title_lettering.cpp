#include "title_lettering.h"

#include <functional>
#include <vector>

#include "shapes.h"

namespace artwork {
namespace {

constexpr int capHeight = 30;
constexpr int xHeight = 22;
constexpr int stem = 6;  // width of upright strokes
constexpr int bar = 5;   // thickness of horizontal strokes and of round tops and bottoms
constexpr int xTop = capHeight - xHeight;
constexpr int glyphHeight = capHeight + 1;  // one row for the overshoot of round letters
constexpr int letterGap = 3;

struct Glyph {
    int width;
    std::function<bool(int x, int y)> ink;
};

bool ring(int x, int y, int left, int top, int width, int height)
{
    return insideEllipse(x, y, left, top, width, height) &&
           !insideEllipse(x, y, left + stem, top + bar, width - 2 * stem, height - 2 * bar);
}

constexpr int vWidth = 30;
constexpr int vFoot = 8;    // width of the flat point at the baseline
constexpr int vStroke = 8;  // horizontal width of each arm

Glyph capitalV()
{
    return {vWidth, [](int x, int y) {
                // The left arm's outer edge runs from (0, 0) to the foot; the right arm mirrors it.
                const int edge = (y * ((vWidth - vFoot) / 2) + (capHeight - 1) / 2) / (capHeight - 1);
                const int mirrored = vWidth - 1 - x;
                return y < capHeight &&
                       ((x >= edge && x < edge + vStroke) || (mirrored >= edge && mirrored < edge + vStroke));
            }};
}

// The round letters share one bowl: the x-height plus one row of overshoot above and below.
constexpr int bowlWidth = 23;
constexpr int bowlTop = xTop - 1;
constexpr int bowlHeight = xHeight + 2;

Glyph smallO()
{
    return {bowlWidth, [](int x, int y) { return ring(x, y, 0, bowlTop, bowlWidth, bowlHeight); }};
}

Glyph smallA()
{
    return {bowlWidth, [](int x, int y) {
                const bool upright = x >= bowlWidth - stem && y >= xTop && y < capHeight;
                return upright || ring(x, y, 0, bowlTop, bowlWidth, bowlHeight);
            }};
}

// The arch of n and r: the upper half of a ring as wide as the letter.
constexpr int archWidth = 21;
constexpr int archHeight = 22;

bool arch(int x, int y)
{
    return y < bowlTop + archHeight / 2 && ring(x, y, 0, bowlTop, archWidth, archHeight);
}

Glyph smallN()
{
    return {archWidth, [](int x, int y) {
                const bool leftStem = x < stem && y >= xTop && y < capHeight;
                const bool rightStem = x >= archWidth - stem && y >= bowlTop + archHeight / 2 && y < capHeight;
                return leftStem || rightStem || arch(x, y);
            }};
}

constexpr int rWidth = 15;
constexpr int rArmDepth = 9;  // rows of the arch that r keeps

Glyph smallR()
{
    return {rWidth, [](int x, int y) {
                const bool upright = x < stem && y >= xTop && y < capHeight;
                return upright || (x < rWidth && arch(x, y) && y < bowlTop + rArmDepth);
            }};
}

constexpr int tWidth = 15;
constexpr int tStemLeft = 4;
constexpr int tTop = xTop - 7;

Glyph smallT()
{
    return {tWidth, [](int x, int y) {
                const bool upright = x >= tStemLeft && x < tStemLeft + stem && y >= tTop && y < capHeight;
                const bool crossbar = y >= xTop && y < xTop + bar;
                return upright || crossbar;
            }};
}

}  // namespace

Canvas titleLettering(std::uint8_t ink)
{
    // V's point leaves room under its arms; the next letter moves in under it.
    const std::vector<std::pair<Glyph, int>> letters = {
        {capitalV(), 0}, {smallO(), -5}, {smallT(), 0}, {smallR(), 0}, {smallA(), 0}, {smallN(), 0}, {smallA(), 0},
    };
    int width = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        width += letters[i].first.width + letters[i].second + (i == 0 ? 0 : letterGap);
    }
    Canvas layer(width, glyphHeight, Canvas::clear);
    int left = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const auto& [glyph, kerning] = letters[i];
        left += kerning + (i == 0 ? 0 : letterGap);
        for (int y = 0; y < glyphHeight; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                if (glyph.ink(x, y)) {
                    layer.set(left + x, y, ink);
                }
            }
        }
        left += glyph.width;
    }
    return layer;
}

}  // namespace artwork
