// DecodeMap on arbitrary bytes: it must never touch memory outside the
// terrain grid, and with the standard map size it must leave only tiles that
// the renderer has.
#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "world/MapFile.h"
#include "world/WorldState.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
// The target's own walks over the grid are not code under test: they run
// without coverage tracing, which made them cost as much as the decode.
#define NOT_TRACED __attribute__((no_sanitize("coverage")))

NOT_TRACED bool isTerrainTile(qint16 t) { return (t >= 1 && t <= 4) || (t >= 6 && t <= 39); }

NOT_TRACED bool onlyTerrainTiles(const MapLayer& layer)
{
    for (int i = 0; i < kMapCells * kMapCells; ++i)
        if (!isTerrainTile(layer.data()[i]))
            return false;
    return true;
}

// Open ground everywhere, copied in one piece before every input.
NOT_TRACED const MapLayer& ground()
{
    static const MapLayer layer = [] {
        MapLayer l;
        l.fill(1);
        return l;
    }();
    return layer;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    World& w = world();
    w.MapTerrain = ground();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // An input starting with 0xFE picks its own map size from the next four
    // bytes, so that the checked path for sizes past the grid runs as well.
    if (size >= 5 && data[0] == 0xFE) {
        w.MaxX = static_cast<qint16>(data[1] - 8 + (data[1] & 0x80 ? 40 : 0));
        w.MaxY = static_cast<qint16>(data[2] - 8);
        w.MapWidth = static_cast<qint16>(data[3] - 8);
        w.MapHeight = static_cast<qint16>(data[4] - 8);
        try {
            DecodeMap(FromAnsi(bytes.mid(5)));
        } catch (const RuntimeError&) {
        }
        return 0;
    }

    w.setWholeGridSize();
    DecodeMap(FromAnsi(bytes));
    if (!onlyTerrainTiles(w.MapTerrain))
        std::abort();
    return 0;
}
