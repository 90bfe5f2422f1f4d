#include "TerrainTiles.h"

#include "Raster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen {

int wallLinks(int familyIndex)
{
    // The map decoder's neighbour table: family tile 0 stands alone, 1 joins
    // left and right, 2 up and down, and so on.
    static constexpr std::array<int, 16> links = {
        0,
        LinkLeft | LinkRight,
        LinkUp | LinkDown,
        LinkLeft | LinkRight | LinkUp | LinkDown,
        LinkLeft | LinkUp | LinkDown,
        LinkLeft | LinkRight | LinkDown,
        LinkRight | LinkUp | LinkDown,
        LinkLeft | LinkRight | LinkUp,
        LinkLeft,
        LinkUp,
        LinkDown,
        LinkRight,
        LinkLeft | LinkDown,
        LinkRight | LinkUp,
        LinkRight | LinkDown,
        LinkLeft | LinkUp,
    };
    return links.at(static_cast<std::size_t>(familyIndex));
}

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    double r = 0, g = 0, b = 0;
    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(double f) const { return {r * f, g * f, b * f}; }
};

Rgb lerp(const Rgb& a, const Rgb& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return a * (1.0 - t) + b * t;
}

// Signed distance from p to an axis-aligned box (centre c, half extents h)
// whose corners are rounded by radius rad.
double boxDistance(double px, double py, double cx, double cy, double hx, double hy, double rad)
{
    const double qx = std::abs(px - cx) - (hx - rad);
    const double qy = std::abs(py - cy) - (hy - rad);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - rad;
}

// The shape of a wall tile: a block in the middle of the tile and an arm out
// to every edge it joins, so joined walls run on without a seam.
double wallDistance(double u, double v, int links, double half, double rounding)
{
    double d = boxDistance(u, v, 0.5, 0.5, half, half, rounding);
    if (links & LinkLeft)
        d = std::min(d, boxDistance(u, v, 0.0, 0.5, 0.5, half, 0.0));
    if (links & LinkRight)
        d = std::min(d, boxDistance(u, v, 1.0, 0.5, 0.5, half, 0.0));
    if (links & LinkUp)
        d = std::min(d, boxDistance(u, v, 0.5, 0.0, half, 0.5, 0.0));
    if (links & LinkDown)
        d = std::min(d, boxDistance(u, v, 0.5, 1.0, half, 0.5, 0.0));
    return d;
}

class TerrainShader {
public:
    TerrainShader(int size, bool winter) : size_(size), winter_(winter) {}

    // Colour of the sample at (u, v) in tile units of pixel (px, py) of tile t.
    Rgb sample(int t, double u, double v, int px, int py) const
    {
        if (t >= 8 && t <= 23)
            return wall(t - 8, u, v, px, py);
        if (t >= 24)
            return hedge(t - 24, u, v, px, py);
        switch (t) {
        case 2: return path(u, v, px, py);
        case 3: return trees(u, v, px, py);
        case 4: return water(u, v, px, py);
        case 5: return gravel(px, py);
        case 6: return bushes(u, v, px, py);
        case 7: return planks(u, v, px, py);
        default: return ground(u, v, px, py);
        }
    }

private:
    // Texture noise of one pixel, -1 to 1, different per purpose (seed).
    double grain(int px, int py, int seed) const { return hash01(px, py, seed * 131 + size_) * 2.0 - 1.0; }
    // Soft patches that repeat with the tile, so neighbouring tiles match.
    double patches(double u, double v, int cells, int seed) const
    {
        return valueNoise(u * cells, v * cells, cells, seed);
    }

    Rgb ground(double u, double v, int px, int py) const
    {
        if (winter_) {
            Rgb snow = lerp({226, 233, 244}, {245, 248, 252}, patches(u, v, 3, 11));
            snow = snow * (1.0 + 0.02 * grain(px, py, 1));
            if (hash01(px, py, 12 + size_) > 0.985)
                snow = {255, 255, 255};
            return snow;
        }
        Rgb grass = lerp({74, 134, 54}, {98, 156, 62}, patches(u, v, 4, 21));
        grass = grass * (1.0 + 0.07 * grain(px, py, 2));
        const double blade = hash01(px, py, 22 + size_);
        if (blade > 0.93)
            grass = grass * 0.78;
        else if (blade < 0.04)
            grass = lerp(grass, {150, 196, 92}, 0.6);
        return grass;
    }

    Rgb path(double u, double v, int px, int py) const
    {
        Rgb dirt = winter_ ? lerp(Rgb{178, 176, 178}, Rgb{206, 206, 212}, patches(u, v, 4, 31))
                           : lerp(Rgb{164, 128, 86}, Rgb{186, 152, 104}, patches(u, v, 4, 31));
        dirt = dirt * (1.0 + 0.05 * grain(px, py, 3));
        const double stone = hash01(px, py, 32 + size_);
        if (stone > 0.93)
            dirt = winter_ ? Rgb{150, 132, 112} : dirt * 0.78;
        else if (stone < 0.05)
            dirt = winter_ ? Rgb{242, 244, 250} : lerp(dirt, {222, 196, 150}, 0.6);
        return dirt;
    }

    Rgb gravel(int px, int py) const
    {
        Rgb g = winter_ ? Rgb{196, 198, 204} : Rgb{146, 142, 132};
        g = g * (1.0 + 0.10 * grain(px, py, 4));
        if (hash01(px, py, 42 + size_) > 0.9)
            g = g * 0.8;
        return g;
    }

    Rgb trees(double u, double v, int px, int py) const
    {
        // A round crown lit from the top left, casting a shadow to the lower right.
        const double a = std::atan2(v - 0.5, u - 0.5);
        const double lobes = 0.03 * std::sin(7.0 * a) + 0.02 * std::sin(3.0 * a + 1.0) + 0.012 * std::sin(17.0 * a + 2.0);
        const double radius = 0.47 + lobes;
        const double dx = (u - 0.5) / radius;
        const double dy = (v - 0.5) / radius;
        const double r2 = dx * dx + dy * dy;
        if (r2 > 1.0) {
            const double sx = u - 0.58, sy = v - 0.58;
            const bool shadow = sx * sx + sy * sy < radius * radius;
            return ground(u, v, px, py) * (shadow ? 0.62 : 0.9);
        }
        const double nz = std::sqrt(1.0 - r2);
        const double light = std::clamp((-dx * 0.55 - dy * 0.55 + nz * 0.63), 0.0, 1.0);
        const double leaves = valueNoise(u * 8, v * 8, 8, 51) * 0.6 + 0.4 * hash01(px, py, 52 + size_);
        Rgb crown = winter_ ? lerp(Rgb{28, 62, 44}, Rgb{66, 108, 76}, light * 0.8 + leaves * 0.3)
                            : lerp(Rgb{30, 78, 34}, Rgb{96, 158, 62}, light * 0.8 + leaves * 0.3);
        if (winter_ && light + leaves * 0.5 > 1.05)
            crown = lerp(crown, {236, 242, 250}, 0.85);
        if (r2 > 0.86)
            crown = crown * 0.7;
        return crown;
    }

    Rgb water(double u, double v, int px, int py) const
    {
        if (winter_) {
            Rgb ice = lerp({164, 200, 226}, {196, 224, 240}, patches(u, v, 3, 61));
            ice = ice * (1.0 + 0.03 * grain(px, py, 6));
            const double crack = std::sin(2 * kPi * (u + 2 * v + 0.12 * std::sin(2 * kPi * 2 * u)));
            if (std::abs(crack) < 0.06)
                ice = ice * 0.8;
            if (hash01(px, py, 62 + size_) > 0.98)
                ice = {250, 252, 255};
            return ice;
        }
        Rgb w = lerp({38, 92, 160}, {54, 120, 188}, patches(u, v, 3, 63));
        w = w * (1.0 + 0.03 * grain(px, py, 7));
        const double wave = std::sin(2 * kPi * (3 * v + 0.25 * std::sin(2 * kPi * 2 * u)));
        const double ripple = std::sin(2 * kPi * (2 * u + 0.3 * std::sin(2 * kPi * v)));
        if (wave > 0.88 && ripple > -0.2)
            w = lerp(w, {150, 198, 236}, 0.7);
        else if (wave < -0.9)
            w = w * 0.88;
        return w;
    }

    Rgb bushes(double u, double v, int px, int py) const
    {
        struct Blob { double x, y, r; };
        static constexpr std::array<Blob, 3> blobs = {{{0.30, 0.32, 0.20}, {0.70, 0.42, 0.17}, {0.42, 0.74, 0.18}}};
        for (const Blob& b : blobs) {
            const double dx = (u - b.x) / b.r, dy = (v - b.y) / b.r;
            const double r2 = dx * dx + dy * dy;
            if (r2 <= 1.0) {
                const double light = std::clamp(-dx * 0.5 - dy * 0.5 + std::sqrt(1 - r2) * 0.7, 0.0, 1.0);
                Rgb leaf = lerp({36, 96, 40}, {104, 170, 70}, light * 0.85 + 0.25 * hash01(px, py, 71 + size_));
                if (winter_ && light > 0.6)
                    leaf = lerp(leaf, {238, 244, 252}, 0.8);
                if (r2 > 0.8)
                    leaf = leaf * 0.72;
                return leaf;
            }
        }
        Rgb base = ground(u, v, px, py);
        for (const Blob& b : blobs) {
            const double dx = u - b.x - 0.06, dy = v - b.y - 0.06;
            if (dx * dx + dy * dy < b.r * b.r)
                return base * 0.72;
        }
        // Flowers in the grass (berries in winter).
        struct Flower { double x, y; Rgb c; };
        static const std::array<Flower, 5> flowers = {{{0.80, 0.14, {232, 64, 56}},
                                                       {0.12, 0.62, {248, 222, 70}},
                                                       {0.86, 0.80, {250, 250, 246}},
                                                       {0.62, 0.16, {248, 222, 70}},
                                                       {0.18, 0.90, {232, 64, 56}}}};
        for (const Flower& f : flowers) {
            const double dx = u - f.x, dy = v - f.y;
            if (dx * dx + dy * dy < 0.055 * 0.055)
                return winter_ ? Rgb{196, 40, 44} : f.c;
        }
        return base;
    }

    Rgb planks(double u, double v, int px, int py) const
    {
        const int row = std::clamp(static_cast<int>(v * 4), 0, 3);
        const double inRow = v * 4 - row;
        const double seam = std::fmod(0.2 + row * 0.37, 1.0);
        const double tone = 0.9 + 0.2 * hash01(row, 0, 81);
        const double streak = valueNoise(u * 3, v * 24, 3, 82 + row);
        Rgb wood = lerp({132, 88, 50}, {176, 126, 76}, streak) * tone;
        wood = wood * (1.0 + 0.04 * grain(px, py, 8));
        const double edge = 0.55 / size_ * 4; // about one pixel, in row units
        if (inRow < edge || std::abs(u - seam) < 0.55 / size_)
            wood = wood * 0.55;
        else if (inRow < edge * 2.2)
            wood = lerp(wood, {214, 170, 116}, 0.35);
        const double nx = u - seam - 0.07, ny = inRow - 0.5;
        if (std::abs(nx) < 0.04 && std::abs(ny) < 0.16)
            wood = {86, 80, 78};
        if (winter_ && hash01(px, py, 83 + size_) > 0.93)
            wood = lerp(wood, {236, 240, 248}, 0.7);
        return wood;
    }

    // A dark rim on the outside line of a wall's shape (d its distance), and
    // inside it a bevel lit from the top left.
    static Rgb bevel(Rgb c, double u, double v, double d, int links, double half, double rounding, double band)
    {
        if (d > -0.035)
            return c * 0.42;
        if (d > -band) {
            const double e = 0.02;
            const double nx = wallDistance(u + e, v, links, half, rounding) - wallDistance(u - e, v, links, half, rounding);
            const double ny = wallDistance(u, v + e, links, half, rounding) - wallDistance(u, v - e, links, half, rounding);
            const double len = std::max(std::hypot(nx, ny), 1e-9);
            const double facing = -(nx + ny) / len * 0.7071;
            return c * (1.0 + 0.28 * facing);
        }
        return c;
    }

    // Ground beside a wall, darkened where the wall's shadow falls.
    Rgb groundWithShadow(double u, double v, int px, int py, int links, double half, double rounding) const
    {
        const bool shadow = wallDistance(u - 0.08, v - 0.08, links, half, rounding) < 0.0;
        return ground(u, v, px, py) * (shadow ? 0.62 : 1.0);
    }

    Rgb wall(int family, double u, double v, int px, int py) const
    {
        const int links = wallLinks(family);
        constexpr double half = 0.38, rounding = 0.06;
        const double d = wallDistance(u, v, links, half, rounding);
        if (d > 0.0)
            return groundWithShadow(u, v, px, py, links, half, rounding);
        // Courses of stone blocks laid to the tile's grid, so every wall tile
        // continues its neighbour's pattern.
        const int course = static_cast<int>(std::floor(v * 4));
        const double offset = (course % 2) ? 0.25 : 0.0;
        const double along = u * 2 + offset * 2;
        const int block = static_cast<int>(std::floor(along));
        const double mortar = 0.6 / size_;
        const bool joint = (v * 4 - course) < mortar * 4 || (along - block) < mortar * 2;
        Rgb stone = lerp({132, 128, 122}, {170, 164, 154}, hash01(block, course, 91));
        stone = stone * (1.0 + 0.05 * grain(px, py, 9));
        if (joint)
            stone = {98, 94, 90};
        if (winter_) {
            const double cover = valueNoise(u * 5, v * 5, 5, 92);
            if (d < -0.07 && cover > 0.55)
                stone = lerp(stone, {236, 241, 250}, 0.8);
        }
        return bevel(stone, u, v, d, links, half, rounding, 0.11);
    }

    Rgb hedge(int family, double u, double v, int px, int py) const
    {
        const int links = wallLinks(family);
        constexpr double half = 0.31, rounding = 0.22;
        const double d = wallDistance(u, v, links, half, rounding);
        if (d > 0.0)
            return groundWithShadow(u, v, px, py, links, half, rounding);
        const double leaves = valueNoise(u * 10, v * 10, 10, 101) * 0.55 + 0.45 * hash01(px, py, 102 + size_);
        // A trimmed top: brighter along the middle of the hedge.
        const double crown = std::clamp(-d / half, 0.0, 1.0);
        Rgb green = lerp({24, 66, 40}, {92, 150, 84}, 0.1 + crown * 0.4 + leaves * 0.4);
        if (winter_ && crown + leaves * 0.4 > 0.75)
            green = lerp(green, {238, 243, 251}, 0.88);
        return bevel(green, u, v, d, links, half, rounding, 0.1);
    }

    int size_;
    bool winter_;
};

} // namespace

QImage terrainStrip(int size, bool winter)
{
    const TerrainShader shader(size, winter);
    constexpr int kSub = 4; // samples per pixel edge: smooth shape edges
    std::vector<QImage> tiles;
    for (int t = 0; t < kTerrainTiles; ++t) {
        QImage tile(size, size, QImage::Format_RGB32);
        for (int py = 0; py < size; ++py)
            for (int px = 0; px < size; ++px) {
                Rgb sum;
                for (int sy = 0; sy < kSub; ++sy)
                    for (int sx = 0; sx < kSub; ++sx) {
                        const double u = (px + (sx + 0.5) / kSub) / size;
                        const double v = (py + (sy + 0.5) / kSub) / size;
                        sum = sum + shader.sample(t, u, v, px, py);
                    }
                sum = sum * (1.0 / (kSub * kSub));
                auto channel = [](double c) { return std::clamp(static_cast<int>(std::lround(c)), 0, 255); };
                tile.setPixel(px, py, qRgb(channel(sum.r), channel(sum.g), channel(sum.b)));
            }
        tiles.push_back(tile);
    }
    return stackTiles(tiles, size, qRgb(0, 0, 0));
}

} // namespace assetgen
