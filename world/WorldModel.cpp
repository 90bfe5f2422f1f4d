#include "world/WorldModel.h"

#include "foundation/RuntimeError.h"
#include "foundation/Utilities.h"
#include "platform/Services.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr qint16 kEmpty = -1;
constexpr qint16 kMark = 5;
constexpr qint16 kFirstFlagTile = 17;

// Calls fn(x, y) for x from 0 to MaxX and, within it, y from 0 to MaxY.
template <class Fn>
void forEachMapCell(Fn fn)
{
    const int maxX = world().MaxX;
    const int maxY = world().MaxY;
    for (int x = 0; x <= maxX; ++x)
        for (int y = 0; y <= maxY; ++y)
            fn(x, y);
}

// True when every cell of x 0..MaxX, y 0..MaxY lies in the grid, so that a
// walk over them cannot fail half-way.
bool mapSizeInGrid() { return world().MaxX < kMapCells && world().MaxY < kMapCells; }

// Sets count cells from first on to the value. An empty cell (-1) is all
// ones byte for byte, so a clear is one memset: the same as a loop in an
// optimised build, and far cheaper in the sanitizer and fuzzing builds, which
// step a loop one checked comparison at a time.
void setCells(qint16* first, qsizetype count, qint16 value)
{
    if (count <= 0)
        return;
    if (value == kEmpty)
        std::memset(first, 0xFF, static_cast<size_t>(count) * sizeof(qint16));
    else
        std::fill_n(first, count, value);
}

// Sets x 0..MaxX, y 0..MaxY of the layer to the value a row at a time (the
// map size must lie in the grid): a reset or a game's start or end writes
// every cell of the map and should cost no more than the memory it writes.
void fillOverMap(MapLayer& layer, qint16 value)
{
    const int maxX = world().MaxX;
    const int maxY = world().MaxY;
    if (maxX < 0 || maxY < 0)
        return;
    if (maxX == kMapCells - 1) {
        setCells(layer.data(), qsizetype(maxY + 1) * kMapCells, value);
        return;
    }
    for (int y = 0; y <= maxY; ++y)
        setCells(layer.data() + y * kMapCells, maxX + 1, value);
}

void clearOverMap(MapLayer& layer)
{
    if (mapSizeInGrid()) {
        fillOverMap(layer, kEmpty);
        return;
    }
    // Past the grid: cell by cell, so the error arises where the walk leaves
    // it, with the cells before it cleared.
    forEachMapCell([&](int x, int y) { layer.set(x, y, kEmpty); });
}

void clearOverlaysOverMap(bool terrainToo)
{
    World& w = world();
    if (mapSizeInGrid()) {
        for (MapLayer* layer : {&w.MapAmmo, &w.MapSplats, &w.MapObjects, &w.MapBots, &w.MapPlayers, &w.MapMarks})
            fillOverMap(*layer, kEmpty);
        if (terrainToo)
            fillOverMap(w.MapTerrain, 1);
        return;
    }
    forEachMapCell([&](int x, int y) {
        w.MapAmmo.set(x, y, kEmpty);
        w.MapSplats.set(x, y, kEmpty);
        w.MapObjects.set(x, y, kEmpty);
        w.MapBots.set(x, y, kEmpty);
        w.MapPlayers.set(x, y, kEmpty);
        w.MapMarks.set(x, y, kEmpty);
        if (terrainToo)
            w.MapTerrain.set(x, y, 1);
    });
}

void placeShop(int index, qint16 tile, const char* name, qint16 x, qint16 y)
{
    Shop& s = world().Shops[index];
    s.Tile = tile;
    s.Name = QString::fromLatin1(name);
    s.X = x;
    s.Y = y;
}

// One cell of a marked rectangle: a coordinate past the map's edge comes
// back by one map width, and only once.
void markCell(int c1, int c2)
{
    if (c1 >= kMapCells)
        c1 -= kMapCells;
    if (c2 >= kMapCells)
        c2 -= kMapCells;
    world().MapMarks.set(c1, c2, kMark);
}
} // namespace

void InitMapAndShops()
{
    clearOverlaysOverMap(true);
    placeShop(0, 12, "Mod Shop", 4, 4);
    placeShop(1, 13, "EQ Shop", 4, 10);
    placeShop(2, 14, "Gun Shop", 10, 4);
    placeShop(3, 15, "Ammo Shop", 10, 10);
}

void ResetWorldModel()
{
    clearOverlaysOverMap(false);
    World& w = world();
    w.OriginX = 0;
    w.OriginY = 0;
    w.Pos.X = 7;
    w.Pos.Y = 7;
}

void ClearSplatLayer() { clearOverMap(world().MapSplats); }
void ClearAmmoLayer() { clearOverMap(world().MapAmmo); }
void ClearObjectLayer() { clearOverMap(world().MapObjects); }
void ClearMarkLayer() { setCells(world().MapMarks.data(), qsizetype(kMapCells) * kMapCells, kEmpty); }

void ClearDynamicLayers()
{
    ClearSplatLayer();
    ClearAmmoLayer();
    ClearMarkLayer();
}

void SetPlayerOnMap(Point2& pos, qint16 slot, qint16 tile)
{
    World& w = world();
    if (slot < 0 || slot >= static_cast<int>(w.PlayerSlots.size()))
        Raise(errSubscriptOutOfRange);
    w.PlayerSlots[slot].Tile = tile;
    w.MapPlayers.set(pos.X, pos.Y, slot);
}

void SetMapCell(Point2& pos, qint32 layer, qint16 value)
{
    World& w = world();
    const qint16 x = PassFirstArg(pos.X, w.MapWidth);
    const qint16 y = PassFirstArg(pos.Y, w.MapHeight);
    switch (layer) {
    case 2: w.MapSplats.set(x, y, value); break;
    case 3: w.MapAmmo.set(x, y, value); break;
    case 4: w.MapObjects.set(x, y, value); break;
    case 5: w.MapBots.set(x, y, value); break;
    default: break;
    }
}

void DrawCTFObject(Point2& pos, qint16 kind)
{
    if (kind < 0 || kind > 2) {
        platform::MsgBox(QStringLiteral("Draw CTF object error, wrong Type Value: ") + QString::number(kind),
                         platform::vbOKOnly, platform::applicationTitle());
        return;
    }
    world().MapObjects.set(pos.X, pos.Y, static_cast<qint16>(kFirstFlagTile + kind));
}

void MarkRectangle(qint16 x, qint16 y, qint16 w, qint16 h)
{
    // The far edges are 16-bit values too: a sum past their range is an
    // overflow, raised before anything is marked.
    const int right = int(x) + w;
    const int bottom = int(y) + h;
    if (right != qint16(right) || bottom != qint16(bottom))
        Raise(errOverflow);
    for (int i = x; i <= right; ++i) {
        markCell(i, y);
        markCell(i, bottom);
    }
    for (int j = y; j <= bottom; ++j) {
        markCell(x, j);
        markCell(right, j);
    }
}

void ClearSquare(qint16 x, qint16 y)
{
    World& w = world();
    w.MapAmmo.set(x, y, kEmpty);
    w.MapObjects.set(x, y, kEmpty);
    w.MapBots.set(x, y, kEmpty);
    w.MapPlayers.set(x, y, kEmpty);
}
