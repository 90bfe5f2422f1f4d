#include "AboutPicture.h"

#include "Draw.h"
#include "Raster.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace assetgen {

namespace {

// An irregular blob of paint with a few droplets thrown off it.
void splat(QPainter& p, double cx, double cy, double r, const QColor& paint, int seed)
{
    QPainterPath blob;
    constexpr int kLobes = 14;
    for (int i = 0; i <= kLobes; ++i) {
        const double a = i * 2 * M_PI / kLobes;
        const double reach = r * (0.72 + 0.45 * hash01(i % kLobes, seed, 7));
        const QPointF pt(cx + reach * std::cos(a), cy + reach * std::sin(a));
        if (i == 0)
            blob.moveTo(pt);
        else
            blob.lineTo(pt);
    }
    p.setPen(QPen(shade(paint, 0.6), 1.0));
    p.setBrush(paint);
    p.drawPath(blob);
    draw::circle(p, cx - r * 0.25, cy - r * 0.3, r * 0.22, shade(paint, 1.35));
    for (int d = 0; d < 4; ++d) {
        const double a = 2 * M_PI * hash01(d, seed, 11);
        const double dist = r * (1.35 + 0.5 * hash01(d, seed, 13));
        draw::circle(p, cx + dist * std::cos(a), cy + dist * std::sin(a), r * 0.12, paint);
    }
}

} // namespace

QImage aboutPicture()
{
    const int s = kAboutPictureSize;
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0.0, QColor(150, 200, 240));
    sky.setColorAt(1.0, QColor(70, 140, 70));
    p.fillRect(img.rect(), sky);

    const double c = s / 2.0;
    const QColor rings[] = {QColor(245, 245, 240), QColor(200, 40, 36)};
    for (int i = 0; i < 5; ++i)
        draw::circle(p, c, c, s * 0.42 - i * s * 0.08, rings[i % 2]);
    draw::ring(p, c, c, s * 0.42, 1.5, QColor(40, 40, 44));

    splat(p, c - s * 0.14, c - s * 0.1, s * 0.11, QColor(40, 90, 220), 1);
    splat(p, c + s * 0.18, c + s * 0.05, s * 0.09, QColor(250, 210, 30), 2);
    splat(p, c - s * 0.02, c + s * 0.22, s * 0.1, QColor(120, 200, 60), 3);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace assetgen
