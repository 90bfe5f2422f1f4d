#pragma once
// Tile strips made up for tests and benchmarks: every terrain tile a plain
// colour of its own, every overlay tile a coloured square on magenta whose
// inset grows in the order the map draws the layers, so each drawn layer
// stays visible as a ring.

#include "world/WorldState.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <functional>

namespace synthetic {

constexpr int kTiles = 40;

// Strip numbers as in the tile set: 1 Graphics, 2 Objects, 3 Splats, 4 Ammo, 5 Bots.
inline const char* fileName(int strip, int size)
{
    static const char* const names16[] = {"Terrain.BMP", "Graphics.BMP", "Objects.BMP", "Splats.BMP", "Ammo.BMP",
                                          "Bots.bmp"};
    static const char* const names32[] = {"Terrain32.BMP", "Graphics32.BMP", "Objects32.BMP", "Splats32.BMP",
                                          "Ammo32.BMP", "Bots32.bmp"};
    return size == 32 ? names32[strip] : names16[strip];
}

inline QRgb terrainColour(int size, int tile, bool winter = false)
{
    return qRgb((tile * 6) & 0xFF, size == 32 ? 32 : (winter ? 99 : 16), 250);
}

inline QRgb overlayColour(int strip, int size, int tile)
{
    return qRgb(strip * 40, (tile * 5) & 0xFF, size == 32 ? 132 : 116);
}

// Inset in 16-pixel units: splats 1, objects 2, ammunition 3, players 4,
// bots 5, stores 6, marks 7.
inline int inset(int strip, int tile)
{
    switch (strip) {
    case 3:
        return 1;
    case 2:
        return 2;
    case 4:
        return 3;
    case 5:
        return 5;
    default:
        return tile == 5 ? 7 : tile >= 12 && tile <= 15 ? 6 : 4;
    }
}

inline QImage makeStrip(int size, int count, const std::function<QRgb(int tile, int x, int y)>& pixel)
{
    QImage image(size, size * count, QImage::Format_RGB32);
    for (int t = 0; t < count; ++t)
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                image.setPixel(x, t * size + y, pixel(t, x, y));
    return image;
}

inline QImage terrainStrip(int size, bool winter = false)
{
    return makeStrip(size, kTiles, [=](int t, int, int) { return terrainColour(size, t, winter); });
}

inline QImage overlayStrip(int strip, int size)
{
    return makeStrip(size, kTiles, [=](int t, int x, int y) {
        const int in = inset(strip, t) * size / 16;
        const bool inside = x >= in && x < size - in && y >= in && y < size - in;
        return inside ? overlayColour(strip, size, t) : qRgb(255, 0, 255);
    });
}

// Writes all thirteen strip files (and "Winter.BMP") into a folder.
inline void writeStrips(const QString& folder)
{
    QDir().mkpath(folder);
    for (int size : {16, 32}) {
        terrainStrip(size).save(folder + QLatin1Char('/') + QLatin1String(fileName(0, size)), "BMP");
        for (int strip = 1; strip <= 5; ++strip)
            overlayStrip(strip, size).save(folder + QLatin1Char('/') + QLatin1String(fileName(strip, size)), "BMP");
    }
    terrainStrip(16, true).save(folder + QStringLiteral("/Winter.BMP"), "BMP");
}

// A 150 x 150 map of terrain 1 with every overlay empty, at 16 pixels.
inline void emptyWorld(World& w)
{
    w.setWholeGridSize();
    w.TileSize = 16;
    w.MapTerrain.fill(1);
    for (MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers, &w.MapMarks})
        l->fill(-1);
}

} // namespace synthetic
