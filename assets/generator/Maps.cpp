#include "Maps.h"

#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace assetgen {

namespace {

// Map characters.
constexpr char kGrass = '_', kPath = '-', kTrees = '^', kWater = 'v', kHedge = '/', kBushes = '!',
               kFloor = '&', kWall = '#';

class Grid {
public:
    Grid() : cells_(kMapSide * kMapSide, kGrass) {}

    char get(int x, int y) const { return cells_[static_cast<std::size_t>(y * kMapSide + x)]; }
    void set(int x, int y, char c)
    {
        if (x >= 0 && y >= 0 && x < kMapSide && y < kMapSide)
            cells_[static_cast<std::size_t>(y * kMapSide + x)] = c;
    }
    void fill(int x0, int y0, int x1, int y1, char c)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, c);
    }

    // Scatters woods and bushes in soft clumps; the noise repeats with the
    // map, so the clumps run on across the wrapped edges.
    void woods(double treeLine, double bushLine, int seed)
    {
        for (int y = 0; y < kMapSide; ++y)
            for (int x = 0; x < kMapSide; ++x) {
                const double n = valueNoise(x / 6.0, y / 6.0, 25, seed);
                const double m = valueNoise(x / 3.0, y / 3.0, 50, seed + 1);
                if (n > treeLine && m > 0.3)
                    set(x, y, kTrees);
                else if (m > bushLine && hash01(x, y, seed + 2) > 0.55)
                    set(x, y, kBushes);
            }
    }

    void river(int centre, int seed)
    {
        for (int y = 1; y < kMapSide - 1; ++y) {
            const int cx = centre + static_cast<int>(std::lround(8 * std::sin(y / 14.0 + seed) + 3 * std::sin(y / 5.3)));
            for (int x = cx - 2; x <= cx + 1; ++x)
                set(x, y, kWater);
        }
    }

    void lake(int cx, int cy, int rx, int ry)
    {
        for (int y = cy - ry; y <= cy + ry; ++y)
            for (int x = cx - rx; x <= cx + rx; ++x) {
                const double dx = double(x - cx) / rx, dy = double(y - cy) / ry;
                if (dx * dx + dy * dy <= 1.0)
                    set(x, y, kWater);
            }
    }

    // A road: paving, and a wooden bridge where it crosses water.
    void road(int x0, int y0, int x1, int y1)
    {
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
                set(x, y, get(x, y) == kWater ? kFloor : kPath);
    }

    // A building: stone walls around a wooden floor, a clear strip of grass
    // around it, and a door of two cells in each named wall side.
    enum Side { North, South, West, East };
    void building(int x, int y, int w, int h, std::initializer_list<Side> doors)
    {
        fill(x - 1, y - 1, x + w, y + h, kGrass);
        fill(x, y, x + w - 1, y + h - 1, kWall);
        fill(x + 1, y + 1, x + w - 2, y + h - 2, kFloor);
        const int mx = x + w / 2 - 1, my = y + h / 2 - 1;
        for (Side s : doors) {
            switch (s) {
            case North: fill(mx, y, mx + 1, y, kFloor); break;
            case South: fill(mx, y + h - 1, mx + 1, y + h - 1, kFloor); break;
            case West: fill(x, my, x, my + 1, kFloor); break;
            case East: fill(x + w - 1, my, x + w - 1, my + 1, kFloor); break;
            }
        }
    }

    // A hedge line with a gap of `gap` cells every `every` cells.
    void hedge(int x0, int y0, int x1, int y1, int every = 0, int gap = 2)
    {
        int i = 0;
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x, ++i)
                if (every == 0 || i % every >= gap)
                    set(x, y, kHedge);
    }

    // The start area: the four stores stand on open paving at (4, 4),
    // (4, 10), (10, 4) and (10, 10), players start around (7, 7).
    void town()
    {
        fill(1, 1, 15, 15, kGrass);
        for (int c : {4, 7, 10}) {
            fill(2, c, 12, c, kPath);
            fill(c, 2, c, 12, kPath);
        }
        fill(6, 6, 8, 8, kPath);
        for (const auto& [x, y] : {std::pair{1, 1}, std::pair{13, 1}, std::pair{1, 13}, std::pair{13, 13}})
            set(x, y, kBushes);
        // A hedge round the town with the two main roads leading out of it.
        hedge(16, 1, 16, 16);
        hedge(1, 16, 16, 16);
        fill(16, 7, 16, 8, kPath);
        fill(7, 16, 8, 16, kPath);
    }

    void perimeter()
    {
        fill(0, 0, kMapSide - 1, 0, kWall);
        fill(0, kMapSide - 1, kMapSide - 1, kMapSide - 1, kWall);
        fill(0, 0, 0, kMapSide - 1, kWall);
        fill(kMapSide - 1, 0, kMapSide - 1, kMapSide - 1, kWall);
    }

    QByteArray bytes() const { return QByteArray(cells_.data(), static_cast<qsizetype>(cells_.size())); }

private:
    std::vector<char> cells_;
};

QByteArray arena()
{
    Grid g;
    g.woods(0.66, 0.78, 301);
    g.lake(38, 112, 12, 8);
    g.river(100, 0);
    // Main roads out of town, two cells wide, and a few side roads.
    g.road(1, 7, 148, 8);
    g.road(7, 1, 8, 148);
    g.road(9, 74, 148, 75);
    g.road(118, 9, 119, 148);
    g.road(44, 9, 44, 73);
    g.road(62, 76, 62, 140);
    g.road(9, 138, 117, 138);
    // Garden hedges with gaps between the fields.
    g.hedge(20, 62, 60, 62, 12, 3);
    g.hedge(20, 88, 60, 88, 10, 2);
    g.hedge(142, 60, 142, 112, 9, 2);
    g.hedge(70, 20, 70, 60, 8, 2);
    g.building(24, 18, 14, 10, {Grid::North, Grid::East});
    g.building(50, 26, 18, 12, {Grid::West, Grid::South});
    g.building(24, 44, 10, 10, {Grid::East});
    g.building(48, 52, 12, 8, {Grid::West, Grid::North});
    g.building(122, 18, 12, 10, {Grid::West, Grid::South});
    g.building(124, 40, 14, 14, {Grid::West, Grid::South});
    g.building(18, 92, 16, 10, {Grid::North});
    g.building(68, 90, 16, 14, {Grid::West, Grid::North, Grid::South});
    g.building(122, 100, 12, 10, {Grid::West});
    g.building(126, 118, 14, 12, {Grid::West, Grid::North});
    g.building(40, 124, 12, 8, {Grid::South, Grid::East});
    // An inner wall in the warehouse, with a passage.
    g.fill(76, 91, 76, 102, kWall);
    g.fill(76, 96, 76, 97, kFloor);
    g.town();
    g.perimeter();
    return g.bytes();
}

QByteArray woodland()
{
    Grid g;
    g.woods(0.5, 0.7, 377);
    g.lake(75, 80, 16, 11);
    g.river(100, 2);
    g.road(1, 7, 148, 8);
    g.road(7, 1, 8, 148);
    g.road(9, 52, 140, 52);
    g.road(40, 9, 40, 140);
    g.road(41, 120, 148, 120);
    // A hedge maze in a clearing south of the lake.
    g.fill(50, 96, 84, 116, kGrass);
    for (int y = 97; y <= 115; y += 3)
        g.hedge(51, y, 83, y, 7 + (y % 2), 2);
    g.hedge(50, 96, 50, 116);
    g.hedge(84, 96, 84, 116);
    g.fill(50, 105, 50, 106, kPath);
    g.fill(84, 105, 84, 106, kPath);
    g.building(20, 26, 10, 8, {Grid::East});
    g.building(54, 30, 12, 10, {Grid::South, Grid::West});
    g.building(126, 30, 14, 10, {Grid::South});
    g.building(18, 128, 12, 10, {Grid::East, Grid::North});
    g.building(126, 128, 12, 10, {Grid::North});
    g.town();
    g.perimeter();
    return g.bytes();
}

} // namespace

std::vector<MapFile> mapFiles()
{
    return {{QStringLiteral("Arena.map"), arena()}, {QStringLiteral("Woodland.map"), woodland()}};
}

} // namespace assetgen
