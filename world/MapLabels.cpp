#include "world/MapLabels.h"

#include "foundation/SettingsState.h"
#include "world/PixelOps.h"
#include "world/Renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <unordered_map>

QFont MapLabelFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

namespace mapdraw {
namespace {
struct SpriteKey {
    QString text;
    quint32 colour;
    bool operator==(const SpriteKey& o) const { return colour == o.colour && text == o.text; }
};
struct SpriteKeyHash {
    size_t operator()(const SpriteKey& k) const { return qHash(k.text) ^ (size_t(k.colour) * 0x9E3779B97F4A7C15ull); }
};

Sprite renderSprite(const QString& text, quint32 colour)
{
    const QFont font = MapLabelFont();
    const QFontMetrics fm(font);
    // Room for glyphs that reach past their advance on either side.
    const int margin = fm.height();
    QImage canvas(fm.horizontalAdvance(text) + 2 * margin, fm.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.setPen(QColor(toQRgb(colour)));
        p.drawText(margin, margin + fm.ascent(), text);
    }
    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        auto* p = reinterpret_cast<quint32*>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            // Unsmoothed glyphs are all or nothing already; keep it so.
            if (qAlpha(p[x]) >= 128) {
                p[x] = 0xFF000000u | toQRgb(colour);
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            } else {
                p[x] = 0;
            }
        }
    }
    Sprite s;
    if (right < 0)
        return s;
    // Whole groups of eight pixels, so that a row is drawn in fixed steps;
    // the padding is transparent.
    const int width = (right - left + 1 + 7) / 8 * 8;
    s.image = canvas.copy(left, top, width, bottom - top + 1);
    s.dx = left - margin;
    s.dy = top - margin;
    return s;
}

// The longest text a label is set from: more characters than the widest
// map view can show from any place a label starts. The texts come from the
// server, so a longer one is cut rather than set in type whole.
constexpr qsizetype kMaxLabelLength = 1000;

// The texts drawn so far; a name tag is drawn on every frame, so each text
// is set in type once.
class SpriteCache {
public:
    const Sprite& get(const QString& text, quint32 colour)
    {
        SpriteKey key{text.left(kMaxLabelLength), colour};
        auto it = sprites_.find(key);
        if (it != sprites_.end())
            return it->second;
        // Status lines change with every message; keep the cache bounded in
        // count and in pixels.
        Sprite sprite = renderSprite(key.text, colour);
        const qsizetype bytes = sprite.image.sizeInBytes();
        if (sprites_.size() >= 1024 || bytes_ + bytes > kMaxBytes) {
            sprites_.clear();
            bytes_ = 0;
            ++generation_;
        }
        bytes_ += bytes;
        return sprites_.emplace(std::move(key), std::move(sprite)).first->second;
    }
    // Changes whenever earlier references became invalid.
    quint64 generation() const { return generation_; }

private:
    static constexpr qsizetype kMaxBytes = 16 * 1024 * 1024;
    std::unordered_map<SpriteKey, Sprite, SpriteKeyHash> sprites_;
    qsizetype bytes_ = 0;
    quint64 generation_ = 0;
};

SpriteCache& sprites()
{
    static SpriteCache cache;
    return cache;
}

// Draws a sprite's opaque pixels onto a 32-bit picture at (x, y), cut at the
// picture's edges.
QUELVAR_VECTOR_CLONES void blendSpriteImpl(quint32* bits, qsizetype stride, int width, int height, const Sprite& s, int x, int y)
{
    if (s.image.isNull())
        return;
    x += s.dx;
    y += s.dy;
    const int w = s.image.width(), h = s.image.height();
    const auto* src = reinterpret_cast<const quint32*>(s.image.constBits());
    const qsizetype srcStride = s.image.bytesPerLine() / 4;
    if (x >= 0 && y >= 0 && x + w <= width && y + h <= height) {
        for (int row = 0; row < h; ++row) {
            quint32* __restrict d = bits + (y + row) * stride + x;
            const quint32* __restrict sr = src + row * srcStride;
            for (int group = 0; group < w; group += 8)
                keyed8(d + group, sr + group);
        }
        return;
    }
    const int x0 = qMax(0, x), y0 = qMax(0, y);
    const int x1 = qMin(width, x + w), y1 = qMin(height, y + h);
    for (int ty = y0; ty < y1; ++ty) {
        quint32* d = bits + ty * stride;
        const quint32* sr = src + (ty - y) * srcStride - x;
        for (int tx = x0; tx < x1; ++tx)
            d[tx] = keyed(sr[tx], d[tx]);
    }
}

// The name tags: the sprite of each slot's name, kept while the name stays.
struct TagCache {
    std::array<QString, 31> names;
    std::array<const Sprite*, 31> sprite{};
    quint64 generation = ~0ull;

    const Sprite& of(int slot, const QString& name)
    {
        // Emptying the sprite cache leaves every kept reference dangling.
        if (generation != sprites().generation()) {
            sprite.fill(nullptr);
            generation = sprites().generation();
        }
        if (!sprite[slot] || names[slot] != name) {
            const Sprite* s = &sprites().get(name, kCaptionTextColour);
            if (generation != sprites().generation()) {
                sprite.fill(nullptr);
                generation = sprites().generation();
            }
            names[slot] = name;
            sprite[slot] = s;
        }
        return *sprite[slot];
    }
};

TagCache& tags()
{
    static TagCache t;
    return t;
}
} // namespace

const Sprite& Label(const QString& text, quint32 colour) { return sprites().get(text, colour); }

quint64 LabelGeneration() { return sprites().generation(); }

const Sprite& NameTag(int slot, const QString& name) { return tags().of(slot, name); }

void BlendSprite(quint32* bits, qsizetype stride, int width, int height, const Sprite& s, int x, int y)
{
    blendSpriteImpl(bits, stride, width, height, s, x, y);
}

} // namespace mapdraw
