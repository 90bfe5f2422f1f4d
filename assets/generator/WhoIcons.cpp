#include "WhoIcons.h"

#include "Draw.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace assetgen {

using namespace draw;

namespace {

// Every picture: flat colours, a one-pixel darker outline, light from the top left.
const QColor kInk(30, 30, 36);

void outlined(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.setPen(QPen(fill.darker(220), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    path.closeSubpath();
    return path;
}

void trainer(QPainter& p)
{
    outlined(p, polygonPath({{2.5, 2.0}, {13.5, 2.0}, {13.5, 8.0}, {8.0, 14.5}, {2.5, 8.0}}), QColor(48, 96, 200));
    star(p, 8.0, 7.0, 4.0, 1.7, QColor(250, 250, 240));
}

void ignore(QPainter& p)
{
    circle(p, 8.0, 8.0, 6.3, QColor(252, 252, 248));
    ring(p, 8.0, 8.0, 5.8, 2.0, QColor(210, 30, 30));
    line(p, 4.0, 12.0, 12.0, 4.0, 2.0, QColor(210, 30, 30));
}

void hourglass(QPainter& p)
{
    const QColor glass(214, 236, 246), sand(236, 176, 40), wood(120, 76, 36);
    outlined(p, polygonPath({{4.0, 2.5}, {12.0, 2.5}, {8.8, 8.0}, {12.0, 13.5}, {4.0, 13.5}, {7.2, 8.0}}), glass);
    polygon(p, {{5.6, 4.0}, {10.4, 4.0}, {8.0, 7.4}}, sand);
    polygon(p, {{8.0, 10.0}, {10.9, 12.9}, {5.1, 12.9}}, sand);
    rect(p, 3.0, 1.0, 10.0, 1.8, wood, 0.6);
    rect(p, 3.0, 13.2, 10.0, 1.8, wood, 0.6);
}

void target(QPainter& p)
{
    const QColor red(214, 40, 40), white(250, 250, 246);
    circle(p, 8.0, 8.0, 7.0, kInk);
    circle(p, 8.0, 8.0, 6.2, red);
    circle(p, 8.0, 8.0, 4.4, white);
    circle(p, 8.0, 8.0, 2.6, red);
    circle(p, 9.6, 6.6, 1.2, QColor(60, 200, 70));  // a paintball's hit
}

// `count` bank notes, stacked from the bottom up.
void notes(QPainter& p, int count)
{
    const QColor green(74, 160, 80);
    for (int i = 0; i < count; ++i) {
        const double y = 9.0 - i * 2.6;
        QPainterPath note;
        note.addRoundedRect(QRectF(1.5, y, 13.0, 5.5), 1.0, 1.0);
        outlined(p, note, i == count - 1 ? green : green.darker(115));
    }
    const double top = 9.0 - (count - 1) * 2.6;
    ellipse(p, 8.0, top + 2.75, 1.9, 1.9, QColor(200, 236, 196));
    line(p, 8.0, top + 1.3, 8.0, top + 4.2, 0.8, green.darker(200));
}

void goldBars(QPainter& p)
{
    const QColor gold(238, 188, 40);
    const auto bar = [&](double x, double y) {
        outlined(p, polygonPath({{x + 1.2, y}, {x + 5.8, y}, {x + 7.0, y + 4.2}, {x, y + 4.2}}), gold);
        line(p, x + 1.8, y + 1.0, x + 4.6, y + 1.0, 0.7, QColor(255, 244, 190));
    };
    bar(0.8, 10.8);
    bar(8.2, 10.8);
    bar(4.5, 6.0);
    star(p, 8.0, 3.2, 2.6, 1.1, QColor(255, 236, 120));
}

// A splat of paint: the bigger the count, the bigger and bolder the splat.
void splat(QPainter& p, double size, const QColor& paint, int drops)
{
    const auto disc = [](double x, double y, double r) {
        QPainterPath d;
        d.addEllipse(QPointF(x, y), r, r);
        return d;
    };
    QPainterPath blob = disc(8.0, 8.0, size * 0.58);
    const int lobes = 7;
    for (int i = 0; i < lobes; ++i) {
        const double a = i * 2 * M_PI / lobes + 0.3;
        const double r = size * ((i % 2) ? 0.62 : 0.86);
        blob = blob.united(disc(8.0 + r * std::cos(a), 8.0 + r * std::sin(a), size * ((i % 2) ? 0.3 : 0.24)));
    }
    outlined(p, blob, paint);
    for (int i = 0; i < drops; ++i) {
        const double a = i * 2 * M_PI / drops + 1.1;
        circle(p, 8.0 + (size + 1.4) * std::cos(a), 8.0 + (size + 1.4) * std::sin(a), 0.9, paint);
    }
    circle(p, 7.2, 7.2, size * 0.14, paint.lighter(160));
}

QImage picture(const std::function<void(QPainter&)>& paint)
{
    QImage img(kWhoIconSize, kWhoIconSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return img;
}

} // namespace

QImage whoIconStrip()
{
    const std::function<void(QPainter&)> painters[kWhoIconCount] = {
        trainer,                                                                // Trainer
        ignore,                                                                 // Ignore
        hourglass,                                                              // InHolding
        [](QPainter& p) { notes(p, 3); },                                       // 10Dollars
        [](QPainter& p) { notes(p, 2); },                                       // 5Dollars
        [](QPainter& p) { notes(p, 1); },                                       // 1000Dollars
        target,                                                                 // InGame
        [](QPainter& p) { splat(p, 2.2, QColor(150, 150, 156), 0); },           // 0Splats
        [](QPainter& p) { splat(p, 5.4, QColor(220, 36, 36), 5); },             // 10000Splats
        goldBars,                                                               // 5kDollars
        [](QPainter& p) { splat(p, 3.2, QColor(60, 180, 70), 1); },             // 100Splats
        [](QPainter& p) { splat(p, 4.0, QColor(50, 110, 220), 2); },            // 1000Splats
        [](QPainter& p) { splat(p, 4.7, QColor(150, 60, 190), 3); },            // 5000Splats
    };
    QImage strip(kWhoIconSize * kWhoIconCount, kWhoIconSize, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < kWhoIconCount; ++i)
        p.drawImage(i * kWhoIconSize, 0, picture(painters[i]));
    p.end();
    return strip.convertToFormat(QImage::Format_ARGB32);
}

} // namespace assetgen
