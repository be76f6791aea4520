#include "shapes.h"

namespace artwork {

bool insideEllipse(int x, int y, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0) {
        return false;
    }
    const long long dx = 2LL * x + 1 - 2LL * left - width;
    const long long dy = 2LL * y + 1 - 2LL * top - height;
    const long long w = width;
    const long long h = height;
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

int wave(int phase)
{
    const int p = ((phase % 256) + 256) % 256;
    // Two parabolic arches, close enough to a sine for pixel art.
    if (p < 128) {
        return p * (128 - p) / 64;
    }
    return -((p - 128) * (256 - p) / 64);
}

}  // namespace artwork
