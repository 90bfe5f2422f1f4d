#include "world/MapViewCore.h"

#include "foundation/Ansi.h"
#include "foundation/Convert.h"
#include "platform/Services.h"

#include <cmath>

namespace {
// Modulo that stays within 0..n-1 for negative values too, so that a cell
// left of or above the map wraps round like every other cell.
int wrap(int value, int n)
{
    const int m = value % n;
    return m < 0 ? m + n : m;
}

// Brings a distance into -75..74 (a half-map distance either way is negative).
int shortestDistance(int d)
{
    if (d < -kMapCells / 2)
        return d + kMapCells;
    if (d >= kMapCells / 2)
        return d - kMapCells;
    return d;
}
} // namespace

QString GetDirections(const Point2& from, const Point2& to)
{
    int dx = shortestDistance(to.X - from.X);
    int dy = shortestDistance(to.Y - from.Y);
    QLatin1String horizontal("&e");
    QLatin1String vertical("&s");
    if (dx < 0) {
        horizontal = QLatin1String("&w");
        dx = -dx;
    }
    if (dy < 0) {
        vertical = QLatin1String("&n");
        dy = -dy;
    }

    QString path;
    path.reserve(2 * (dx + dy));
    const bool horizontalMajor = dx >= dy;
    const int major = horizontalMajor ? dx : dy;
    const int minor = horizontalMajor ? dy : dx;
    const QLatin1String majorStep = horizontalMajor ? horizontal : vertical;
    const QLatin1String minorStep = horizontalMajor ? vertical : horizontal;
    int a = 0;
    for (int i = 0; i < major; ++i) {
        path += majorStep;
        a += minor;
        // a / major > 0.5, in whole numbers.
        if (2 * a > major) {
            path += minorStep;
            a -= major;
        }
    }
    return path;
}

Point2 ClickedCell(double X, double Y, int tileSize, int originX, int originY, int mapWidth, int mapHeight)
{
    Point2 cell;
    cell.X = static_cast<qint16>(wrap(static_cast<int>(Int(X / tileSize)) + originX, mapWidth));
    cell.Y = static_cast<qint16>(wrap(static_cast<int>(Int(Y / tileSize)) + originY, mapHeight));
    return cell;
}

void FollowCamera(qint16& centre, int target, int max)
{
    const double half = max / 2.0;
    if (centre + half < target)
        centre = static_cast<qint16>(centre + max);
    else if (centre - half > target)
        centre = static_cast<qint16>(centre - max);
}

bool ComputeViewport(int innerWidth, int innerHeight, const World& w, ViewportFigures& out)
{
    if (w.TileSize <= 0 || w.MapWidth <= 0 || w.MapHeight <= 0)
        return false;
    out.TilesAcross = CInt(static_cast<double>(innerWidth) / w.TileSize);
    out.TilesDown = CInt(static_cast<double>(innerHeight) / w.TileSize);
    out.OriginX = static_cast<qint16>(wrap(CInt((w.MaxX + w.Pos.X) - out.TilesAcross / 2.0), w.MapWidth));
    out.OriginY = static_cast<qint16>(wrap(CInt((w.MaxY + w.Pos.Y) - out.TilesDown / 2.0), w.MapHeight));
    return true;
}

QString ViewportText(const ViewportFigures& v)
{
    QString text;
    for (int value : {v.OriginX, v.OriginY, v.TilesAcross, v.TilesDown})
        text += AnsiChar(static_cast<unsigned char>(value + 5));
    return text;
}

int OverviewClass(int previousClass, int terrain)
{
    if (terrain >= 0 && terrain <= 6)
        return terrain;
    if (terrain > 7)
        return 6;
    return previousClass;
}

namespace {
FrameRate g_frameRate;
}

FrameRate& frameRate() { return g_frameRate; }
void resetFrameRate() { g_frameRate = FrameRate(); }

qint32 GetFPS()
{
    FrameRate& f = g_frameRate;
    ++f.FpsFrames;
    if (f.FpsFrames != 10)
        return f.FpsValue;
    // The tick count wraps at 32 bits; the unsigned difference stays right
    // across the wrap.
    const quint32 elapsed = platform::services().tickCount() - f.FpsLastTick;
    // Ten frames within one millisecond cannot be measured: keep the last rate.
    if (elapsed > 0)
        f.FpsValue = CLng(10000.0 / elapsed);
    f.FpsLastTick = platform::services().tickCount();
    f.FpsFrames = 0;
    return f.FpsValue;
}
