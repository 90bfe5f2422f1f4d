// Objects, paint splats and ammunition pickups.

#include "Sprites.h"

#include "Draw.h"
#include "Raster.h"

#include <QPolygonF>
#include <cmath>
#include <vector>

namespace assetgen {

using namespace draw;

namespace {

const QColor kWood(166, 116, 64);
const QColor kStone(146, 142, 136);

void barrel(QPainter& p, const QColor& body)
{
    circle(p, 8, 8, 6.0, body);
    ring(p, 8, 8, 5.2, 0.8, body.darker(150));
    circle(p, 8, 8, 3.6, body.lighter(112));
    ring(p, 8, 8, 2.4, 0.6, body.darker(140));
    circle(p, 9.6, 6.2, 0.7, QColor(60, 60, 64)); // bung
}

void crate(QPainter& p, const QColor& board)
{
    rect(p, 2.0, 2.0, 12.0, 12.0, board.darker(130), 0.8);
    rect(p, 3.2, 3.2, 9.6, 9.6, board);
    line(p, 3.6, 3.6, 12.4, 12.4, 1.2, board.darker(135));
    line(p, 12.4, 3.6, 3.6, 12.4, 1.2, board.darker(135));
}

void rock(QPainter& p, double scale, double dx, double dy)
{
    auto pt = [&](double x, double y) { return QPointF(dx + (x - 8) * scale + 8, dy + (y - 8) * scale + 8); };
    polygon(p, {pt(2.5, 9.0), pt(4.0, 4.0), pt(8.5, 2.2), pt(13.0, 4.6), pt(14.0, 10.0), pt(10.0, 13.8), pt(4.4, 13.2)},
            kStone);
    polygon(p, {pt(4.0, 4.0), pt(8.5, 2.2), pt(13.0, 4.6), pt(8.6, 7.6)}, kStone.lighter(122));
    polygon(p, {pt(8.6, 7.6), pt(14.0, 10.0), pt(10.0, 13.8), pt(4.4, 13.2)}, kStone.darker(118));
}

void flag(QPainter& p, const QColor& cloth)
{
    circle(p, 4.6, 13.6, 1.8, QColor(70, 72, 78));
    line(p, 4.6, 13.6, 4.6, 1.6, 1.1, QColor(206, 206, 210));
    QPainterPath wave(QPointF(5.1, 1.8));
    wave.cubicTo(QPointF(8.5, 0.6), QPointF(10.5, 3.6), QPointF(14.4, 2.4));
    wave.lineTo(QPointF(14.4, 8.4));
    wave.cubicTo(QPointF(10.5, 9.6), QPointF(8.5, 6.6), QPointF(5.1, 7.8));
    wave.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(wave);
    line(p, 5.4, 4.8, 13.8, 5.2, 0.8, cloth.lighter(130));
}

SpritePainter objectTile(int t)
{
    switch (t) {
    case 0: return [](QPainter& p) { barrel(p, kWood); };
    case 1: return [](QPainter& p) { barrel(p, QColor(190, 52, 42)); };
    case 2: return [](QPainter& p) { barrel(p, QColor(48, 98, 186)); };
    case 3: return [](QPainter& p) { barrel(p, QColor(70, 128, 60)); };
    case 4: return [](QPainter& p) { crate(p, QColor(188, 142, 84)); };
    case 5: return [](QPainter& p) {
        crate(p, QColor(132, 138, 144));
        for (const auto& [x, y] : {std::pair{3.8, 3.8}, std::pair{12.2, 3.8}, std::pair{3.8, 12.2}, std::pair{12.2, 12.2}})
            circle(p, x, y, 0.6, QColor(210, 214, 220));
    };
    case 6: return [](QPainter& p) { rock(p, 1.0, 0, 0); };
    case 7: return [](QPainter& p) {
        rock(p, 0.45, -3.5, -2.5);
        rock(p, 0.38, 3.2, -1.0);
        rock(p, 0.42, -0.5, 3.6);
    };
    case 8: return [](QPainter& p) {
        circle(p, 8, 8, 5.4, QColor(118, 80, 44));
        circle(p, 8, 8, 4.4, QColor(206, 168, 112));
        ring(p, 8, 8, 2.9, 0.5, QColor(160, 120, 72));
        ring(p, 8, 8, 1.4, 0.5, QColor(160, 120, 72));
    };
    case 9: return [](QPainter& p) {
        rect(p, 1.5, 5.0, 13.0, 6.0, QColor(128, 86, 48), 3.0);
        ellipse(p, 12.4, 8.0, 2.1, 3.0, QColor(206, 168, 112));
        ring(p, 12.4, 8.0, 1.1, 0.4, QColor(150, 110, 66));
        line(p, 3.0, 7.0, 9.5, 7.0, 0.5, QColor(96, 62, 34));
    };
    case 10: return [](QPainter& p) {
        const QColor sand(200, 180, 128);
        for (double x : {1.6, 8.2})
            rect(p, x, 3.6, 6.2, 4.2, sand, 2.0);
        for (double x : {4.9})
            rect(p, x, 8.2, 6.2, 4.2, sand.darker(108), 2.0);
        rect(p, 1.6, 8.2, 3.0, 4.2, sand.darker(108), 1.5);
        rect(p, 11.4, 8.2, 3.0, 4.2, sand.darker(108), 1.5);
    };
    case 11: return [](QPainter& p) {
        circle(p, 8, 8, 6.2, QColor(40, 40, 44));
        ring(p, 8, 8, 4.4, 0.6, QColor(86, 86, 92));
        circle(p, 8, 8, 2.6, QColor(24, 24, 26));
    };
    case 12: return [](QPainter& p) {
        rect(p, 2.0, 3.5, 12.0, 9.0, QColor(222, 190, 92), 1.6);
        for (double y : {6.0, 8.0, 10.0})
            line(p, 3.0, y, 13.0, y, 0.5, QColor(182, 150, 62));
        line(p, 5.5, 3.6, 5.5, 12.4, 0.8, QColor(150, 104, 40));
        line(p, 10.5, 3.6, 10.5, 12.4, 0.8, QColor(150, 104, 40));
    };
    case 13: return [](QPainter& p) {
        rect(p, 2.5, 2.5, 11.0, 11.0, QColor(240, 120, 30), 1.2);
        circle(p, 8, 8, 3.8, QColor(250, 146, 40));
        ring(p, 8, 8, 2.6, 0.9, QColor(248, 248, 246));
        circle(p, 8, 8, 1.0, QColor(200, 90, 20));
    };
    case 14: return [](QPainter& p) {
        rect(p, 1.0, 5.0, 14.0, 6.0, QColor(172, 172, 168), 1.0);
        rect(p, 1.0, 5.0, 14.0, 2.2, QColor(196, 196, 192), 1.0);
        line(p, 4.0, 9.0, 12.0, 9.0, 0.8, QColor(120, 120, 118));
    };
    case 15: return [](QPainter& p) {
        rect(p, 1.2, 4.6, 13.6, 6.8, QColor(40, 120, 220), 3.4);
        rect(p, 1.2, 4.6, 13.6, 2.2, QColor(90, 160, 240), 1.6);
        line(p, 5.5, 4.8, 5.5, 11.2, 0.6, QColor(250, 220, 40));
        line(p, 10.5, 4.8, 10.5, 11.2, 0.6, QColor(250, 220, 40));
    };
    case 16: return [](QPainter& p) {
        polygon(p, {{8.0, 1.6}, {14.6, 13.8}, {1.4, 13.8}}, QColor(214, 48, 40));
        polygon(p, {{8.0, 1.6}, {8.0, 13.8}, {1.4, 13.8}}, QColor(236, 90, 76));
    };
    case 17: return [](QPainter& p) { flag(p, QColor(214, 40, 36)); };
    case 18: return [](QPainter& p) { flag(p, QColor(40, 84, 214)); };
    case 19: return [](QPainter& p) {
        circle(p, 8, 8, 6.4, QColor(120, 118, 116));
        circle(p, 8, 8, 5.2, QColor(176, 174, 170));
        star(p, 8, 8.3, 4.4, 1.9, QColor(250, 200, 40));
    };
    case 20: return [](QPainter& p) {
        circle(p, 8, 8, 5.2, QColor(112, 120, 124));
        ring(p, 8, 8, 4.0, 0.5, QColor(80, 86, 90));
        rect(p, 6.2, 7.2, 3.6, 1.6, QColor(70, 74, 78), 0.6);
    };
    case 21: return [](QPainter& p) {
        for (double y : {5.0, 7.4, 9.8})
            rect(p, 1.5, y, 13.0, 1.9, QColor(176, 124, 70), 0.4);
        line(p, 3.2, 4.6, 3.2, 12.2, 0.9, QColor(70, 70, 74));
        line(p, 12.8, 4.6, 12.8, 12.2, 0.9, QColor(70, 70, 74));
    };
    case 22: return [](QPainter& p) {
        for (const auto& [x, y] : {std::pair{8.0, 2.2}, std::pair{8.0, 13.8}, std::pair{2.2, 8.0}, std::pair{13.8, 8.0}})
            circle(p, x, y, 1.7, QColor(140, 96, 56));
        circle(p, 8, 8, 4.6, QColor(182, 132, 78));
        ring(p, 8, 8, 3.6, 0.4, QColor(150, 104, 58));
    };
    case 23: return [](QPainter& p) {
        rect(p, 2.0, 4.0, 12.0, 9.0, QColor(132, 82, 40), 1.0);
        rect(p, 2.0, 4.0, 12.0, 3.4, QColor(160, 104, 54), 1.0);
        line(p, 5.0, 4.0, 5.0, 13.0, 1.0, QColor(226, 184, 56));
        line(p, 11.0, 4.0, 11.0, 13.0, 1.0, QColor(226, 184, 56));
        rect(p, 7.0, 6.6, 2.0, 2.0, QColor(240, 206, 80));
    };
    case 24: return [](QPainter& p) {
        circle(p, 8, 8, 5.6, kStone);
        circle(p, 7.2, 7.2, 3.8, kStone.lighter(118));
        ring(p, 8, 8, 5.0, 0.5, kStone.darker(125));
    };
    case 25: return [](QPainter& p) {
        circle(p, 8, 8, 6.2, QColor(190, 150, 96));
        ring(p, 8, 8, 4.6, 0.5, QColor(150, 112, 66));
        ring(p, 8, 8, 3.0, 0.5, QColor(150, 112, 66));
        circle(p, 8, 8, 1.5, QColor(90, 60, 34));
    };
    case 26: return [](QPainter& p) {
        for (double x : {2.0, 6.6, 11.2})
            rect(p, x, 2.0, 2.8, 12.0, QColor(200, 164, 108), 0.3);
        for (double y : {3.0, 7.2, 11.4})
            line(p, 2.0, y + 0.8, 14.0, y + 0.8, 0.6, QColor(150, 116, 70));
    };
    case 27: return [](QPainter& p) {
        crate(p, QColor(178, 134, 80));
        rect(p, 8.0, 8.0, 6.5, 6.5, QColor(150, 108, 60), 0.6);
        rect(p, 8.8, 8.8, 4.9, 4.9, QColor(196, 152, 94));
    };
    case 28: return [](QPainter& p) {
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            circle(p, 8 + 5.0 * std::cos(a), 8 + 5.0 * std::sin(a), 1.5, kStone);
        }
        circle(p, 8, 8, 3.4, QColor(236, 110, 30));
        circle(p, 8, 8.4, 2.0, QColor(252, 200, 60));
        circle(p, 8, 8.6, 0.9, QColor(255, 246, 200));
    };
    case 29: return [](QPainter& p) {
        circle(p, 8, 8, 6.4, kStone);
        ring(p, 8, 8, 5.6, 0.5, kStone.darker(130));
        circle(p, 8, 8, 4.0, QColor(40, 90, 150));
        circle(p, 7.0, 7.0, 1.0, QColor(120, 170, 220));
    };
    case 30: return [](QPainter& p) {
        circle(p, 8, 8, 4.4, QColor(255, 236, 140));
        circle(p, 8, 8, 2.4, QColor(255, 252, 220));
        ring(p, 8, 8, 4.4, 0.7, QColor(90, 92, 96));
    };
    case 31: return [](QPainter& p) {
        line(p, 8.0, 9.0, 8.0, 14.6, 1.3, QColor(110, 76, 44));
        rect(p, 2.0, 3.0, 12.0, 6.4, QColor(196, 152, 94), 0.8);
        for (double y : {5.0, 7.2})
            line(p, 3.8, y, 12.2, y, 0.6, QColor(96, 66, 38));
    };
    default: return [](QPainter&) {};
    }
}

// A splash of paint: a lumpy blob with drops flung around it.
void splat(QPainter& p, int index, const QColor& paint)
{
    const int seed = 500 + index * 17;
    QPolygonF blob;
    const int points = 18;
    for (int i = 0; i < points; ++i) {
        const double a = i * 2 * M_PI / points;
        const double r = 3.2 + 1.6 * hash01(i, 0, seed) + ((i % 3 == 0) ? 1.0 * hash01(i, 1, seed) : 0.0);
        blob << QPointF(8 + r * std::cos(a), 8 + r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawPolygon(blob);
    const int drops = 4 + static_cast<int>(hash01(0, 2, seed) * 3);
    for (int i = 0; i < drops; ++i) {
        const double a = hash01(i, 3, seed) * 2 * M_PI;
        const double dist = 5.3 + 1.8 * hash01(i, 4, seed);
        circle(p, 8 + dist * std::cos(a), 8 + dist * std::sin(a), 0.6 + 0.7 * hash01(i, 5, seed), paint);
    }
    circle(p, 6.6, 6.4, 1.2, paint.lighter(140)); // wet shine
}

void tube(QPainter& p, const QColor& paint)
{
    rect(p, 5.2, 1.4, 5.6, 13.4, QColor(222, 226, 232), 2.6);
    rect(p, 5.2, 1.4, 5.6, 2.4, QColor(52, 54, 60), 1.2);
    for (double y : {5.6, 8.6, 11.6})
        circle(p, 8, y, 1.9, paint);
    circle(p, 7.4, 5.0, 0.5, paint.lighter(150));
}

void hopper(QPainter& p, const QColor& shell)
{
    rect(p, 2.6, 3.0, 10.8, 10.4, shell, 3.0);
    rect(p, 4.2, 4.4, 7.6, 4.4, shell.lighter(150), 1.6);
    for (const auto& [x, y] : {std::pair{5.8, 6.6}, std::pair{8.0, 6.2}, std::pair{10.2, 6.6}})
        circle(p, x, y, 1.0, QColor(246, 206, 40));
    rect(p, 6.4, 12.4, 3.2, 2.6, QColor(40, 42, 48), 0.6); // feed neck
}

SpritePainter ammoTile(int t)
{
    static const QColor paints[8] = {QColor(230, 52, 40),  QColor(246, 204, 36), QColor(44, 110, 224),
                                     QColor(60, 180, 70),  QColor(246, 128, 30), QColor(140, 70, 200),
                                     QColor(250, 250, 246), QColor(40, 190, 200)};
    if (t < 8) {
        const QColor paint = paints[t];
        return [paint](QPainter& p) { tube(p, paint); };
    }
    if (t < 12) {
        static const QColor shells[4] = {QColor(44, 46, 52), QColor(110, 116, 126), QColor(40, 80, 170),
                                         QColor(170, 40, 36)};
        const QColor shell = shells[t - 8];
        return [shell](QPainter& p) { hopper(p, shell); };
    }
    switch (t) {
    case 12:
    case 13: {
        const QColor paint = paints[t == 12 ? 0 : 2];
        return [paint](QPainter& p) {
            rect(p, 1.6, 3.0, 12.8, 10.4, QColor(198, 162, 112), 0.6);
            line(p, 1.8, 6.0, 14.2, 6.0, 0.7, QColor(160, 126, 80));
            circle(p, 8, 9.6, 2.6, paint);
            circle(p, 7.2, 8.8, 0.7, paint.lighter(150));
        };
    }
    case 14: return [](QPainter& p) {
        rect(p, 1.4, 5.0, 11.0, 6.0, QColor(188, 194, 202), 3.0);
        rect(p, 11.6, 6.4, 3.0, 3.2, QColor(50, 52, 58), 0.6);
        line(p, 3.0, 6.4, 10.0, 6.4, 0.6, QColor(236, 240, 246));
    };
    default: return [](QPainter& p) {
        rect(p, 1.4, 9.0, 13.2, 3.6, QColor(44, 46, 52), 1.0);
        for (double x : {3.6, 8.0, 12.4}) {
            rect(p, x - 1.6, 2.0, 3.2, 8.8, QColor(222, 226, 232), 1.6);
            circle(p, x, 5.0, 1.1, QColor(230, 52, 40));
        }
    };
    }
}

} // namespace

QImage objectsStrip(int size)
{
    std::vector<QImage> tiles;
    for (int t = 0; t < 32; ++t)
        tiles.push_back(renderSprite(objectTile(t), size));
    return stackTiles(tiles, size, kMagenta);
}

QImage splatsStrip(int size)
{
    static const QColor paints[16] = {
        QColor(222, 40, 36),  QColor(246, 130, 30), QColor(246, 214, 40), QColor(150, 210, 40),
        QColor(44, 170, 64),  QColor(40, 200, 200), QColor(70, 160, 240), QColor(40, 70, 210),
        QColor(128, 64, 196), QColor(244, 110, 170), QColor(248, 248, 244), QColor(52, 52, 58),
        QColor(136, 86, 44),  QColor(24, 128, 120), QColor(226, 180, 40),  QColor(176, 40, 90)};
    std::vector<QImage> tiles;
    for (int t = 0; t < 16; ++t) {
        const QColor paint = paints[t];
        tiles.push_back(renderSprite([t, paint](QPainter& p) { splat(p, t, paint); }, size));
    }
    return stackTiles(tiles, size, kMagenta);
}

QImage ammoStrip(int size)
{
    std::vector<QImage> tiles;
    for (int t = 0; t < 16; ++t)
        tiles.push_back(renderSprite(ammoTile(t), size));
    return stackTiles(tiles, size, kMagenta);
}

} // namespace assetgen
