// Cost of decoding a full map: the character table and both wall passes.
#include "world/MapFile.h"
#include "world/WorldState.h"

#include <benchmark/benchmark.h>

namespace {
// A map of open ground with rooms of "#" walls, "/" fences, water and
// scattered other ground: roughly what a designed map holds.
QString designedMap()
{
    QString text(kMapCells * kMapCells, QLatin1Char('_'));
    auto at = [&](int x, int y) -> QChar& { return text[x + kMapCells * y]; };
    for (int room = 0; room < 10; ++room) {
        const int x0 = 5 + 14 * room, y0 = 5 + 13 * room;
        for (int i = 0; i < 12; ++i) {
            at((x0 + i) % kMapCells, y0) = QLatin1Char('#');
            at((x0 + i) % kMapCells, (y0 + 11) % kMapCells) = QLatin1Char('=');
            at(x0 % kMapCells, (y0 + i) % kMapCells) = QLatin1Char(':');
            at((x0 + 11) % kMapCells, (y0 + i) % kMapCells) = QLatin1Char('#');
        }
    }
    for (int x = 0; x < kMapCells; ++x) {
        at(x, 75) = QLatin1Char('/');
        at(x, 2) = (x % 7 == 0) ? QLatin1Char('^') : QLatin1Char('-');
        at(x, 140) = (x % 3 == 0) ? QLatin1Char('!') : QLatin1Char('&');
    }
    return text;
}

void useStandardMapSize()
{
    World& w = world();
    w.MapWidth = w.MapHeight = kMapCells;
    w.MaxX = w.MaxY = kMapCells - 1;
}

void decodeRepeatedly(benchmark::State& state, const QString& text)
{
    useStandardMapSize();
    for (auto _ : state) {
        DecodeMap(text);
        benchmark::DoNotOptimize(world().MapTerrain.data());
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
} // namespace

static void BM_DecodeMap(benchmark::State& state) { decodeRepeatedly(state, designedMap()); }
BENCHMARK(BM_DecodeMap);

// The worst case for the wall walk: every cell a wall.
static void BM_DecodeMapAllWalls(benchmark::State& state)
{
    decodeRepeatedly(state, QString(kMapCells * kMapCells, QLatin1Char('=')));
}
BENCHMARK(BM_DecodeMapAllWalls);

// The floor: open ground only, so the wall walk finds nothing to re-code.
static void BM_DecodeMapOpenGround(benchmark::State& state)
{
    decodeRepeatedly(state, QString(kMapCells * kMapCells, QLatin1Char('_')));
}
BENCHMARK(BM_DecodeMapOpenGround);

BENCHMARK_MAIN();
