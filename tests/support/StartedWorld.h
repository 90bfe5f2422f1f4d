#pragma once
// The world as start-up leaves it, for tests, the fuzzer and the benchmarks:
// 150 x 150 cells, terrain 1, empty overlays, the four stores, own cell 7, 7.
// Header-only and QtCore-only.

#include "world/WorldState.h"

inline void StartWorld(World& w)
{
    w.MapWidth = w.MapHeight = kMapCells;
    w.MaxX = w.MaxY = kMapCells - 1;
    for (MapLayer* layer : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers, &w.MapMarks})
        layer->fill(-1);
    w.MapTerrain.fill(1);
    const char* const names[] = {"Mod Shop", "EQ Shop", "Gun Shop", "Ammo Shop"};
    const qint16 xs[] = {4, 4, 10, 10};
    const qint16 ys[] = {4, 10, 4, 10};
    for (int i = 0; i < 4; ++i)
        w.Shops[i] = Shop{static_cast<qint16>(12 + i), QString::fromLatin1(names[i]), xs[i], ys[i]};
    w.Pos = Point2{7, 7};
}

// One world as start-up leaves it, made once, to copy into place.
inline const World& StartedWorld()
{
    static const World started = [] {
        World w;
        StartWorld(w);
        return w;
    }();
    return started;
}
