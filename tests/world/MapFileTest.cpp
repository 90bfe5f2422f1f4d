// Map decoding and loading: the character table, the two wall families with
// their wrapping neighbours, short and long texts, and the file lookup.
#include "WorldTestSupport.h"

#include "foundation/Forms.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "ui/frmMain.h"
#include "world/MapFile.h"

#include <QDir>

namespace {
constexpr int kAll = kMapCells * kMapCells;

// A full map of open ground ("_") with the given characters placed.
QString groundWith(std::initializer_list<std::tuple<int, int, char>> cells)
{
    QString text(kAll, QLatin1Char('_'));
    for (const auto& [x, y, c] : cells)
        text[x + kMapCells * y] = QLatin1Char(c);
    return text;
}

qint16 terrain(int x, int y) { return world().MapTerrain.get(x, y); }
} // namespace

TEST_F(WorldTest, DecodeMapCharacterTable)
{
    DecodeMap(QStringLiteral("_-^v!&Vx \xe9"));
    const qint16 expected[] = {1, 2, 3, 4, 6, 7, 1, 1, 1, 1};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(terrain(x, 0), expected[x]) << x;

    // Each wall character stands alone here, so it takes its family's
    // single-wall tile.
    DecodeMap(groundWith({{0, 5, '='}, {5, 5, ':'}, {10, 5, '#'}, {20, 5, '/'}}));
    EXPECT_EQ(terrain(0, 5), 8);
    EXPECT_EQ(terrain(5, 5), 8);
    EXPECT_EQ(terrain(10, 5), 8);
    EXPECT_EQ(terrain(20, 5), 24);
    EXPECT_EQ(terrain(1, 5), 1);
}

TEST_F(WorldTest, DecodeMapWallShapes)
{
    // All walls: every neighbour set, everywhere.
    DecodeMap(QString(kAll, QLatin1Char('=')));
    EXPECT_EQ(count(world().MapTerrain, 11), kAll);

    DecodeMap(groundWith({{40, 40, '#'}, {41, 40, '#'}, {42, 40, '#'}}));
    EXPECT_EQ(terrain(40, 40), 19);
    EXPECT_EQ(terrain(41, 40), 9);
    EXPECT_EQ(terrain(42, 40), 16);

    // The families do not join each other: "=" next to "/" stays single.
    DecodeMap(groundWith({{60, 60, '='}, {61, 60, '/'}}));
    EXPECT_EQ(terrain(60, 60), 8);
    EXPECT_EQ(terrain(61, 60), 24);

    // A plus sign of "/" around (80, 80) and its arms, and the remaining
    // shapes of the first family in a 3 x 3 block.
    DecodeMap(groundWith({{80, 79, '/'}, {79, 80, '/'}, {80, 80, '/'}, {81, 80, '/'}, {80, 81, '/'},
                          {100, 100, ':'}, {101, 100, ':'}, {102, 100, ':'},
                          {100, 101, ':'}, {101, 101, ':'}, {102, 101, ':'},
                          {100, 102, ':'}, {101, 102, ':'}, {102, 102, ':'}}));
    EXPECT_EQ(terrain(80, 80), 27);  // all four
    EXPECT_EQ(terrain(80, 79), 34);  // down only
    EXPECT_EQ(terrain(80, 81), 33);  // up only
    EXPECT_EQ(terrain(79, 80), 35);  // right only
    EXPECT_EQ(terrain(81, 80), 32);  // left only
    EXPECT_EQ(terrain(100, 100), 22);  // right, down
    EXPECT_EQ(terrain(101, 100), 13);  // left, right, down
    EXPECT_EQ(terrain(102, 100), 20);  // left, down
    EXPECT_EQ(terrain(100, 101), 14);  // right, up, down
    EXPECT_EQ(terrain(101, 101), 11);
    EXPECT_EQ(terrain(102, 101), 12);  // left, up, down
    EXPECT_EQ(terrain(100, 102), 21);  // right, up
    EXPECT_EQ(terrain(101, 102), 15);  // left, right, up
    EXPECT_EQ(terrain(102, 102), 23);  // left, up

    // A vertical pair.
    DecodeMap(groundWith({{7, 7, '#'}, {7, 8, '#'}, {7, 9, '#'}}));
    EXPECT_EQ(terrain(7, 7), 18);
    EXPECT_EQ(terrain(7, 8), 10);
    EXPECT_EQ(terrain(7, 9), 17);
}

TEST_F(WorldTest, DecodeMapNeighboursWrapRound)
{
    DecodeMap(groundWith({{0, 5, '/'}, {149, 5, '/'}}));
    EXPECT_EQ(terrain(0, 5), 32);
    EXPECT_EQ(terrain(149, 5), 35);

    DecodeMap(groundWith({{30, 0, '='}, {30, 149, '='}}));
    EXPECT_EQ(terrain(30, 0), 17);   // up is row 149
    EXPECT_EQ(terrain(30, 149), 18);  // down is row 0
}

TEST_F(WorldTest, DecodeMapShortAndLongTexts)
{
    World& w = world();
    w.MapTerrain.fill(2);
    DecodeMap(QStringLiteral("!!!!!!!!!!"));
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(terrain(x, 0), 6);
    EXPECT_EQ(terrain(10, 0), 2);
    EXPECT_EQ(count(w.MapTerrain, 2), kAll - 10);

    // The passes still run over the whole map: old walls are re-coded.
    w.MapTerrain.fill(1);
    w.MapTerrain.set(70, 70, 10);
    w.MapTerrain.set(71, 70, 10);
    DecodeMap(QStringLiteral("v"));
    EXPECT_EQ(terrain(0, 0), 4);
    EXPECT_EQ(terrain(70, 70), 19);
    EXPECT_EQ(terrain(71, 70), 16);

    // Characters past the last cell are ignored.
    QString longText = QString(kAll, QLatin1Char('-')) + QString(500, QLatin1Char('^'));
    DecodeMap(longText);
    EXPECT_EQ(count(w.MapTerrain, 2), kAll);

    // Empty text: nothing written, nothing re-coded but walls.
    w.MapTerrain.fill(3);
    DecodeMap(QString());
    EXPECT_EQ(count(w.MapTerrain, 3), kAll);
}

TEST_F(WorldTest, DecodeMapCountsLineBreaksAsCells)
{
    // Rows of 150 "-" each followed by CR LF: the breaks take cells and
    // every later row is shifted by two more.
    QString text;
    for (int row = 0; row < 150; ++row)
        text += QString(150, QLatin1Char('-')) + QStringLiteral("\r\n");
    DecodeMap(text);
    EXPECT_EQ(terrain(149, 0), 2);
    EXPECT_EQ(terrain(0, 1), 1);  // CR
    EXPECT_EQ(terrain(1, 1), 1);  // LF
    EXPECT_EQ(terrain(2, 1), 2);
    EXPECT_EQ(terrain(1, 2), 2);
    EXPECT_EQ(terrain(2, 2), 1);
    EXPECT_EQ(terrain(3, 2), 1);
    EXPECT_EQ(terrain(4, 2), 2);
}

TEST_F(WorldTest, DecodeMapFollowsASmallerMapSize)
{
    // A 10 x 3 map: rows are 10 cells long and walls wrap at 10 columns
    // across and at 3 rows down.
    World& w = world();
    w.MaxX = 9;
    w.MaxY = 2;
    w.MapWidth = 10;
    w.MapHeight = 3;
    DecodeMap(QStringLiteral("=__=_____=") + QStringLiteral("-").repeated(10) + QStringLiteral("---=------^^^"));
    EXPECT_EQ(terrain(0, 0), 16);  // its left neighbour is column 9
    EXPECT_EQ(terrain(9, 0), 19);
    EXPECT_EQ(terrain(3, 0), 17);  // its upper neighbour is row 2
    EXPECT_EQ(terrain(3, 2), 18);  // its lower neighbour is row 0
    EXPECT_EQ(terrain(0, 1), 2);
    EXPECT_EQ(terrain(9, 2), 2);
    EXPECT_EQ(terrain(10, 0), 1);  // outside the map size: untouched
    EXPECT_EQ(terrain(0, 3), 1);

    // A map size past the grid stops at the first cell outside it, with
    // the cells before it written.
    w.MaxX = 150;
    w.MapWidth = 151;
    try {
        DecodeMap(QString(200, QLatin1Char('^')));
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errSubscriptOutOfRange);
    }
    EXPECT_EQ(terrain(149, 0), 3);
    EXPECT_EQ(terrain(0, 1), 2);
}

TEST_F(WorldTest, LoadMapReadsTheFileAsCodePageBytes)
{
    settings().MapPath = programFolder() + QStringLiteral("/Map/");
    world().MapObjects.set(1, 1, 9);
    QByteArray bytes(kAll, '_');
    bytes[0] = '#';
    bytes[1] = '#';
    bytes[2] = char(0xAD);  // a soft hyphen is no "-"
    bytes[3] = 'v';
    writeFile(QStringLiteral("Map/Arena.map"), bytes);

    QString name = QStringLiteral("Arena");
    Forms::get<frmMain>().LoadMap(name);
    EXPECT_EQ(terrain(0, 0), 19);
    EXPECT_EQ(terrain(1, 0), 16);
    EXPECT_EQ(terrain(2, 0), 1);
    EXPECT_EQ(terrain(3, 0), 4);
    EXPECT_EQ(world().MapObjects.get(1, 1), 9);  // other layers untouched
    EXPECT_EQ(name, QStringLiteral("Arena"));

    // No file, or a folder of that name: nothing.
    world().MapTerrain.fill(6);
    QDir().mkpath(programFolder() + QStringLiteral("/Map/Dir.map"));
    for (QString missing : {QStringLiteral("Nowhere"), QStringLiteral("Dir")}) {
        EXPECT_FALSE(MapFileExists(missing));
        Forms::get<frmMain>().LoadMap(missing);
    }
    EXPECT_EQ(count(world().MapTerrain, 6), kAll);
    EXPECT_TRUE(MapFileExists(QStringLiteral("Arena")));

    // A file longer than the map: the rest is ignored.
    writeFile(QStringLiteral("Map/Long.map"), QByteArray(kAll, '-') + QByteArray(5000, '^'));
    QString longName = QStringLiteral("Long");
    Forms::get<frmMain>().LoadMap(longName);
    EXPECT_EQ(count(world().MapTerrain, 2), kAll);
    EXPECT_EQ(MapFilePath(QStringLiteral("Arena")), programFolder() + QStringLiteral("/Map/Arena.map"));
}
