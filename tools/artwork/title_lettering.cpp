#include "title_lettering.h"

#include <functional>
#include <vector>

#include "shapes.h"

namespace artwork {
namespace {

constexpr int kCapHeight = 30;
constexpr int kXHeight = 22;
constexpr int kStem = 6;        // width of upright strokes
constexpr int kBar = 5;         // thickness of horizontal strokes and of round tops and bottoms
constexpr int kXTop = kCapHeight - kXHeight;
constexpr int kGlyphHeight = kCapHeight + 1;  // one row for the overshoot of round letters
constexpr int kLetterGap = 3;

struct Glyph {
    int width;
    std::function<bool(int x, int y)> ink;
};

bool ring(int x, int y, int left, int top, int width, int height) {
    return insideEllipse(x, y, left, top, width, height) &&
           !insideEllipse(x, y, left + kStem, top + kBar, width - 2 * kStem, height - 2 * kBar);
}

constexpr int kVWidth = 30;
constexpr int kVFoot = 8;    // width of the flat point at the baseline
constexpr int kVStroke = 8;  // horizontal width of each arm

Glyph capitalV() {
    return {kVWidth, [](int x, int y) {
                // The left arm's outer edge runs from (0, 0) to the foot; the right arm mirrors it.
                const int edge = (y * ((kVWidth - kVFoot) / 2) + (kCapHeight - 1) / 2) / (kCapHeight - 1);
                const int mirrored = kVWidth - 1 - x;
                return y < kCapHeight && ((x >= edge && x < edge + kVStroke) ||
                                          (mirrored >= edge && mirrored < edge + kVStroke));
            }};
}

// The round letters share one bowl: the x-height plus one row of overshoot above and below.
constexpr int kBowlWidth = 23;
constexpr int kBowlTop = kXTop - 1;
constexpr int kBowlHeight = kXHeight + 2;

Glyph smallO() {
    return {kBowlWidth, [](int x, int y) { return ring(x, y, 0, kBowlTop, kBowlWidth, kBowlHeight); }};
}

Glyph smallA() {
    return {kBowlWidth, [](int x, int y) {
                const bool stem = x >= kBowlWidth - kStem && y >= kXTop && y < kCapHeight;
                return stem || ring(x, y, 0, kBowlTop, kBowlWidth, kBowlHeight);
            }};
}

// The arch of n and r: the upper half of a ring as wide as the letter.
constexpr int kArchWidth = 21;
constexpr int kArchHeight = 22;

bool arch(int x, int y) {
    return y < kBowlTop + kArchHeight / 2 && ring(x, y, 0, kBowlTop, kArchWidth, kArchHeight);
}

Glyph smallN() {
    return {kArchWidth, [](int x, int y) {
                const bool leftStem = x < kStem && y >= kXTop && y < kCapHeight;
                const bool rightStem =
                    x >= kArchWidth - kStem && y >= kBowlTop + kArchHeight / 2 && y < kCapHeight;
                return leftStem || rightStem || arch(x, y);
            }};
}

constexpr int kRWidth = 15;
constexpr int kRArmDepth = 9;  // rows of the arch that r keeps

Glyph smallR() {
    return {kRWidth, [](int x, int y) {
                const bool stem = x < kStem && y >= kXTop && y < kCapHeight;
                return stem || (x < kRWidth && arch(x, y) && y < kBowlTop + kRArmDepth);
            }};
}

constexpr int kTWidth = 15;
constexpr int kTStemLeft = 4;
constexpr int kTTop = kXTop - 7;

Glyph smallT() {
    return {kTWidth, [](int x, int y) {
                const bool stem = x >= kTStemLeft && x < kTStemLeft + kStem && y >= kTTop && y < kCapHeight;
                const bool bar = y >= kXTop && y < kXTop + kBar;
                return stem || bar;
            }};
}

}  // namespace

Canvas titleLettering(std::uint8_t ink) {
    // V's point leaves room under its arms; the next letter moves in under it.
    const std::vector<std::pair<Glyph, int>> letters = {
        {capitalV(), 0}, {smallO(), -5}, {smallT(), 0}, {smallR(), 0},
        {smallA(), 0},   {smallN(), 0},  {smallA(), 0},
    };
    int width = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        width += letters[i].first.width + letters[i].second + (i == 0 ? 0 : kLetterGap);
    }
    Canvas layer(width, kGlyphHeight, Canvas::kClear);
    int left = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const auto& [glyph, kerning] = letters[i];
        left += kerning + (i == 0 ? 0 : kLetterGap);
        for (int y = 0; y < kGlyphHeight; ++y) {
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
