#include "IconFiles.h"

#include "Draw.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtEndian>
#include <cmath>
#include <cstdint>

namespace assetgen {

namespace {

void put16(QByteArray& out, std::uint16_t v)
{
    char le[2];
    qToLittleEndian(v, le);
    out.append(le, 2);
}

void put32(QByteArray& out, std::uint32_t v)
{
    char le[4];
    qToLittleEndian(v, le);
    out.append(le, 4);
}

// One image as a device-independent bitmap: header, colour rows bottom-up,
// then the 1-bit AND mask (set where the image is transparent).
QByteArray dib(const QImage& source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
            put32(out, img.pixel(x, y)); // little-endian ARGB is B, G, R, A in the file
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

struct Entry {
    QImage image;
    int hotX = 0, hotY = 0;
};

QByteArray container(const std::vector<Entry>& entries, std::uint16_t type)
{
    QByteArray out;
    put16(out, 0);
    put16(out, type); // 1 icon, 2 cursor
    put16(out, static_cast<std::uint16_t>(entries.size()));
    std::vector<QByteArray> bodies;
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Entry& e : entries) {
        bodies.push_back(dib(e.image));
        out.append(static_cast<char>(e.image.width() >= 256 ? 0 : e.image.width()));
        out.append(static_cast<char>(e.image.height() >= 256 ? 0 : e.image.height()));
        out.append('\0'); // no palette
        out.append('\0');
        if (type == 1) {
            put16(out, 1);  // planes
            put16(out, 32); // bits per pixel
        } else {
            put16(out, static_cast<std::uint16_t>(e.hotX));
            put16(out, static_cast<std::uint16_t>(e.hotY));
        }
        put32(out, static_cast<std::uint32_t>(bodies.back().size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies.back().size());
    }
    for (const QByteArray& b : bodies)
        out.append(b);
    return out;
}

QImage canvas(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

} // namespace

QByteArray iconFile(const std::vector<QImage>& images)
{
    std::vector<Entry> entries;
    for (const QImage& img : images)
        entries.push_back({img});
    return container(entries, 1);
}

QByteArray cursorFile(const QImage& image, int hotX, int hotY) { return container({{image, hotX, hotY}}, 2); }

QImage sunImage(int size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QPointF c(8, 8);
    QPolygonF rays;
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        const double r = (i % 2) ? 5.2 : 7.9;
        rays << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 140, 24));
    p.drawPolygon(rays);
    QRadialGradient glow(QPointF(6.8, 6.8), 6.0);
    glow.setColorAt(0.0, QColor(255, 250, 200));
    glow.setColorAt(0.5, QColor(255, 222, 70));
    glow.setColorAt(1.0, QColor(248, 176, 30));
    p.setBrush(glow);
    p.setPen(QPen(QColor(214, 116, 16), 0.6));
    p.drawEllipse(c, 4.8, 4.8);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage messageImage(int size)
{
    // A sealed envelope.
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor ink(48, 70, 130);
    p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 247, 232));
    p.drawRoundedRect(QRectF(1.0, 3.5, 14.0, 9.5), 1.0, 1.0);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>{{1.5, 4.0}, {8.0, 9.3}, {14.5, 4.0}}));
    p.drawLine(QPointF(1.5, 12.5), QPointF(6.2, 8.0));
    p.drawLine(QPointF(14.5, 12.5), QPointF(9.8, 8.0));
    draw::circle(p, 8.0, 9.3, 1.5, QColor(204, 40, 36));
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage programImage(int size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw::circle(p, 8.0, 8.0, 7.4, QColor(250, 250, 246));
    draw::ring(p, 8.0, 8.0, 6.6, 1.3, QColor(196, 36, 32));
    draw::ring(p, 8.0, 8.0, 3.6, 1.3, QColor(196, 36, 32));
    // The splat: a blob with a few drops thrown off it, left of the centre.
    const QColor paint(36, 92, 210);
    draw::circle(p, 6.6, 7.0, 3.1, paint);
    draw::circle(p, 8.6, 8.4, 2.0, paint);
    draw::circle(p, 11.4, 4.4, 1.0, paint);
    draw::circle(p, 3.2, 11.8, 0.9, paint);
    draw::circle(p, 11.0, 11.6, 0.7, paint);
    draw::circle(p, 5.6, 6.0, 0.9, QColor(150, 190, 255));
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage arrowPointerImage()
{
    QImage img = canvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow(QList<QPointF>{{1.5, 1.5}, {1.5, 22.5}, {6.5, 17.5}, {10.5, 26.0},
                                         {13.5, 24.5}, {9.6, 16.3}, {16.5, 16.3}});
    p.setPen(QPen(QColor(10, 10, 12), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(252, 252, 250));
    p.drawPolygon(arrow);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage reticlePointerImage()
{
    QImage img = canvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor dark(20, 20, 24, 220), red(236, 44, 32);
    for (const auto& [colour, width] : {std::pair{dark, 3.6}, std::pair{red, 1.8}}) {
        draw::ring(p, 16, 16, 9.5, width, colour);
        draw::line(p, 16, 2, 16, 12, width, colour);
        draw::line(p, 16, 20, 16, 30, width, colour);
        draw::line(p, 2, 16, 12, 16, width, colour);
        draw::line(p, 20, 16, 30, 16, width, colour);
    }
    draw::circle(p, 16, 16, 1.6, red);
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace assetgen
