#include "connection/WorldOps.h"

#include "foundation/RuntimeError.h"
#include "platform/Services.h"

namespace {
void clearOverlay(MapLayer& layer)
{
    const World& w = world();
    if (w.MaxX == kMapCells - 1 && w.MaxY == kMapCells - 1) {
        layer.fill(-1);  // the whole grid, as the loop below would do it
        return;
    }
    for (int x = 0; x <= w.MaxX; ++x)
        for (int y = 0; y <= w.MaxY; ++y)
            layer.set(x, y, -1);
}
} // namespace

namespace worldops {

void ClearSplatLayer() { clearOverlay(world().MapSplats); }
void ClearAmmoLayer() { clearOverlay(world().MapAmmo); }
void ClearObjectLayer() { clearOverlay(world().MapObjects); }
void ClearMarkLayer() { world().MapMarks.fill(-1); }

void ClearDynamicLayers()
{
    ClearSplatLayer();
    ClearAmmoLayer();
    ClearMarkLayer();
}

void SetPlayerOnMap(Point2 pos, qint16 slot, qint16 tile)
{
    World& w = world();
    if (slot < 0 || slot >= static_cast<int>(w.PlayerSlots.size()))
        Raise(errSubscriptOutOfRange);
    w.PlayerSlots[slot].Tile = tile;
    w.MapPlayers.set(pos.X, pos.Y, slot);
}

void SetMapCell(Point2 pos, qint32 layer, qint16 value)
{
    World& w = world();
    switch (layer) {
    case 2: w.MapSplats.set(pos.X, pos.Y, value); break;
    case 3: w.MapAmmo.set(pos.X, pos.Y, value); break;
    case 4: w.MapObjects.set(pos.X, pos.Y, value); break;
    case 5: w.MapBots.set(pos.X, pos.Y, value); break;
    default: break;
    }
}

void DrawCTFObject(Point2 pos, qint16 kind)
{
    if (kind < 0 || kind > 2) {
        platform::MsgBox(QStringLiteral("Draw CTF object error, wrong Type Value: ") + QString::number(kind));
        return;
    }
    world().MapObjects.set(pos.X, pos.Y, static_cast<qint16>(17 + kind));
}

void MarkRectangle(qint16 x, qint16 y, qint16 w, qint16 h)
{
    auto mark = [](int cx, int cy) {
        if (cx >= kMapCells)
            cx -= kMapCells;
        if (cy >= kMapCells)
            cy -= kMapCells;
        world().MapMarks.set(cx, cy, 5);
    };
    for (int i = x; i <= x + w; ++i) {
        mark(i, y);
        mark(i, y + h);
    }
    for (int j = y; j <= y + h; ++j) {
        mark(x, j);
        mark(x + w, j);
    }
}

} // namespace worldops
