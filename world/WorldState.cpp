#include "world/WorldState.h"

#include "foundation/RuntimeError.h"

#include <memory>

namespace {
std::unique_ptr<World>& storage()
{
    static std::unique_ptr<World> w = std::make_unique<World>();
    return w;
}

inline bool inGrid(int x, int y) { return x >= 0 && x < kMapCells && y >= 0 && y < kMapCells; }
} // namespace

qint16 MapLayer::get(int x, int y) const
{
    if (!inGrid(x, y))
        Raise(errSubscriptOutOfRange);
    return cells_[x + kMapCells * y];
}

void MapLayer::set(int x, int y, qint16 value)
{
    if (!inGrid(x, y))
        Raise(errSubscriptOutOfRange);
    cells_[x + kMapCells * y] = value;
}

World& world() { return *storage(); }

void resetWorldState() { storage() = std::make_unique<World>(); }
