#pragma once
// The overlay strips: players, stores and marks; objects; paint splats;
// ammunition; bots. Every strip has magenta as its transparent colour.

#include <QImage>

namespace assetgen {

QImage graphicsStrip(int size); // tiles 0 to 15
QImage objectsStrip(int size);  // tiles 0 to 31, flags at 17 to 19
QImage splatsStrip(int size);   // tiles 0 to 15
QImage ammoStrip(int size);     // tiles 0 to 15
QImage botsStrip(int size);     // tiles 0 to 15

} // namespace assetgen
