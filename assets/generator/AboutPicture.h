#pragma once
// The about box's picture: a paintball target hit by three splats.

#include <QImage>

namespace assetgen {

inline constexpr int kAboutPictureSize = 96;
QImage aboutPicture();

} // namespace assetgen
