#pragma once

namespace artwork {

// Whether the centre of pixel (x, y) lies inside the ellipse that fills the box
// [left, left + width) x [top, top + height). Integer arithmetic only, so every
// platform draws the same pixels.
bool insideEllipse(int x, int y, int left, int top, int width, int height);

// A smooth wave in integers: phase 0..255 is one period, the result runs from -64 to 64.
int wave(int phase);

}  // namespace artwork
