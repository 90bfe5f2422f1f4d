#pragma once
// The small pictures of the chat window's user list: thirteen 16 x 16
// pictures side by side in one strip, in the order of the list's keys
// (Trainer, Ignore, InHolding, 10Dollars, 5Dollars, 1000Dollars, InGame,
// 0Splats, 10000Splats, 5kDollars, 100Splats, 1000Splats, 5000Splats).

#include <QImage>

namespace assetgen {

inline constexpr int kWhoIconCount = 13;
inline constexpr int kWhoIconSize = 16;

// 208 x 16 pixels with alpha.
QImage whoIconStrip();

} // namespace assetgen
