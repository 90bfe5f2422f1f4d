// One full frame of the map view and the satellite view (the frame timer's
// drawing), for a 1024 x 768 view with every layer of every cell populated,
// players' name tags on, at both tile sizes.
#include "connection/ConnectionState.h"
#include "foundation/Application.h"
#include "foundation/SettingsState.h"
#include "tests/world/SyntheticStrips.h"
#include "ui/frmMain.h"
#include "world/Renderer.h"
#include "world/TileBitmaps.h"
#include "world/WorldState.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void populateWorld()
{
    World& w = world();
    synthetic::emptyWorld(w);
    for (int i = 0; i < 31; ++i) {
        w.PlayerSlots[i].Tile = static_cast<qint16>(1 + i % 3);
        w.PlayerSlots[i].Name = QStringLiteral("Player%1").arg(i);
    }
    const char* shops[] = {"Mod Shop", "EQ Shop", "Gun Shop", "Ammo Shop"};
    for (int j = 0; j < 4; ++j)
        w.Shops[j] = Shop{static_cast<qint16>(12 + j), QString::fromLatin1(shops[j]), static_cast<qint16>(4 + 6 * (j / 2)),
                          static_cast<qint16>(4 + 6 * (j % 2))};
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 150; ++x) {
            const int k = x * 7 + y * 13;
            w.MapTerrain.set(x, y, static_cast<qint16>(1 + k % 39));
            w.MapSplats.set(x, y, static_cast<qint16>(k % 40));
            w.MapObjects.set(x, y, static_cast<qint16>((k + 3) % 40));
            w.MapAmmo.set(x, y, static_cast<qint16>((k + 5) % 40));
            w.MapBots.set(x, y, static_cast<qint16>((k + 9) % 40));
            w.MapPlayers.set(x, y, static_cast<qint16>(k % 31));
            w.MapMarks.set(x, y, 5);
        }
    }
    w.ShowTags = true;
    w.OriginX = 120;
    w.OriginY = 130;
    w.LastStatusText = QStringLiteral("You have been splatted by Player3!");
    w.LastSplatText = QStringLiteral("Splats: 12");
    connection().UserLevel = 5;  // with the advertising line
}

void BM_FullFrame(benchmark::State& state)
{
    world().TileSize = static_cast<qint32>(state.range(0));
    Forms::get<frmMain>().picMap->resize(1024, 768);
    DrawMap();
    DrawSatellite();
    for (auto _ : state) {
        DrawMap();
        DrawSatellite();
    }
}

void BM_DrawMapOnly(benchmark::State& state)
{
    world().TileSize = static_cast<qint32>(state.range(0));
    Forms::get<frmMain>().picMap->resize(1024, 768);
    DrawMap();
    for (auto _ : state)
        DrawMap();
}
} // namespace

BENCHMARK(BM_FullFrame)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawMapOnly)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuelvarApplication app(argc, argv);
    QTemporaryDir folder;
    synthetic::writeStrips(folder.path() + QStringLiteral("/Graphics"));
    settings().GraphicsPath = folder.path() + QStringLiteral("/Graphics/");
    populateWorld();
    LoadGraphics();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Forms::destroyAll();
    return 0;
}
