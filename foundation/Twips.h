#pragma once
// Positions and sizes of the windows are given in twips: 15 to the pixel.

#include <cmath>

constexpr int kTwipsPerPixel = 15;

inline int toPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }
inline int toTwips(int pixels) { return pixels * kTwipsPerPixel; }
