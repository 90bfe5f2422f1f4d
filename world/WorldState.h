#pragma once
// The client's copy of the game world: seven 150 x 150 layers, the player
// slots, the stores, the own position and the view.

#include <QString>
#include <QtGlobal>
#include <array>

constexpr int kMapCells = 150;

// A cell position: column X, row Y.
struct Point2 {
    qint16 X = 0;
    qint16 Y = 0;
};

// One grid of the map: 16-bit values indexed by column x and row y, a row's
// cells side by side (element x + 150 * y). Every access is checked: a
// coordinate outside 0 to 149 raises "Subscript out of range" and touches
// nothing.
class MapLayer {
public:
    qint16 get(int x, int y) const;
    void set(int x, int y, qint16 value);
    void fill(qint16 value) { cells_.fill(value); }
    // The raw cells for loops that stay inside the grid.
    const qint16* data() const { return cells_.data(); }
    qint16* data() { return cells_.data(); }

private:
    std::array<qint16, kMapCells * kMapCells> cells_{};
};

// A player the server has placed on the map.
struct PlayerSlot {
    qint16 Tile = 0;  // sprite in the Graphics strip: 1 own, 2 other, 3 third kind; 0 while unused
    QString Name;     // the name tag
};

// A store building on the map.
struct Shop {
    qint16 Tile = 0;
    QString Name;
    qint16 X = 0;
    qint16 Y = 0;
};

struct World {
    // Map size: columns and rows, and the last index of each.
    qint16 MapWidth = 0;
    qint16 MapHeight = 0;
    qint16 MaxX = 0;
    qint16 MaxY = 0;
    // The size the start-up gives the map: the whole grid.
    void setWholeGridSize()
    {
        MapWidth = MapHeight = kMapCells;
        MaxX = MaxY = kMapCells - 1;
    }

    MapLayer MapTerrain;  // terrain tile, 1 to 39 once a map is decoded
    MapLayer MapPlayers;  // player slot standing on the cell, -1 none
    MapLayer MapSplats;   // layer 2: paint splats, -1 none
    MapLayer MapMarks;    // 5 on a marked cell, -1 none
    MapLayer MapObjects;  // layer 4: objects (17 to 19 the flags), -1 none
    MapLayer MapAmmo;     // layer 3: ammunition, -1 none
    MapLayer MapBots;     // layer 5: bots, -1 none

    std::array<PlayerSlot, 31> PlayerSlots;
    std::array<Shop, 5> Shops;  // 0 to 3 placed at start; 4 never written

    // The own player's cell.
    Point2 Pos;
    // The cell the view was last centred on.
    qint16 ViewCenterX = 0;
    qint16 ViewCenterY = 0;
    // The cell at the view's top-left corner.
    qint16 OriginX = 0;
    qint16 OriginY = 0;
    // Whole tiles across and down the map view.
    qint16 TilesAcross = 0;
    qint16 TilesDown = 0;
    // Edge of one map tile in pixels: 16, or 32 while zoomed in.
    qint32 TileSize = 0;
    // Whether players' name tags are drawn.
    bool ShowTags = false;

    // The current map's name.
    QString MapName;

    // The last status and splat lines, printed on the map.
    QString LastStatusText;
    QString LastSplatText;
};

World& world();
void resetWorldState();
