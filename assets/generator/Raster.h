#pragma once
// Small raster helpers shared by the tile painters: deterministic noise,
// colour arithmetic and the finishing of overlay sprites against the
// transparent magenta of the tile strips.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

// The colour the map view treats as transparent on every overlay strip.
inline constexpr QRgb kMagenta = 0xFFFF00FFu;

// A reproducible hash of integer coordinates to [0, 1).
double hash01(int x, int y, int seed);
// Smooth value noise over a lattice of `period` cells, tiling every `period` cells.
double valueNoise(double x, double y, int period, int seed);

// Multiplies the brightness of a colour by f (> 1 lightens, < 1 darkens).
QColor shade(const QColor& c, double f);

// True for a colour so close to the transparent magenta that a careless
// blit or a lossy tool could confuse it with the transparent key.
bool nearMagenta(QRgb c);

// One sprite painter: draws into a 16 x 16 unit square (the painter is already
// scaled to the tile size) on a transparent background.
using SpritePainter = std::function<void(QPainter&)>;

struct SpriteStyle {
    bool outline = true; // darken the sprite's own rim for a crisp silhouette
};

// Renders one overlay tile of `size` pixels: anti-aliased against transparency,
// then every pixel either becomes exact magenta (mostly uncovered) or the
// sprite's own opaque colour, never a blend with magenta.
QImage renderSprite(const SpritePainter& paint, int size, SpriteStyle style = {});

// Stacks tiles one below the other into a strip one tile wide.
QImage stackTiles(const std::vector<QImage>& tiles, int size, QRgb background);

// Writes a strip as a 24-bit BMP; false when the file cannot be written.
bool saveBmp(const QImage& image, const QString& path);

} // namespace assetgen
