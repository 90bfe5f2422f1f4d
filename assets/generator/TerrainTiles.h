#pragma once
// The terrain strips: tiles 0 to 39 of the map's ground, opaque.

#include <QImage>

namespace assetgen {

inline constexpr int kTerrainTiles = 40;

// Which neighbours a wall tile joins, by its index within a family (0 to 15,
// i.e. terrain 8 to 23 or 24 to 39). Bits: 1 left, 2 right, 4 up, 8 down.
enum WallLink { LinkLeft = 1, LinkRight = 2, LinkUp = 4, LinkDown = 8 };
int wallLinks(int familyIndex);

// The strip of tiles 0 to 39 at `size` pixels; `winter` gives the snowy set.
QImage terrainStrip(int size, bool winter);

} // namespace assetgen
