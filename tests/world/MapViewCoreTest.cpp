// Walking paths, the clicked cell, camera follow, the viewport figures, the
// overview classes and the frame rate.
#include "support/ClientTest.h"
#include "world/MapViewCore.h"

#include "foundation/Ansi.h"

namespace {
Point2 P(int x, int y) { return Point2{static_cast<qint16>(x), static_cast<qint16>(y)}; }

QString repeat(const char* step, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QLatin1String(step);
    return s;
}

void setMap(World& w)
{
    w.setWholeGridSize();
}
} // namespace

TEST(GetDirections, StepsInOrderWrapAndTies)
{
    EXPECT_EQ(GetDirections(P(7, 7), P(10, 8)), QStringLiteral("&e&e&s&e"));
    // Ties go to the horizontal axis.
    EXPECT_EQ(GetDirections(P(0, 0), P(2, 2)), QStringLiteral("&e&s&e&s"));
    EXPECT_EQ(GetDirections(P(5, 5), P(5, 5)), QString());
    // Across the right-hand edge: -146 becomes 4.
    EXPECT_EQ(GetDirections(P(148, 0), P(2, 0)), repeat("&e", 4));
    // Exactly half the map is walked west, and north.
    EXPECT_EQ(GetDirections(P(0, 0), P(75, 0)), repeat("&w", 75));
    EXPECT_EQ(GetDirections(P(0, 0), P(0, 75)), repeat("&n", 75));
    EXPECT_EQ(GetDirections(P(75, 0), P(0, 0)), repeat("&w", 75));
    EXPECT_EQ(GetDirections(P(0, 0), P(74, 0)), repeat("&e", 74));
    // The vertical axis as the major one, going north-west.
    EXPECT_EQ(GetDirections(P(10, 10), P(9, 7)), QStringLiteral("&n&n&w&n"));
    // An error of exactly one half takes no minor step yet, on either axis
    // and across the edges.
    EXPECT_EQ(GetDirections(P(7, 7), P(9, 8)), QStringLiteral("&e&e&s"));
    EXPECT_EQ(GetDirections(P(7, 7), P(6, 9)), QStringLiteral("&s&s&w"));
    EXPECT_EQ(GetDirections(P(148, 10), P(2, 8)), QStringLiteral("&e&e&n&e&e&n"));
}

TEST(MapViewCore, ClickedCellAndCameraFollow)
{
    // A right click at pixel (40, 8), tile size 16, origin (146, 0): cell (148, 0).
    const Point2 c = ClickedCell(40, 8, 16, 146, 0, 150, 150);
    EXPECT_EQ(c.X, 148);
    EXPECT_EQ(c.Y, 0);
    const Point2 wrapped = ClickedCell(100, 31.9, 16, 146, 149, 150, 150);
    EXPECT_EQ(wrapped.X, 2);   // 6 + 146 = 152
    EXPECT_EQ(wrapped.Y, 0);   // 1 + 149 = 150
    EXPECT_EQ(ClickedCell(47, 63, 32, 0, 0, 150, 150).X, 1);

    qint16 centre = 10;
    FollowCamera(centre, 84, 149);  // 10 + 74.5 < 84 is false: stays
    EXPECT_EQ(centre, 10);
    FollowCamera(centre, 85, 149);
    EXPECT_EQ(centre, 159);
    FollowCamera(centre, 85, 149);  // 159 - 74.5 = 84.5 < 85: stays
    EXPECT_EQ(centre, 159);
    FollowCamera(centre, 84, 149);
    EXPECT_EQ(centre, 10);
}

TEST(MapViewCore, ViewportFiguresAndBytes)
{
    World w;
    setMap(w);
    w.TileSize = 16;
    w.Pos = P(7, 7);
    ViewportFigures v;
    ASSERT_TRUE(ComputeViewport(320, 240, w, v));
    EXPECT_EQ(v.TilesAcross, 20);
    EXPECT_EQ(v.TilesDown, 15);
    EXPECT_EQ(v.OriginX, 146);          // (149 + 7 - 10) mod 150
    EXPECT_EQ(v.OriginY, 148);          // 156 - 7.5 = 148.5 rounds to the even 148
    ASSERT_TRUE(ComputeViewport(336, 248, w, v));
    EXPECT_EQ(v.TilesAcross, 21);       // 156 - 10.5 = 145.5 rounds to 146
    EXPECT_EQ(v.OriginX, 146);
    EXPECT_EQ(v.TilesDown, 16);         // 15.5 rounds to 16
    EXPECT_EQ(v.OriginY, 148);

    // Halves of the tile count round to even too: 328 / 16 = 20.5 -> 20.
    ASSERT_TRUE(ComputeViewport(328, 232, w, v));
    EXPECT_EQ(v.TilesAcross, 20);
    EXPECT_EQ(v.TilesDown, 14);         // 14.5 -> 14

    w.Pos = P(149, 0);
    w.TileSize = 32;
    ASSERT_TRUE(ComputeViewport(1024, 768, w, v));
    EXPECT_EQ(v.TilesAcross, 32);
    EXPECT_EQ(v.OriginX, 132);          // (149 + 149 - 16) mod 150
    EXPECT_EQ(v.OriginY, 137);          // 149 - 12
    const QByteArray bytes = ToAnsi(ViewportText(v));
    EXPECT_EQ(bytes, QByteArray("\x89\x8e\x25\x1d", 4));  // 137, 142, 37, 29

    w.TileSize = 0;
    EXPECT_FALSE(ComputeViewport(320, 240, w, v));
}

TEST(MapViewCore, OverviewClassRule)
{
    EXPECT_EQ(OverviewClass(0, 3), 3);
    EXPECT_EQ(OverviewClass(2, 7), 2);   // 7 keeps the class before
    EXPECT_EQ(OverviewClass(4, -1), 4);
    EXPECT_EQ(OverviewClass(1, 0), 0);
    EXPECT_EQ(OverviewClass(1, 8), 6);
    EXPECT_EQ(OverviewClass(1, 39), 6);
    EXPECT_EQ(OverviewClass(5, 6), 6);
}

class FrameRateTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        resetFrameRate();
    }
};

TEST_F(FrameRateTest, MeasuredOverTenFramesAndShownUnchangedInBetween)
{
    services().tick = 100000;
    // The first measurement runs against a last tick of 0: near 0.
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(GetFPS(), 0);
    EXPECT_EQ(GetFPS(), 0);  // 10000 / 100000 rounds to 0
    EXPECT_EQ(frameRate().FpsLastTick, 100000u);

    // Ten frames over 320 ms: 31.25 shows as 31, for ten frames in a row.
    for (int i = 0; i < 9; ++i) {
        services().tick += 32;
        EXPECT_EQ(GetFPS(), 0);
    }
    services().tick += 32;
    EXPECT_EQ(GetFPS(), 31);
    for (int i = 0; i < 9; ++i) {
        services().tick += 30;
        EXPECT_EQ(GetFPS(), 31);
    }
    services().tick += 30;  // 300 ms: 33.33
    EXPECT_EQ(GetFPS(), 33);

    // 10000 / 400 = 25; 10000 / 16 = 625: exact.
    services().tick += 400;
    for (int i = 0; i < 10; ++i)
        GetFPS();
    EXPECT_EQ(frameRate().FpsValue, 25);
}

TEST_F(FrameRateTest, EqualReadingsAndTheWrapOfTheTickCount)
{
    services().tick = 5000;
    for (int i = 0; i < 10; ++i)
        GetFPS();
    // Ten frames within the same millisecond keep the last rate instead of
    // dividing by zero.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(GetFPS(), 2);
    // Across the wrap of the 32-bit tick count.
    frameRate().FpsLastTick = 0xFFFFFF00u;
    frameRate().FpsFrames = 0;
    services().tick = 0x40;  // 0x140 = 320 ms later
    for (int i = 0; i < 9; ++i)
        GetFPS();
    EXPECT_EQ(GetFPS(), 31);
}
