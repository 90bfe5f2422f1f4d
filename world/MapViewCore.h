#pragma once
// The map view's arithmetic, without windows: walking paths, the clicked
// cell, the camera-follow rule, the viewport the server is told about, the
// overview's terrain classes and the frame rate.

#include "world/WorldState.h"

#include <QString>
#include <QtGlobal>

// The walking path from one cell to another: "&w", "&e", "&n" and "&s" steps,
// the major axis first and each minor step directly after the major step at
// which the accumulated error passes one half. Distances wrap to -75..74, so
// a distance of exactly 75 is walked west (or north).
QString GetDirections(const Point2& from, const Point2& to);

// The map cell under a pixel of the view whose top-left cell is the origin,
// wrapped into the map.
Point2 ClickedCell(double X, double Y, int tileSize, int originX, int originY, int mapWidth, int mapHeight);

// Keeps the view centre on the same side of the map as the clicked cell:
// moves it by `max` (the last index, 149) when the target lies more than half
// the map away.
void FollowCamera(qint16& centre, int target, int max);

// The view the server is told about.
struct ViewportFigures {
    qint16 OriginX = 0;
    qint16 OriginY = 0;
    qint16 TilesAcross = 0;
    qint16 TilesDown = 0;
};

// The whole tiles across and down a view of that inner size, and the
// top-left cell that puts the own position in its middle. False (and nothing
// computed) while the tile size or the map size is not yet set.
bool ComputeViewport(int innerWidth, int innerHeight, const World& w, ViewportFigures& out);

// The viewport message's text: the four figures as small numbers, one
// character each (value + 5).
QString ViewportText(const ViewportFigures& v);

// The overview's terrain class of a cell: 0 to 6 give their own class, values
// above 7 class 6; 7 and negative values keep the class of the cell before.
int OverviewClass(int previousClass, int terrain);

// The frame rate shown in the status bar: counted over every ten frames and
// unchanged in between.
qint32 GetFPS();

struct FrameRate {
    qint32 FpsFrames = 0;     // frames since the last measurement
    quint32 FpsLastTick = 0;  // tick count at the last measurement
    qint32 FpsValue = 0;      // the last rate
};
FrameRate& frameRate();
void resetFrameRate();
