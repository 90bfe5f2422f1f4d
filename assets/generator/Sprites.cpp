#include "Sprites.h"

#include "Draw.h"
#include "Raster.h"

#include <tuple>
#include <utility>
#include <vector>

namespace assetgen {

using namespace draw;

namespace {

// A paintball player seen from above, facing up, marker in the right hand.
void player(QPainter& p, const QColor& jersey, const QColor& helmet)
{
    const QColor marker(40, 42, 48);
    ellipse(p, 8.0, 10.0, 6.2, 4.2, jersey);                  // shoulders
    ellipse(p, 8.0, 11.2, 4.6, 2.4, jersey.darker(115));      // back
    rect(p, 10.6, 1.2, 1.8, 7.6, marker, 0.6);                // barrel and body
    circle(p, 11.5, 7.4, 1.4, marker.lighter(160));           // loader
    circle(p, 12.6, 9.2, 1.3, jersey.darker(130));            // right hand
    circle(p, 8.0, 8.8, 3.3, helmet);                         // head
    rect(p, 5.2, 6.0, 5.6, 1.8, QColor(120, 206, 236), 0.8);  // goggle lens
}

void markFrame(QPainter& p)
{
    const QColor c(255, 232, 64);
    const double w = 1.3, a = 4.0, lo = 1.0, hi = 15.0;
    for (const auto& [x, y, dx, dy] : {std::tuple{lo, lo, 1, 1}, std::tuple{hi, lo, -1, 1},
                                       std::tuple{lo, hi, 1, -1}, std::tuple{hi, hi, -1, -1}}) {
        line(p, x, y, x + dx * a, y, w, c);
        line(p, x, y, x, y + dy * a, w, c);
    }
}

// A small store seen from above: gabled roof, door at the front, an emblem.
void store(QPainter& p, const QColor& roof, const std::function<void(QPainter&)>& emblem)
{
    rect(p, 1.5, 3.0, 13.0, 11.5, QColor(226, 208, 168));     // walls
    rect(p, 1.0, 1.5, 14.0, 5.2, roof.lighter(118));          // roof, sunny half
    rect(p, 1.0, 6.7, 14.0, 5.3, roof.darker(125));           // roof, shaded half
    line(p, 1.4, 6.7, 14.6, 6.7, 0.6, roof.darker(170));     // ridge
    rect(p, 6.6, 12.0, 2.8, 2.8, QColor(96, 62, 36));        // door
    circle(p, 8.0, 6.7, 3.0, QColor(246, 242, 230));          // sign board
    emblem(p);
}

void wrench(QPainter& p)
{
    const QColor steel(96, 100, 110);
    line(p, 6.2, 8.6, 9.2, 5.6, 1.3, steel);
    circle(p, 9.4, 5.4, 1.3, steel);
    circle(p, 9.9, 4.9, 0.55, QColor(246, 242, 230));
}

void goggles(QPainter& p)
{
    const QColor frame(40, 44, 52);
    rect(p, 5.6, 5.6, 4.8, 2.2, frame, 1.0);
    circle(p, 6.9, 6.7, 0.8, QColor(110, 196, 228));
    circle(p, 9.1, 6.7, 0.8, QColor(110, 196, 228));
}

void crosshair(QPainter& p)
{
    const QColor c(150, 24, 20);
    ring(p, 8.0, 6.7, 1.8, 0.8, c);
    line(p, 8.0, 4.2, 8.0, 9.2, 0.7, c);
    line(p, 5.5, 6.7, 10.5, 6.7, 0.7, c);
}

void paintballs(QPainter& p)
{
    circle(p, 6.7, 7.5, 1.1, QColor(230, 50, 40));
    circle(p, 9.3, 7.5, 1.1, QColor(40, 110, 220));
    circle(p, 8.0, 5.5, 1.1, QColor(250, 210, 40));
}

SpritePainter graphicsTile(int t)
{
    switch (t) {
    case 1: return [](QPainter& p) { player(p, QColor(246, 200, 34), QColor(250, 250, 248)); };
    case 2: return [](QPainter& p) { player(p, QColor(204, 52, 46), QColor(52, 54, 60)); };
    case 3: return [](QPainter& p) { player(p, QColor(52, 108, 216), QColor(52, 54, 60)); };
    case 4: return [](QPainter& p) { player(p, QColor(150, 152, 156), QColor(96, 98, 104)); };
    case 6: return [](QPainter& p) {
        const QColor red(224, 36, 30);
        ring(p, 8, 8, 5.2, 1.2, red);
        line(p, 8, 1.2, 8, 5.0, 1.1, red);
        line(p, 8, 11.0, 8, 14.8, 1.1, red);
        line(p, 1.2, 8, 5.0, 8, 1.1, red);
        line(p, 11.0, 8, 14.8, 8, 1.1, red);
    };
    case 7: return [](QPainter& p) {
        circle(p, 8, 8, 2.6, QColor(246, 206, 36));
        circle(p, 7.2, 7.2, 0.9, QColor(255, 246, 190));
    };
    case 8: return [](QPainter& p) {
        line(p, 5.5, 14.5, 5.5, 2.0, 1.2, QColor(90, 70, 50));
        polygon(p, {{6.0, 2.0}, {13.5, 4.6}, {6.0, 7.4}}, QColor(60, 188, 80));
    };
    case 9: return [](QPainter& p) {
        const QColor red(214, 40, 34);
        line(p, 3.5, 3.5, 12.5, 12.5, 2.2, red);
        line(p, 12.5, 3.5, 3.5, 12.5, 2.2, red);
    };
    case 10: return [](QPainter& p) { star(p, 8, 8.4, 6.6, 2.8, QColor(250, 206, 40)); };
    case 11: return [](QPainter& p) {
        circle(p, 8, 8, 5.0, QColor(232, 180, 30));
        circle(p, 8, 8, 3.6, QColor(250, 212, 70));
        rect(p, 7.3, 5.6, 1.4, 4.8, QColor(196, 140, 20));
    };
    case 12: return [](QPainter& p) { store(p, QColor(112, 74, 170), wrench); };
    case 13: return [](QPainter& p) { store(p, QColor(34, 140, 140), goggles); };
    case 14: return [](QPainter& p) { store(p, QColor(168, 46, 38), crosshair); };
    case 15: return [](QPainter& p) { store(p, QColor(222, 126, 32), paintballs); };
    default: return [](QPainter&) {};
    }
}

// Bots in four builds and four paint schemes.
void drone(QPainter& p, const QColor& body)
{
    const QColor arm(70, 74, 82), rotor(170, 176, 186);
    line(p, 3.5, 3.5, 12.5, 12.5, 1.4, arm);
    line(p, 12.5, 3.5, 3.5, 12.5, 1.4, arm);
    for (const auto& [x, y] : {std::pair{3.5, 3.5}, std::pair{12.5, 3.5}, std::pair{3.5, 12.5}, std::pair{12.5, 12.5}})
        circle(p, x, y, 2.6, rotor);
    circle(p, 8, 8, 3.6, body);
    circle(p, 8, 7.2, 1.3, QColor(250, 60, 40));
    circle(p, 7.6, 6.8, 0.45, QColor(255, 220, 200));
}

void tank(QPainter& p, const QColor& body)
{
    const QColor tread(46, 48, 54);
    rect(p, 1.5, 2.5, 3.2, 12.0, tread, 1.0);
    rect(p, 11.3, 2.5, 3.2, 12.0, tread, 1.0);
    for (double y = 3.6; y < 14.0; y += 2.0) {
        line(p, 2.0, y, 4.2, y, 0.5, QColor(96, 98, 104));
        line(p, 11.8, y, 14.0, y, 0.5, QColor(96, 98, 104));
    }
    rect(p, 4.2, 4.0, 7.6, 9.0, body, 1.0);
    rect(p, 7.2, 0.8, 1.6, 6.0, QColor(60, 62, 70));
    circle(p, 8, 8.6, 2.8, body.lighter(125));
    circle(p, 8, 8.6, 1.0, QColor(40, 42, 48));
}

void walker(QPainter& p, const QColor& body)
{
    const QColor leg(58, 60, 68);
    line(p, 8, 8, 2.2, 3.0, 1.2, leg);
    line(p, 8, 8, 13.8, 3.0, 1.2, leg);
    line(p, 8, 8, 2.2, 13.4, 1.2, leg);
    line(p, 8, 8, 13.8, 13.4, 1.2, leg);
    ellipse(p, 8, 8.4, 4.2, 4.8, body);
    ellipse(p, 8, 6.2, 2.6, 1.4, QColor(40, 42, 48));
    circle(p, 6.9, 6.2, 0.7, QColor(120, 230, 255));
    circle(p, 9.1, 6.2, 0.7, QColor(120, 230, 255));
}

void android(QPainter& p, const QColor& body)
{
    const QColor metal(150, 156, 166);
    rect(p, 1.8, 7.0, 12.4, 5.6, body, 1.4);               // shoulders
    rect(p, 1.6, 7.6, 2.2, 4.4, metal, 0.8);               // arms
    rect(p, 12.2, 7.6, 2.2, 4.4, metal, 0.8);
    rect(p, 5.0, 3.6, 6.0, 6.0, metal, 1.2);               // head
    rect(p, 5.6, 4.6, 4.8, 1.6, QColor(255, 70, 40), 0.6); // visor
    line(p, 8.0, 3.6, 8.0, 1.2, 0.7, QColor(70, 74, 82));  // antenna
    circle(p, 8.0, 1.2, 0.8, QColor(255, 210, 60));
}

} // namespace

QImage graphicsStrip(int size)
{
    std::vector<QImage> tiles;
    for (int t = 0; t < 16; ++t) {
        // Thin line art (mark, reticle, cross) keeps its colour without a rim.
        const bool lineArt = t == 5 || t == 6 || t == 9;
        tiles.push_back(renderSprite(t == 5 ? SpritePainter(markFrame) : graphicsTile(t), size, {!lineArt}));
    }
    return stackTiles(tiles, size, kMagenta);
}

QImage botsStrip(int size)
{
    const QColor schemes[4] = {QColor(206, 60, 50), QColor(56, 110, 210), QColor(70, 160, 80), QColor(226, 180, 40)};
    void (*const builds[4])(QPainter&, const QColor&) = {drone, tank, walker, android};
    std::vector<QImage> tiles;
    for (int t = 0; t < 16; ++t) {
        auto build = builds[t / 4];
        const QColor scheme = schemes[t % 4];
        tiles.push_back(renderSprite([build, scheme](QPainter& p) { build(p, scheme); }, size));
    }
    return stackTiles(tiles, size, kMagenta);
}

} // namespace assetgen
