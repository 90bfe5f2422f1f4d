#pragma once
// The map view and the satellite view, drawn completely on every frame from
// the world model, and the drawing helpers they share.

#include "foundation/SettingsState.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

class PictureBox;

// Redraws the game window's map view: terrain, overlays, players with their
// name tags, bots, stores with their names, marks, then the advertising line,
// the last status and splat lines; shows the chat window's staff and team
// tabs when they apply.
void DrawMap();
// Redraws the satellite view: the same top-left cell in 6 x 6 cells, no text.
void DrawSatellite();

// Writes a text twice onto a picture: in the shadow colour at (x + offset,
// y + offset), then in the text colour at (x, y); the text's top-left corner
// stands at the position. Colours are RGB() values.
void PrintShadowText(PictureBox* picture, const QString& text, quint32 textColour, quint32 shadowColour,
                     qint16 offset, qint32 x, qint32 y);

// Copies a source rectangle onto a destination, leaving the destination
// unchanged where the source has the transparent colour (an RGB() value);
// the parts outside either picture are skipped. False when either picture is
// empty.
bool TransparentBlt(QImage& destination, int dx, int dy, int width, int height, const QImage& source, int sx, int sy,
                    quint32 transparentColour);

// The parts of the last colour split by SplitRGB.
extern double FxRed;
extern qint32 FxGreen;
extern double FxBlue;
// Splits an RGB() colour value (red in the lowest byte) into FxRed, FxGreen
// and FxBlue.
void SplitRGB(qint32 colour);

// The colour of name tags and store names: the caption-text colour of the
// standard desktop scheme.
constexpr quint32 kCaptionTextColour = RGB(255, 255, 255);
