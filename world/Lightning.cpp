#include "world/Lightning.h"

#include "foundation/SettingsState.h"
#include "world/Renderer.h"
#include "world/TileBitmaps.h"

namespace {
int brighter(double channel)
{
    const double sum = channel + 70;
    return sum >= 0 && sum <= 255 ? static_cast<int>(sum) : static_cast<int>(channel);
}

void restoreTerrain()
{
    TileBitmaps& t = tileBitmaps();
    t.normal.terrain.image = t.terrainAsLoaded;
    t.terrainBrightened = false;
    t.flashDrawn = false;
    t.restorePending = false;
}
} // namespace

void LightenTerrain()
{
    TileBitmaps& t = tileBitmaps();
    QImage& strip = t.normal.terrain.image;
    if (strip.isNull())
        return;
    for (int y = 0; y < strip.height(); ++y) {
        auto* p = reinterpret_cast<quint32*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            SplitRGB(static_cast<qint32>(RGB(qRed(p[x]), qGreen(p[x]), qBlue(p[x]))));
            p[x] = qRgb(brighter(FxRed), brighter(FxGreen), brighter(FxBlue));
        }
    }
    t.terrainBrightened = true;
    t.flashDrawn = false;
}

void LightningReset()
{
    TileBitmaps& t = tileBitmaps();
    if (!t.terrainBrightened)
        return;
    if (t.flashDrawn)
        restoreTerrain();
    else
        t.restorePending = true;
}

void TerrainFrameDrawn(bool normalTerrainShown)
{
    TileBitmaps& t = tileBitmaps();
    if (!t.terrainBrightened)
        return;
    // The zoomed view never shows the flash: nothing to wait for.
    if (normalTerrainShown)
        t.flashDrawn = true;
    if (t.restorePending && (t.flashDrawn || !normalTerrainShown))
        restoreTerrain();
}
