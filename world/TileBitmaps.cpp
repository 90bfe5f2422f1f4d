#include "world/TileBitmaps.h"

#include "foundation/SettingsState.h"
#include "platform/Services.h"
#include "world/frmSatellite.h"

#include <QStringList>
#include <cstring>
#include <memory>

namespace {
std::unique_ptr<TileBitmaps>& storage()
{
    static std::unique_ptr<TileBitmaps> t = std::make_unique<TileBitmaps>();
    return t;
}

constexpr quint32 kKeyColour = 0xFF00FFu;  // magenta, RGB(255, 0, 255)

// The strip cut to one tile's width and to whole tiles.
QImage cutToTiles(const QImage& picture, int size, QImage::Format format, int& count)
{
    count = picture.isNull() ? 0 : picture.height() / size;
    if (count == 0)
        return QImage();
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    // A strip narrower than a tile is padded with the key colour: transparent
    // on overlays, magenta on terrain, as a copy past the picture's edge would
    // show nothing useful either.
    QImage out(size, count * size, QImage::Format_RGB32);
    out.fill(0xFF000000u | kKeyColour);
    const int w = qMin(size, rgb.width());
    for (int y = 0; y < out.height(); ++y)
        std::memcpy(out.scanLine(y), rgb.constScanLine(y), static_cast<size_t>(w) * 4);
    return out.convertToFormat(format);
}

// Loads one file; an empty picture when it is missing or unreadable.
QImage readPicture(const QString& file, QStringList& missing)
{
    QImage picture(settings().GraphicsPath + file);
    if (picture.isNull())
        missing.append(file);
    return picture;
}

void reportMissing(const QStringList& missing)
{
    QStringList fresh;
    for (const QString& f : missing) {
        if (!tileBitmaps().reportedMissing.contains(f)) {
            tileBitmaps().reportedMissing.insert(f);
            fresh.append(f);
        }
    }
    if (fresh.isEmpty())
        return;
    platform::MsgBox(QStringLiteral("These tile pictures could not be loaded from ") + settings().GraphicsPath +
                         QStringLiteral(":\n") + fresh.join(QLatin1Char('\n')) +
                         QStringLiteral("\n\nThe map is drawn without them."),
                     platform::vbOKOnly | platform::vbExclamation);
}

void setNormalTerrain(const QImage& picture)
{
    TileBitmaps& t = tileBitmaps();
    t.normal.terrain = MakeTerrainStrip(picture, 16);
    t.terrainAsLoaded = t.normal.terrain.image;
    t.terrainBrightened = false;
    t.flashDrawn = false;
    t.restorePending = false;
}

void loadNormalTerrain(const QString& file)
{
    QStringList missing;
    setNormalTerrain(readPicture(file, missing));
    reportMissing(missing);
}

const char* const kSurfaceFiles16[] = {nullptr, "Graphics.BMP", "Objects.BMP", "Splats.BMP", "Ammo.BMP", "Bots.bmp"};
const char* const kSurfaceFiles32[] = {nullptr, "Graphics32.BMP", "Objects32.BMP", "Splats32.BMP", "Ammo32.BMP",
                                       "Bots32.bmp"};
} // namespace

TileBitmaps& tileBitmaps() { return *storage(); }

void resetTileBitmaps() { storage() = std::make_unique<TileBitmaps>(); }

void TileStrip::measureRows()
{
    firstRow.assign(count, 0);
    endRow.assign(count, 0);
    const bool keyed = image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int t = 0; t < count; ++t) {
        int first = size, end = 0;
        for (int y = 0; y < size; ++y) {
            const quint32* row = tile(t) + y * pitch;
            bool drawn = !keyed;
            for (int x = 0; x < size && !drawn; ++x)
                drawn = row[x] != 0;
            if (drawn) {
                first = qMin(first, y);
                end = y + 1;
            }
        }
        firstRow[t] = static_cast<quint8>(qMin(first, end));
        endRow[t] = static_cast<quint8>(end);
    }
}

TileStrip MakeTerrainStrip(const QImage& picture, int size)
{
    TileStrip s;
    s.size = s.pitch = size;
    s.image = cutToTiles(picture, size, QImage::Format_RGB32, s.count);
    s.measureRows();
    return s;
}

TileStrip MakeOverlayStrip(const QImage& picture, int size)
{
    TileStrip s;
    s.size = s.pitch = size;
    s.image = cutToTiles(picture, size, QImage::Format_RGB32, s.count);
    if (s.count == 0)
        return s;
    // RGB32 pixels are 0xFFrrggbb: the key colour becomes 0 (transparent),
    // everything else stays fully opaque, which is already premultiplied.
    s.image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < s.image.height(); ++y) {
        auto* p = reinterpret_cast<quint32*>(s.image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            if ((p[x] & 0xFFFFFFu) == kKeyColour)
                p[x] = 0;
        }
    }
    s.measureRows();
    return s;
}

TileStrip MakeSatelliteStrip(const TileStrip& strip16)
{
    TileStrip s;
    s.size = kSatelliteCell;
    s.pitch = kSatellitePitch;
    s.count = strip16.count;
    if (s.count == 0)
        return s;
    const bool overlay = strip16.image.format() == QImage::Format_ARGB32_Premultiplied;
    s.image = QImage(kSatellitePitch, s.count * kSatelliteCell, strip16.image.format());
    s.image.fill(0);
    for (int t = 0; t < s.count; ++t) {
        // Each tile on its own, so that no tile bleeds into its neighbour.
        const QImage cell = strip16.image.copy(0, t * strip16.size, strip16.size, strip16.size)
                                .scaled(kSatelliteCell, kSatelliteCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < kSatelliteCell; ++y) {
            const auto* src = reinterpret_cast<const quint32*>(cell.constScanLine(y));
            auto* dst = reinterpret_cast<quint32*>(s.image.scanLine(t * kSatelliteCell + y));
            for (int x = 0; x < kSatelliteCell; ++x) {
                // Overlays keep a hard edge: a reduced pixel is drawn when at
                // least half of what it covers was drawn.
                if (overlay && qAlpha(src[x]) < 128)
                    dst[x] = 0;
                else
                    dst[x] = 0xFF000000u | (src[x] & 0xFFFFFFu);
            }
        }
    }
    s.measureRows();
    return s;
}

void LoadGraphics()
{
    TileBitmaps& t = tileBitmaps();
    QStringList missing;
    const QImage terrain = readPicture(QStringLiteral("Terrain.BMP"), missing);
    setNormalTerrain(terrain);
    t.zoomed.terrain = MakeTerrainStrip(readPicture(QStringLiteral("Terrain32.BMP"), missing), 32);
    for (int i = 1; i <= 5; ++i)
        t.normal.surface[i] = MakeOverlayStrip(readPicture(QLatin1String(kSurfaceFiles16[i]), missing), 16);
    for (int i = 1; i <= 5; ++i)
        t.zoomed.surface[i] = MakeOverlayStrip(readPicture(QLatin1String(kSurfaceFiles32[i]), missing), 32);

    // The satellite view's strips are the same 16-pixel files; reaching its
    // window loads it, hidden.
    Forms::get<frmSatellite>();
    t.satellite.terrain = MakeSatelliteStrip(MakeTerrainStrip(terrain, 16));
    for (int i = 1; i <= 5; ++i)
        t.satellite.surface[i] = MakeSatelliteStrip(t.normal.surface[i]);

    reportMissing(missing);
}

void LoadTerrainNormal() { loadNormalTerrain(QStringLiteral("Terrain.BMP")); }

void LoadTerrainWinter() { loadNormalTerrain(QStringLiteral("Winter.BMP")); }
