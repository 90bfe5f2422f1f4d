#pragma once
// The client's copy of the game world: map size, view and position, the
// current map's name, tile size and name tags.

#include <QString>
#include <QtGlobal>

struct World {
    // Map size: columns and rows, and the last index of each.
    qint16 MapWidth = 0;
    qint16 MapHeight = 0;
    qint16 MaxX = 0;
    qint16 MaxY = 0;

    // The current map's name.
    QString MapName;

    // Edge of one map tile in pixels: 16, or 32 while zoomed in.
    qint32 TileSize = 0;
    // Whether players' name tags are drawn.
    bool ShowTags = false;
};

World& world();
void resetWorldState();
