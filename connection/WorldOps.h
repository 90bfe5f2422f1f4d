#pragma once
// The world model's procedures that the server's messages call, working on
// world() through its checked layers: a coordinate or slot outside the grid
// raises "Subscript out of range" and nothing outside it is touched; cells
// written before the failing one stay written.

#include "world/WorldState.h"

#include <QtGlobal>

namespace worldops {
// -1 into every cell (0..MaxX, 0..MaxY) of the splat, ammunition or object layer.
void ClearSplatLayer();
void ClearAmmoLayer();
void ClearObjectLayer();
// -1 into every cell of the mark layer, over the whole grid.
void ClearMarkLayer();
// Splats, ammunition and marks; objects, bots and players stay.
void ClearDynamicLayers();
// The slot's sprite becomes tile, then the cell shows the slot (slot checked first).
void SetPlayerOnMap(Point2 pos, qint16 slot, qint16 tile);
// Layer 2 splats, 3 ammunition, 4 objects, 5 bots; any other number writes nothing.
void SetMapCell(Point2 pos, qint32 layer, qint16 value);
// The flag objects 17, 18, 19 for kinds 0, 1, 2; any other kind only shows a message box.
void DrawCTFObject(Point2 pos, qint16 kind);
// Marks the border of the rectangle from (x, y) to (x + w, y + h), corners included;
// a coordinate of 150 or more is reduced by 150 once.
void MarkRectangle(qint16 x, qint16 y, qint16 w, qint16 h);
} // namespace worldops
