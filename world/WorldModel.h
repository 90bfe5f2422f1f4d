#pragma once
// The world model's procedures: what the server's messages and start-up use
// to fill and clear the map layers and the player slots. Every cell access is
// checked; a coordinate outside 0 to 149 raises "Subscript out of range" to
// the caller, and cells written before that point stay written.

#include "world/WorldState.h"

#include <QtGlobal>

// Empties every overlay layer, sets the terrain to 1 (over 0..MaxX, 0..MaxY)
// and places the four default stores.
void InitMapAndShops();

// Clears the six overlay layers over 0..MaxX, 0..MaxY and puts the view
// origin at (0, 0) and the own position at (7, 7); terrain, player slots and
// stores stay. The model's half of ResetWorld (world/WorldReset.h).
void ResetWorldModel();

// -1 into every cell of one layer, over 0..MaxX, 0..MaxY.
void ClearSplatLayer();
void ClearAmmoLayer();
void ClearObjectLayer();
// -1 into every cell of the marks, over the whole grid.
void ClearMarkLayer();
// Splats, ammunition and marks, in this order; objects, bots and players stay.
void ClearDynamicLayers();

// Gives the slot its sprite tile, then puts the slot on the cell. A bad slot
// writes nothing; a bad position leaves the slot's tile set.
void SetPlayerOnMap(Point2& pos, qint16 slot, qint16 tile);

// Writes the value into layer 2 (splats), 3 (ammunition), 4 (objects) or
// 5 (bots); any other layer number writes nothing. Coordinates do not wrap.
void SetMapCell(Point2& pos, qint32 layer, qint16 value);

// Puts the capture-the-flag object of kind 0, 1 or 2 (tiles 17, 18, 19) on
// the cell; any other kind writes nothing and shows a message box.
void DrawCTFObject(Point2& pos, qint16 kind);

// Marks the border of the rectangle from column x to x + w and row y to
// y + h; a coordinate of 150 or more is reduced by 150 once.
void MarkRectangle(qint16 x, qint16 y, qint16 w, qint16 h);

// -1 into ammunition, objects, bots and players on one cell, in this order;
// splats and marks stay.
void ClearSquare(qint16 x, qint16 y);
