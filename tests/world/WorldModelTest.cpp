// The world model's procedures: exact cells written, order of writes and
// what an out-of-range coordinate leaves behind.
#include "WorldTestSupport.h"

#include "foundation/Forms.h"
#include "foundation/RuntimeError.h"
#include "ui/frmMain.h"

#include <functional>

namespace {
constexpr int kAll = kMapCells * kMapCells;

void expectOutOfRange(const std::function<void()>& fn)
{
    try {
        fn();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errSubscriptOutOfRange);
    }
}
} // namespace

TEST_F(WorldTest, InitMapAndShopsFillsLayersAndPlacesFourStores)
{
    World& w = world();
    EXPECT_EQ(count(w.MapTerrain, 1), kAll);
    for (const MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers, &w.MapMarks})
        EXPECT_EQ(count(*l, -1), kAll);

    const struct { qint16 tile; const char* name; qint16 x, y; } expected[] = {
        {12, "Mod Shop", 4, 4}, {13, "EQ Shop", 4, 10}, {14, "Gun Shop", 10, 4}, {15, "Ammo Shop", 10, 10}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.Shops[i].Tile, expected[i].tile);
        EXPECT_EQ(w.Shops[i].Name, QString::fromLatin1(expected[i].name));
        EXPECT_EQ(w.Shops[i].X, expected[i].x);
        EXPECT_EQ(w.Shops[i].Y, expected[i].y);
    }
    EXPECT_EQ(w.Shops[4].Tile, 0);
    EXPECT_TRUE(w.Shops[4].Name.isEmpty());
    EXPECT_EQ(w.Shops[4].X, 0);
    EXPECT_EQ(w.Shops[4].Y, 0);
}

TEST_F(WorldTest, LayerClearsFollowTheMapSizeExceptMarks)
{
    World& w = world();
    // A smaller map size: the clears that follow it leave the rest alone.
    w.MaxX = 9;
    w.MaxY = 4;
    for (MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapMarks, &w.MapBots, &w.MapPlayers})
        l->fill(3);
    ClearDynamicLayers();
    EXPECT_EQ(w.MapSplats.get(9, 4), -1);
    EXPECT_EQ(w.MapSplats.get(10, 4), 3);
    EXPECT_EQ(w.MapAmmo.get(0, 0), -1);
    EXPECT_EQ(w.MapAmmo.get(0, 5), 3);
    EXPECT_EQ(count(w.MapMarks, -1), kAll);  // always the whole grid
    EXPECT_EQ(count(w.MapObjects, 3), kAll);  // objects, bots and players stay
    EXPECT_EQ(count(w.MapBots, 3), kAll);
    EXPECT_EQ(count(w.MapPlayers, 3), kAll);

    ClearObjectLayer();
    EXPECT_EQ(w.MapObjects.get(9, 4), -1);
    EXPECT_EQ(w.MapObjects.get(149, 149), 3);
}

TEST_F(WorldTest, ClearsPastTheGridRaiseWhereTheWalkLeavesIt)
{
    World& w = world();
    // Columns first: one column too many clears the whole grid, then fails.
    w.MaxX = 150;
    w.MapSplats.fill(3);
    expectOutOfRange([] { ClearSplatLayer(); });
    EXPECT_EQ(count(w.MapSplats, -1), kAll);

    // One row too many fails at the end of the first column.
    w.MaxX = 149;
    w.MaxY = 150;
    w.MapAmmo.fill(3);
    w.MapBots.fill(3);
    expectOutOfRange([] { ClearAmmoLayer(); });
    EXPECT_EQ(count(w.MapAmmo, -1), kMapCells);
    EXPECT_EQ(w.MapAmmo.get(0, 149), -1);
    EXPECT_EQ(w.MapAmmo.get(1, 0), 3);
    // A reset stops at the same cell, after the overlays of the cells before it.
    expectOutOfRange([] { ResetWorldModel(); });
    EXPECT_EQ(count(w.MapBots, -1), kMapCells);
}

TEST_F(WorldTest, SetPlayerOnMapChecksTheSlotFirstThenThePosition)
{
    World& w = world();
    Point2 p{3, 140};
    SetPlayerOnMap(p, 30, 2);
    EXPECT_EQ(w.PlayerSlots[30].Tile, 2);
    EXPECT_EQ(w.MapPlayers.get(3, 140), 30);

    // A bad slot writes nothing at all.
    Point2 q{5, 5};
    expectOutOfRange([&] { SetPlayerOnMap(q, 31, 3); });
    expectOutOfRange([&] { SetPlayerOnMap(q, -1, 3); });
    EXPECT_EQ(w.MapPlayers.get(5, 5), -1);

    // A bad position with a good slot: the slot's tile is already set.
    Point2 bad{150, 0};
    expectOutOfRange([&] { SetPlayerOnMap(bad, 4, 3); });
    EXPECT_EQ(w.PlayerSlots[4].Tile, 3);
    EXPECT_EQ(count(w.MapPlayers, 4), 0);
}

TEST_F(WorldTest, SetMapCellWritesLayersTwoToFiveOnlyAndNeverWraps)
{
    World& w = world();
    Point2 p{149, 0};
    SetMapCell(p, 2, 7);
    SetMapCell(p, 3, 8);
    SetMapCell(p, 4, 9);
    SetMapCell(p, 5, 10);
    EXPECT_EQ(w.MapSplats.get(149, 0), 7);
    EXPECT_EQ(w.MapAmmo.get(149, 0), 8);
    EXPECT_EQ(w.MapObjects.get(149, 0), 9);
    EXPECT_EQ(w.MapBots.get(149, 0), 10);

    for (int layer : {0, 1, 6, -2}) {
        Point2 q{1, 1};
        SetMapCell(q, layer, 42);
    }
    for (const MapLayer* l : {&w.MapTerrain, &w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers,
                              &w.MapMarks})
        EXPECT_EQ(count(*l, 42), 0);

    Point2 past{150, 0};
    expectOutOfRange([&] { SetMapCell(past, 2, 1); });
    EXPECT_EQ(w.MapSplats.get(0, 0), -1);  // no wrap to column 0
}

TEST_F(WorldTest, OutOfRangeWritesTouchNoNeighbouringMemory)
{
    World& w = world();
    // Unchecked, (150, 149) of the splats would be the first cell after the
    // grid and (-1, 0) the last cell before it.
    Point2 after{150, 149};
    Point2 before{-1, 0};
    Point2 below{0, 150};
    expectOutOfRange([&] { SetMapCell(after, 2, 77); });
    expectOutOfRange([&] { SetMapCell(before, 2, 77); });
    expectOutOfRange([&] { SetMapCell(below, 5, 77); });
    expectOutOfRange([&] { DrawCTFObject(after, 0); });
    expectOutOfRange([&] { ClearSquare(-1, 149); });
    expectOutOfRange([&] { MarkRectangle(300, 0, 0, 0); });
    expectOutOfRange([&] { MarkRectangle(0, -1, 0, 0); });
    for (const MapLayer* l : {&w.MapTerrain, &w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers,
                              &w.MapMarks})
        EXPECT_EQ(count(*l, 77) + count(*l, 17) + count(*l, 5), 0);
    EXPECT_EQ(count(w.MapPlayers, -1), kAll);
}

TEST_F(WorldTest, DrawCTFObjectPlacesFlagsOrReportsTheKind)
{
    World& w = world();
    for (qint16 kind = 0; kind < 3; ++kind) {
        Point2 p{kind, 2};
        DrawCTFObject(p, kind);
        EXPECT_EQ(w.MapObjects.get(kind, 2), 17 + kind);
    }
    EXPECT_TRUE(services().messageBoxes.empty());

    Point2 p{20, 20};
    DrawCTFObject(p, 3);
    DrawCTFObject(p, -1);
    EXPECT_EQ(w.MapObjects.get(20, 20), -1);
    ASSERT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Draw CTF object error, wrong Type Value: 3"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbOKOnly);
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Quelvar"));
    EXPECT_EQ(services().messageBoxes[1].text, QStringLiteral("Draw CTF object error, wrong Type Value: -1"));
}

TEST_F(WorldTest, MarkRectangleMarksTheBorderAcrossTheEdge)
{
    World& w = world();
    MarkRectangle(148, 0, 3, 1);
    for (int x : {148, 149, 0, 1})
        for (int y : {0, 1})
            EXPECT_EQ(w.MapMarks.get(x, y), 5) << x << "," << y;
    EXPECT_EQ(count(w.MapMarks, 5), 8);

    ClearMarkLayer();
    MarkRectangle(0, 0, 0, 0);
    EXPECT_EQ(w.MapMarks.get(0, 0), 5);
    EXPECT_EQ(count(w.MapMarks, 5), 1);

    // A hollow 5 x 4 rectangle: only its border.
    ClearMarkLayer();
    MarkRectangle(10, 20, 4, 3);
    EXPECT_EQ(count(w.MapMarks, 5), 14);
    EXPECT_EQ(w.MapMarks.get(11, 21), -1);
    EXPECT_EQ(w.MapMarks.get(14, 23), 5);

    // A negative width skips the rows but not the sides: (10, j) and (9, j).
    ClearMarkLayer();
    MarkRectangle(10, 20, -1, 2);
    EXPECT_EQ(count(w.MapMarks, 5), 6);
    EXPECT_EQ(w.MapMarks.get(9, 22), 5);
}

TEST_F(WorldTest, MarkRectangleStopsAtTheFirstCellPastOneReduction)
{
    World& w = world();
    // Columns 0 to 299 come back onto the map; column 300 is still past its
    // edge after one reduction. Both rows are written, the sides never.
    try {
        MarkRectangle(0, 10, 300, 5);
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errSubscriptOutOfRange);
    }
    for (int x = 0; x < kMapCells; ++x) {
        EXPECT_EQ(w.MapMarks.get(x, 10), 5);
        EXPECT_EQ(w.MapMarks.get(x, 15), 5);
    }
    EXPECT_EQ(w.MapMarks.get(0, 12), -1);
    EXPECT_EQ(count(w.MapMarks, 5), 300);

    // An edge past the 16-bit range is an overflow, before any mark.
    ClearMarkLayer();
    try {
        MarkRectangle(100, 0, 32767, 1);
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errOverflow);
    }
    EXPECT_EQ(count(w.MapMarks, 5), 0);
}

TEST_F(WorldTest, ClearSquareKeepsSplatsAndMarks)
{
    World& w = world();
    for (MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapMarks, &w.MapBots, &w.MapPlayers})
        l->set(6, 9, 4);
    qint16 x = 6, y = 9;
    Forms::get<frmMain>().Clear_Square(x, y);
    EXPECT_EQ(w.MapSplats.get(6, 9), 4);
    EXPECT_EQ(w.MapMarks.get(6, 9), 4);
    EXPECT_EQ(w.MapAmmo.get(6, 9), -1);
    EXPECT_EQ(w.MapObjects.get(6, 9), -1);
    EXPECT_EQ(w.MapBots.get(6, 9), -1);
    EXPECT_EQ(w.MapPlayers.get(6, 9), -1);
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 9);
}
