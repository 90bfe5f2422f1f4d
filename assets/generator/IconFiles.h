#pragma once
// Windows icon (.ico) and pointer (.cur) files: 32-bit images with alpha and
// an AND mask, in the container that both formats share.

#include <QByteArray>
#include <QImage>
#include <vector>

namespace assetgen {

QByteArray iconFile(const std::vector<QImage>& images);
QByteArray cursorFile(const QImage& image, int hotX, int hotY);

QImage sunImage(int size);         // the buddy mark of the user list
QImage messageImage(int size);     // the private-message windows' icon
QImage programImage(int size);     // the program's icon: a paint splat on a target
QImage arrowPointerImage();        // Cursor1: the normal map pointer
QImage reticlePointerImage();      // Cursor2: the firing pointer while Shift is held
inline constexpr int kArrowHotX = 1, kArrowHotY = 1;
inline constexpr int kReticleHot = 16;

} // namespace assetgen
