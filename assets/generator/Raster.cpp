#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {
std::uint32_t mixBits(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

int wrap(int v, int period) { return ((v % period) + period) % period; }
} // namespace

double hash01(int x, int y, int seed)
{
    const std::uint32_t h = mixBits(static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                                    mixBits(static_cast<std::uint32_t>(y) * 0x85EBCA77u ^
                                            static_cast<std::uint32_t>(seed) * 0xC2B2AE3Du));
    return static_cast<double>(h) / 4294967296.0;
}

double valueNoise(double x, double y, int period, int seed)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    auto at = [&](int i, int j) { return hash01(wrap(i, period), wrap(j, period), seed); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

QColor shade(const QColor& c, double f)
{
    auto channel = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

bool nearMagenta(QRgb c)
{
    return qRed(c) >= 190 && qBlue(c) >= 190 && qGreen(c) <= 100;
}

QImage renderSprite(const SpritePainter& paint, int size, SpriteStyle style)
{
    QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        paint(p);
    }
    layer = layer.convertToFormat(QImage::Format_ARGB32);

    // Half-covered pixels keep the sprite's own (unpremultiplied) colour, the
    // rest become the transparent key: no pixel is ever a blend with magenta.
    QImage tile(size, size, QImage::Format_RGB32);
    std::vector<bool> solid(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb c = layer.pixel(x, y);
            const bool on = qAlpha(c) >= 128;
            solid[static_cast<std::size_t>(y * size + x)] = on;
            QRgb out = on ? qRgb(qRed(c), qGreen(c), qBlue(c)) : kMagenta;
            if (on && nearMagenta(out))
                out = qRgb(qRed(out) * 3 / 5, qGreen(out), qBlue(out));
            tile.setPixel(x, y, out);
        }
    if (style.outline) {
        auto isSolid = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < size && y < size && solid[static_cast<std::size_t>(y * size + x)];
        };
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (isSolid(x, y) &&
                    (!isSolid(x - 1, y) || !isSolid(x + 1, y) || !isSolid(x, y - 1) || !isSolid(x, y + 1)))
                    tile.setPixel(x, y, shade(QColor(tile.pixel(x, y)), 0.62).rgb());
    }
    return tile;
}

QImage stackTiles(const std::vector<QImage>& tiles, int size, QRgb background)
{
    QImage strip(size, size * static_cast<int>(tiles.size()), QImage::Format_RGB32);
    strip.fill(background);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t t = 0; t < tiles.size(); ++t)
        p.drawImage(0, static_cast<int>(t) * size, tiles[t]);
    return strip;
}

bool saveBmp(const QImage& image, const QString& path)
{
    // Qt writes a 32-bit RGB image as a 24-bit bitmap.
    return image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
}

} // namespace assetgen
