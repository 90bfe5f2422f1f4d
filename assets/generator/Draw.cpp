#include "Draw.h"

#include <QPolygonF>
#include <cmath>

namespace assetgen::draw {

void ellipse(QPainter& p, double cx, double cy, double rx, double ry, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QPointF(cx, cy), rx, ry);
}

void circle(QPainter& p, double cx, double cy, double r, const QColor& fill) { ellipse(p, cx, cy, r, r, fill); }

void rect(QPainter& p, double x, double y, double w, double h, const QColor& fill, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    if (radius > 0.0)
        p.drawRoundedRect(QRectF(x, y, w, h), radius, radius);
    else
        p.drawRect(QRectF(x, y, w, h));
}

void ring(QPainter& p, double cx, double cy, double r, double width, const QColor& colour)
{
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void line(QPainter& p, double x1, double y1, double x2, double y2, double width, const QColor& colour)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const QPolygonF poly(QList<QPointF>(points.begin(), points.end()));
    p.drawPolygon(poly);
}

void star(QPainter& p, double cx, double cy, double outer, double inner, const QColor& fill)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2) ? inner : outer;
        poly << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(poly);
}

} // namespace assetgen::draw
