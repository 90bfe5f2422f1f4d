#pragma once
// The texts written on the map, each set in type once: a label is a small
// picture of exactly the pixels its glyphs cover, copied like a tile.

#include <QFont>
#include <QImage>
#include <QString>
#include <QtGlobal>

// The font of the texts on the map: Verdana 8.25 points (11 pixels), drawn
// without smoothing so that a label is a crisp set of pixels.
QFont MapLabelFont();

namespace mapdraw {

// A text drawn once into a small picture: only the pixels the glyphs cover,
// fully opaque, the rest fully transparent; its width is a multiple of eight.
// (dx, dy) is where the picture stands relative to the text's top-left corner.
struct Sprite {
    QImage image;  // Format_ARGB32_Premultiplied, alpha 0 or 255
    int dx = 0;
    int dy = 0;
};

// The label of a text in a colour (an RGB() value). The reference stays
// valid until LabelGeneration() changes.
const Sprite& Label(const QString& text, quint32 colour);
quint64 LabelGeneration();
// The name tag of a player slot (0 to 30), kept while the slot's name stays.
const Sprite& NameTag(int slot, const QString& name);

// Draws a label's pixels onto a 32-bit picture at (x, y), the position of
// the text's top-left corner, cut at the picture's edges.
void BlendSprite(quint32* bits, qsizetype stride, int width, int height, const Sprite& s, int x, int y);

} // namespace mapdraw
