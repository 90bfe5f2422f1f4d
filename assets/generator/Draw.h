#pragma once
// Terse drawing helpers for sprites laid out on a 16 x 16 unit grid.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

namespace assetgen::draw {

void ellipse(QPainter& p, double cx, double cy, double rx, double ry, const QColor& fill);
void circle(QPainter& p, double cx, double cy, double r, const QColor& fill);
void rect(QPainter& p, double x, double y, double w, double h, const QColor& fill, double radius = 0.0);
void ring(QPainter& p, double cx, double cy, double r, double width, const QColor& colour);
void line(QPainter& p, double x1, double y1, double x2, double y2, double width, const QColor& colour);
void polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill);
// A five-pointed star.
void star(QPainter& p, double cx, double cy, double outer, double inner, const QColor& fill);

} // namespace assetgen::draw
