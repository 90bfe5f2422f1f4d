#pragma once
// The tile strips of the map views. Each strip file is read once and turned
// into ready tiles: terrain tiles as opaque pixels, overlay tiles with the
// key colour magenta made fully transparent and every other pixel fully
// opaque, so that drawing a frame only copies pixels and builds no masks.

#include <QImage>
#include <QSet>
#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// One strip: tile t is the size x size square at (0, t * size).
struct TileStrip {
    int size = 0;   // tile edge in pixels
    int pitch = 0;  // pixels from one row of a tile to the next (the picture's width)
    int count = 0;  // whole tiles in the strip; 0 while the file is missing
    // pitch pixels wide, count * size high; Format_RGB32 for terrain,
    // Format_ARGB32_Premultiplied (alpha 0 or 255 only) for overlays, whose
    // pixels right of `size` are transparent.
    QImage image;

    // Per tile, the rows that hold any drawn pixel: from firstRow to endRow
    // (exclusive); all rows of a terrain tile.
    std::vector<quint8> firstRow;
    std::vector<quint8> endRow;

    bool has(int tile) const { return tile >= 0 && tile < count; }
    // The first pixel of a tile; its rows follow each other `pitch` pixels apart.
    const quint32* tile(int t) const { return reinterpret_cast<const quint32*>(image.constScanLine(t * size)); }
    // Finds the drawn rows of every tile (after the pixels are final).
    void measureRows();
};

// The overlay strips by their picture-box number within a set of five.
enum SurfaceStrip { kGraphics = 1, kObjects = 2, kSplats = 3, kAmmo = 4, kBots = 5 };

// A terrain strip and the five overlay strips of one tile size.
struct TileSet {
    TileStrip terrain;
    std::array<TileStrip, 6> surface;  // 1 to 5 used (SurfaceStrip)
};

// The 6-pixel cells of the satellite view, kept 8 pixels apart in their
// strips so that a row is drawn as one group of eight.
constexpr int kSatelliteCell = 6;
constexpr int kSatellitePitch = 8;

struct TileBitmaps {
    TileSet normal;     // 16-pixel tiles: "Terrain.BMP" or "Winter.BMP", "Graphics.BMP", ...
    TileSet zoomed;     // 32-pixel tiles: "Terrain32.BMP", "Graphics32.BMP", ...
    TileSet satellite;  // the 16-pixel files reduced to 6 x 6 cells

    // The current 16-pixel terrain (normal or winter) as loaded, so that a
    // lightning flash can be undone.
    QImage terrainAsLoaded;
    // A flash has brightened the 16-pixel terrain; it has been drawn once;
    // the restore waits for that frame.
    bool terrainBrightened = false;
    bool flashDrawn = false;
    bool restorePending = false;

    // Files already reported missing in this run (reported once each).
    QSet<QString> reportedMissing;
};

TileBitmaps& tileBitmaps();
// Drops every strip (tests).
void resetTileBitmaps();

// Loads every tile strip of the map and satellite views; the 16-pixel
// terrain gets "Terrain.BMP". Loads the satellite window, hidden. Files that
// are missing or unreadable are named in one message box and drawn as nothing.
void LoadGraphics();
// Loads "Terrain.BMP" into the 16-pixel terrain strip.
void LoadTerrainNormal();
// Loads "Winter.BMP" into the 16-pixel terrain strip.
void LoadTerrainWinter();

// Ready tiles out of a strip picture (exposed for tests and benchmarks).
TileStrip MakeTerrainStrip(const QImage& picture, int size);
TileStrip MakeOverlayStrip(const QImage& picture, int size);
// A strip of 16-pixel tiles reduced smoothly to satellite cells.
TileStrip MakeSatelliteStrip(const TileStrip& strip16);
