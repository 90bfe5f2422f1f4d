// The map view drawn into an offscreen picture and checked pixel by pixel,
// against the cell-by-cell picture that transparent copies and printed text
// give, and at the places where order, wrapping and cutting show.
#include "support/ClientTest.h"
#include "tests/world/SyntheticStrips.h"

#include "connection/ConnectionState.h"
#include "platform/Endpoints.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/Lightning.h"
#include "world/MapLabels.h"
#include "world/Renderer.h"
#include "world/TileBitmaps.h"
#include "world/WorldState.h"
#include "world/frmSatellite.h"

#include <QFile>
#include <QPainter>

namespace {
QRgb rgb(QRgb v) { return v & 0xFFFFFFu; }
} // namespace

class MapViewTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        resetTileBitmaps();
        synthetic::emptyWorld(world());
        World& w = world();
        const char* names[] = {"Mod Shop", "EQ Shop", "Gun Shop", "Ammo Shop"};
        for (int j = 0; j < 4; ++j)
            w.Shops[j] = Shop{static_cast<qint16>(12 + j), QString::fromLatin1(names[j]),
                              static_cast<qint16>(j < 2 ? 4 : 10), static_cast<qint16>(j % 2 ? 10 : 4)};
        connection().UserLevel = 50;
        graphics = programFolder() + QStringLiteral("/Graphics");
        synthetic::writeStrips(graphics);
        settings().GraphicsPath = graphics + QLatin1Char('/');
    }

    void TearDown() override
    {
        resetTileBitmaps();
        ClientTest::TearDown();
    }

    PictureBox* map(int width, int height)
    {
        PictureBox* box = Forms::get<frmMain>().picMap;
        box->resize(width, height);
        return box;
    }

    QImage drawn()
    {
        DrawMap();
        return Forms::get<frmMain>().picMap->Image().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The map view as the plain algorithm draws it: each cell with plain and
    // transparent copies out of the strip files, each label printed twice.
    QImage reference(int width, int height)
    {
        const World& w = world();
        const int ts = w.TileSize;
        QImage out(width, height, QImage::Format_RGB32);
        out.fill(Qt::black);
        auto strip = [&](int n) { return QImage(graphics + QLatin1Char('/') + QLatin1String(synthetic::fileName(n, ts))); };
        const QImage terrain = strip(0);
        const QImage surface[] = {QImage(), strip(1), strip(2), strip(3), strip(4), strip(5)};
        const QFont font = MapLabelFont();
        const QFontMetrics fm(font);
        auto print = [&](const QString& text, quint32 colour, quint32 shadow, int offset, int x, int y) {
            QPainter p(&out);
            p.setFont(font);
            p.setPen(QColor(qRgb(shadow & 0xFF, (shadow >> 8) & 0xFF, shadow >> 16)));
            p.drawText(x + offset, y + offset + fm.ascent(), text);
            p.setPen(QColor(qRgb(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16)));
            p.drawText(x, y + fm.ascent(), text);
        };
        auto keyed = [&](int n, int tile, int px, int py) {
            if (tile != -1)
                TransparentBlt(out, px, py, ts, ts, surface[n], 0, tile * ts, RGB(255, 0, 255));
        };
        const int R = static_cast<int>(std::nearbyint(double(height) / ts));
        const int C = static_cast<int>(std::nearbyint(double(width) / ts));
        for (int r = 0; r <= R; ++r) {
            for (int c = 0; c <= C; ++c) {
                const int px = c * ts, py = r * ts;
                const int x = (w.OriginX + c) % w.MapWidth, y = (w.OriginY + r) % w.MapHeight;
                QPainter(&out).drawImage(px, py, terrain, 0, w.MapTerrain.get(x, y) * ts, ts, ts);
                keyed(3, w.MapSplats.get(x, y), px, py);
                keyed(2, w.MapObjects.get(x, y), px, py);
                keyed(4, w.MapAmmo.get(x, y), px, py);
                if (w.MapPlayers.get(x, y) != -1) {
                    keyed(1, w.PlayerSlots[w.MapPlayers.get(x, y)].Tile, px, py);
                    if (w.ShowTags)
                        print(w.PlayerSlots[w.MapPlayers.get(x, y)].Name, kCaptionTextColour, kCaptionTextColour, 50,
                              px, py - 15);
                }
                keyed(5, w.MapBots.get(x, y), px, py);
                for (int j = 0; j <= 3; ++j) {
                    if (w.Shops[j].X == x && w.Shops[j].Y == y) {
                        print(w.Shops[j].Name, kCaptionTextColour, kCaptionTextColour, 50, px, py - 25);
                        keyed(1, w.Shops[j].Tile, px, py);
                    }
                }
                keyed(1, w.MapMarks.get(x, y), px, py);
            }
        }
        if (connection().UserLevel < 10)
            print(QStringLiteral("Buy Now (") + platform::endpoints().advertising + QStringLiteral(")!"),
                  RGB(0, 0, 128), RGB(0, 128, 0), 4, 25, 11);
        if (!w.LastStatusText.isEmpty())
            print(w.LastStatusText, RGB(255, 255, 255), RGB(0, 128, 0), 4, 25, 335);
        if (!w.LastSplatText.isEmpty())
            print(w.LastSplatText, RGB(255, 255, 255), RGB(0, 128, 0), 4, 25, 350);
        return out;
    }

    // Every layer filled from a fixed pseudo-random sequence.
    void populate()
    {
        World& w = world();
        quint32 seed = 12345;
        auto next = [&](int n) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int>((seed >> 16) % static_cast<quint32>(n));
        };
        for (int i = 0; i < 31; ++i) {
            w.PlayerSlots[i].Tile = static_cast<qint16>(1 + i % 3);
            w.PlayerSlots[i].Name = QStringLiteral("Player%1").arg(i);
        }
        for (int y = 0; y < 150; ++y) {
            for (int x = 0; x < 150; ++x) {
                w.MapTerrain.set(x, y, static_cast<qint16>(1 + next(39)));
                auto maybe = [&](MapLayer& l, int value) { l.set(x, y, next(3) == 0 ? qint16(value) : qint16(-1)); };
                maybe(w.MapSplats, next(40));
                maybe(w.MapObjects, next(40));
                maybe(w.MapAmmo, next(40));
                maybe(w.MapBots, next(40));
                w.MapPlayers.set(x, y, next(5) == 0 ? qint16(next(31)) : qint16(-1));
                maybe(w.MapMarks, 5);
            }
        }
        w.ShowTags = true;
        w.LastStatusText = QStringLiteral("You have been splatted by Player3!");
        w.LastSplatText = QStringLiteral("Splats: 12");
    }

    QString graphics;
};

TEST_F(MapViewTest, FullFrameMatchesTheCellByCellPictureAtBothSizes)
{
    LoadGraphics();
    populate();
    connection().UserLevel = 3;
    World& w = world();
    w.OriginX = 140;
    w.OriginY = 145;
    for (int ts : {16, 32}) {
        w.TileSize = ts;
        for (auto [width, height] : {std::pair{330, 380}, std::pair{328, 250}}) {
            map(width, height);
            // Twice: the second frame is drawn over the first.
            drawn();
            const QImage got = drawn();
            const QImage want = reference(width, height);
            ASSERT_EQ(got.size(), want.size());
            int differences = 0;
            for (int y = 0; y < got.height(); ++y)
                for (int x = 0; x < got.width(); ++x)
                    differences += rgb(got.pixel(x, y)) != rgb(want.pixel(x, y));
            EXPECT_EQ(differences, 0) << "tile size " << ts << ", " << width << " x " << height;
        }
    }
    EXPECT_TRUE(services().messageBoxes.empty());
}

TEST_F(MapViewTest, LayersInOrderWithTheirTransparency)
{
    LoadGraphics();
    World& w = world();
    // Cell (2, 1): every layer, each tile's square inset further than the one before.
    w.MapSplats.set(2, 1, 7);
    w.MapObjects.set(2, 1, 8);
    w.MapAmmo.set(2, 1, 9);
    w.PlayerSlots[4].Tile = 2;
    w.MapPlayers.set(2, 1, 4);
    w.MapBots.set(2, 1, 10);
    w.Shops[1].X = 2;
    w.Shops[1].Y = 1;
    w.Shops[1].Name.clear();
    w.MapMarks.set(2, 1, 5);
    for (int ts : {16, 32}) {
        w.TileSize = ts;
        map(200, 120);
        const QImage img = drawn();
        const int px = 2 * ts, py = ts, u = ts / 16;
        EXPECT_EQ(rgb(img.pixel(px, py)), rgb(synthetic::terrainColour(ts, 1)));  // corner: magenta everywhere
        EXPECT_EQ(rgb(img.pixel(px + 1 * u, py + 1 * u)), rgb(synthetic::overlayColour(3, ts, 7)));
        EXPECT_EQ(rgb(img.pixel(px + 2 * u, py + 2 * u)), rgb(synthetic::overlayColour(2, ts, 8)));
        EXPECT_EQ(rgb(img.pixel(px + 3 * u, py + 3 * u)), rgb(synthetic::overlayColour(4, ts, 9)));
        EXPECT_EQ(rgb(img.pixel(px + 4 * u, py + 4 * u)), rgb(synthetic::overlayColour(1, ts, 2)));
        EXPECT_EQ(rgb(img.pixel(px + 5 * u, py + 5 * u)), rgb(synthetic::overlayColour(5, ts, 10)));
        EXPECT_EQ(rgb(img.pixel(px + 6 * u, py + 6 * u)), rgb(synthetic::overlayColour(1, ts, 13)));
        EXPECT_EQ(rgb(img.pixel(px + 7 * u, py + 7 * u)), rgb(synthetic::overlayColour(1, ts, 5)));
        // The neighbour shows its terrain only.
        EXPECT_EQ(rgb(img.pixel(px + ts + 7 * u, py + 7 * u)), rgb(synthetic::terrainColour(ts, 1)));
    }
}

TEST_F(MapViewTest, ExtraColumnIsCutAndColumnsWrapAfter149)
{
    LoadGraphics();
    World& w = world();
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 150; ++y)
            w.MapTerrain.set(x, y, static_cast<qint16>(x % 40));
    w.OriginX = 140;
    // 328 / 16 = 20.5 rounds to 20: columns 0 to 20, the last one cut to 8 pixels.
    QImage img = (map(328, 100), drawn());
    auto columnColour = [&](int viewX) { return rgb(img.pixel(viewX, 50)); };
    EXPECT_EQ(columnColour(9 * 16 + 15), rgb(synthetic::terrainColour(16, 149 % 40)));
    EXPECT_EQ(columnColour(10 * 16), rgb(synthetic::terrainColour(16, 0)));
    EXPECT_EQ(columnColour(327), rgb(synthetic::terrainColour(16, 10)));
    // 312 / 16 = 19.5 rounds to 20 as well; the view ends inside column 19.
    img = (map(312, 100), drawn());
    EXPECT_EQ(columnColour(311), rgb(synthetic::terrainColour(16, 9)));
    // The origin row wraps the same way.
    w.OriginX = 0;
    w.OriginY = 148;
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 150; ++y)
            w.MapTerrain.set(x, y, static_cast<qint16>(y % 40));
    img = (map(64, 64), drawn());
    EXPECT_EQ(rgb(img.pixel(5, 16 + 8)), rgb(synthetic::terrainColour(16, 149 % 40)));
    EXPECT_EQ(rgb(img.pixel(5, 32 + 8)), rgb(synthetic::terrainColour(16, 0)));
}

TEST_F(MapViewTest, LaterCellsPaintOverALabelsShadowUnlessTheyDrawNothing)
{
    LoadGraphics();
    World& w = world();
    w.ShowTags = true;
    w.PlayerSlots[3] = PlayerSlot{1, QStringLiteral("Mmmmmm")};
    w.MapPlayers.set(2, 4, 3);
    auto white = [](const QImage& img, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += rgb(img.pixel(x, y)) == 0xFFFFFFu;
        return n;
    };
    map(320, 240);
    QImage img = drawn();
    // The tag stands above its cell, over the row drawn before it.
    EXPECT_GT(white(img, QRect(32, 64 - 15, 60, 15)), 10);
    // Its shadow copy, 50 pixels right and down, lies on later cells: painted over.
    const QRect shadow(32 + 50, 64 - 15 + 50, 60, 15);
    EXPECT_EQ(white(img, shadow), 0);
    // Cells whose terrain no strip holds draw nothing, and the shadow stays.
    for (int x = 7; x <= 10; ++x)
        for (int y = 6; y <= 7; ++y)
            w.MapTerrain.set(x, y, 300);
    img = drawn();
    EXPECT_GT(white(img, shadow), 10);
}

TEST_F(MapViewTest, AdvertisingLineBelowLevelTenAndStatusLines)
{
    LoadGraphics();
    platform::Endpoints e = platform::endpoints();
    e.advertising = QStringLiteral("www.example.test");
    platform::setEndpointsForTests(e);
    map(400, 380);
    auto count = [](const QImage& img, QRgb colour, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += rgb(img.pixel(x, y)) == rgb(colour);
        return n;
    };
    const QRect adLine(20, 8, 300, 24);
    connection().UserLevel = 9;
    QImage img = drawn();
    EXPECT_GT(count(img, qRgb(0, 0, 128), adLine), 50);
    EXPECT_GT(count(img, qRgb(0, 128, 0), adLine), 50);
    connection().UserLevel = 10;
    img = drawn();
    EXPECT_EQ(count(img, qRgb(0, 0, 128), adLine), 0);
    EXPECT_EQ(count(img, qRgb(0, 128, 0), adLine), 0);

    world().LastStatusText = QStringLiteral("Status");
    world().LastSplatText = QStringLiteral("Splat");
    img = drawn();
    EXPECT_GT(count(img, qRgb(255, 255, 255), QRect(25, 335, 80, 12)), 10);
    EXPECT_GT(count(img, qRgb(255, 255, 255), QRect(25, 350, 80, 12)), 10);
    EXPECT_GT(count(img, qRgb(0, 128, 0), QRect(29, 339, 80, 24)), 10);
    EXPECT_EQ(img, reference(400, 380));
}

TEST_F(MapViewTest, LabelsOfHugeServerTextsStayBounded)
{
    // A status text far longer than any view is set in type only as far as
    // a view could show it, and many of them do not pile up in memory.
    const QString huge(200000, QLatin1Char('W'));
    const mapdraw::Sprite& s = mapdraw::Label(huge, RGB(255, 255, 255));
    EXPECT_LE(s.image.width(), 20000);
    EXPECT_GT(s.image.width(), 1000);
    const quint64 before = mapdraw::LabelGeneration();
    for (int i = 0; i < 60; ++i)
        mapdraw::Label(QString::number(i) + huge, RGB(255, 255, 255));
    EXPECT_GT(mapdraw::LabelGeneration(), before) << "the kept labels were let go before 60 wide pictures piled up";
}

TEST_F(MapViewTest, WinterTerrainOnlyAtSixteenPixelsAndShopFourNeverDrawn)
{
    LoadGraphics();
    LoadTerrainWinter();
    World& w = world();
    w.Shops[4] = Shop{12, QStringLiteral("Nowhere"), 1, 1};
    map(100, 100);
    QImage img = drawn();
    EXPECT_EQ(rgb(img.pixel(8, 8)), rgb(synthetic::terrainColour(16, 1, true)));
    EXPECT_EQ(rgb(img.pixel(16 + 8, 16 + 8)), rgb(synthetic::terrainColour(16, 1, true)));
    w.TileSize = 32;
    img = drawn();
    EXPECT_EQ(rgb(img.pixel(32 + 16, 32 + 16)), rgb(synthetic::terrainColour(32, 1)));
    LoadTerrainNormal();
    w.TileSize = 16;
    img = drawn();
    EXPECT_EQ(rgb(img.pixel(8, 8)), rgb(synthetic::terrainColour(16, 1)));
}

TEST_F(MapViewTest, MissingStripsAreNamedOnceAndDrawNothing)
{
    QFile::remove(graphics + QStringLiteral("/Splats.BMP"));
    QFile::remove(graphics + QStringLiteral("/Bots32.bmp"));
    writeFile(QStringLiteral("Graphics/Ammo.BMP"), "not a picture");
    LoadGraphics();
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    const QString text = services().messageBoxes[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("Splats.BMP")));
    EXPECT_TRUE(text.contains(QStringLiteral("Bots32.bmp")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ammo.BMP")));
    EXPECT_FALSE(text.contains(QStringLiteral("Objects.BMP")));

    World& w = world();
    w.MapSplats.set(0, 0, 3);
    w.MapAmmo.set(0, 0, 3);
    w.MapObjects.set(1, 0, 99);   // no such tile
    w.MapTerrain.set(2, 0, 1000);  // nor this one: the cell keeps what was there
    map(64, 32);
    QImage img = drawn();
    EXPECT_EQ(rgb(img.pixel(8, 8)), rgb(synthetic::terrainColour(16, 1)));
    EXPECT_EQ(rgb(img.pixel(16 + 8, 8)), rgb(synthetic::terrainColour(16, 1)));
    w.MapTerrain.set(2, 0, 4);
    drawn();
    w.MapTerrain.set(2, 0, -7);
    img = drawn();
    EXPECT_EQ(rgb(img.pixel(32 + 8, 8)), rgb(synthetic::terrainColour(16, 4)));

    // Loading again names nothing a second time.
    LoadGraphics();
    LoadTerrainWinter();
    EXPECT_EQ(services().messageBoxes.size(), 1u);
    QFile::remove(graphics + QStringLiteral("/Winter.BMP"));
    resetTileBitmaps();
    LoadTerrainWinter();
    ASSERT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_TRUE(services().messageBoxes[1].text.contains(QStringLiteral("Winter.BMP")));
}

TEST_F(MapViewTest, StaffAndTeamTabsShownOnEveryRedraw)
{
    LoadGraphics();
    frmMain& game = Forms::get<frmMain>();
    (void)game;
    QTabBar* tabs = Forms::get<frmChat>().SSTab1;
    map(64, 64);
    drawn();
    EXPECT_FALSE(tabs->isTabVisible(3));
    EXPECT_FALSE(tabs->isTabVisible(4));
    connection().UserLevel = 80;
    drawn();
    EXPECT_TRUE(tabs->isTabVisible(3));
    EXPECT_FALSE(tabs->isTabVisible(4));
    tabs->setTabVisible(3, false);
    connection().TeamName = QStringLiteral("Red");
    drawn();
    EXPECT_TRUE(tabs->isTabVisible(3));
    EXPECT_TRUE(tabs->isTabVisible(4));
    // Never hidden here.
    connection().UserLevel = 1;
    connection().TeamName.clear();
    drawn();
    EXPECT_TRUE(tabs->isTabVisible(3));
    EXPECT_TRUE(tabs->isTabVisible(4));
}

TEST_F(MapViewTest, SatelliteShowsTheSameTopLeftCellAndALargerArea)
{
    LoadGraphics();
    World& w = world();
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 150; ++y)
            w.MapTerrain.set(x, y, static_cast<qint16>(1 + (x + y) % 39));
    w.OriginX = 100;
    w.OriginY = 120;
    w.MapBots.set(101, 120, 3);
    DrawSatellite();
    PictureBox* box = Forms::get<frmSatellite>().picMap;
    EXPECT_FALSE(Forms::get<frmSatellite>().isVisible());
    const QImage img = box->Image().toImage();
    ASSERT_GE(img.width(), 65 * 6);
    const QImage terrain = tileBitmaps().satellite.terrain.image;
    auto cellColour = [&](int tile, int x, int y) { return rgb(terrain.pixel(x, tile * 6 + y)); };
    EXPECT_EQ(rgb(img.pixel(2, 2)), cellColour(1 + (100 + 120) % 39, 2, 2));
    // 64 columns and 48 rows of the 1024 x 768 view, and more.
    EXPECT_EQ(rgb(img.pixel(64 * 6 + 2, 48 * 6 + 2)), cellColour(1 + (14 + 18) % 39, 2, 2));
    // The bot's square is inset; the terrain still shows at the cell's corner.
    EXPECT_EQ(rgb(img.pixel(6, 0)), cellColour(1 + (101 + 120) % 39, 0, 0));
    EXPECT_NE(rgb(img.pixel(6 + 3, 3)), cellColour(1 + (101 + 120) % 39, 3, 3));
}

TEST(TransparentBlt, GivesThePictureOfTheThreeRasterOperations)
{
    quint32 seed = 7;
    auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return seed;
    };
    QImage src(24, 20, QImage::Format_RGB32), dst(30, 30, QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, next() % 3 == 0 ? qRgb(255, 0, 255) : (0xFF000000u | (next() & 0xFFFFFFu)));
    for (int y = 0; y < dst.height(); ++y)
        for (int x = 0; x < dst.width(); ++x)
            dst.setPixel(x, y, 0xFF000000u | (next() & 0xFFFFFFu));
    // XOR the source, AND a mask that is white where the source has the
    // key colour and black elsewhere, XOR the source again.
    QImage expected = dst;
    const int dx = 3, dy = 5, w = 16, h = 12, sx = 4, sy = 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const quint32 s = src.pixel(sx + x, sy + y) & 0xFFFFFFu;
            const quint32 mask = s == 0xFF00FFu ? 0xFFFFFFu : 0;
            quint32 d = expected.pixel(dx + x, dy + y) & 0xFFFFFFu;
            d ^= s;
            d &= mask;
            d ^= s;
            expected.setPixel(dx + x, dy + y, 0xFF000000u | d);
        }
    }
    EXPECT_TRUE(TransparentBlt(dst, dx, dy, w, h, src, sx, sy, RGB(255, 0, 255)));
    EXPECT_EQ(dst, expected);
    // Rectangles past either picture's edge copy what lies inside.
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::red);
    EXPECT_TRUE(TransparentBlt(small, 2, -1, 8, 8, src, 0, 0, RGB(255, 0, 255)));
    EXPECT_EQ(rgb(small.pixel(0, 0)), rgb(qRgb(255, 0, 0)));
    QImage none;
    EXPECT_FALSE(TransparentBlt(none, 0, 0, 4, 4, src, 0, 0, RGB(255, 0, 255)));
}

TEST(SplitRGB, PartsOfAColourValue)
{
    SplitRGB(static_cast<qint32>(RGB(200, 100, 7)));
    EXPECT_EQ(FxRed, 200);
    EXPECT_EQ(FxGreen, 100);
    EXPECT_EQ(FxBlue, 7);
    SplitRGB(static_cast<qint32>(RGB(255, 255, 255)));
    EXPECT_EQ(FxRed + FxGreen + FxBlue, 765);
}

TEST_F(MapViewTest, LightningBrightensTheSmallTerrainOnceOnScreenThenRestores)
{
    synthetic::makeStrip(16, 4, [](int, int, int) { return qRgb(200, 100, 0); })
        .save(graphics + QStringLiteral("/Terrain.BMP"), "BMP");
    LoadGraphics();
    const QImage zoomedBefore = tileBitmaps().zoomed.terrain.image;
    const QImage satelliteBefore = tileBitmaps().satellite.terrain.image;
    auto strip = [] { return rgb(tileBitmaps().normal.terrain.image.pixel(5, 20)); };
    LightenTerrain();
    EXPECT_EQ(strip(), rgb(qRgb(200, 170, 70)));
    LightenTerrain();
    EXPECT_EQ(strip(), rgb(qRgb(200, 240, 140)));
    LightenTerrain();
    EXPECT_EQ(strip(), rgb(qRgb(200, 240, 210)));
    EXPECT_EQ(tileBitmaps().zoomed.terrain.image, zoomedBefore);
    EXPECT_EQ(tileBitmaps().satellite.terrain.image, satelliteBefore);

    // The reset waits until a frame has shown the flash.
    LightningReset();
    EXPECT_EQ(strip(), rgb(qRgb(200, 240, 210)));
    map(64, 64);
    QImage img = drawn();
    EXPECT_EQ(rgb(img.pixel(3, 3)), rgb(qRgb(200, 240, 210)));
    EXPECT_EQ(strip(), rgb(qRgb(200, 100, 0)));
    img = drawn();
    EXPECT_EQ(rgb(img.pixel(3, 3)), rgb(qRgb(200, 100, 0)));

    // Once shown, the reset restores at once; the winter terrain stays winter.
    LoadTerrainWinter();
    LightenTerrain();
    drawn();
    LightningReset();
    EXPECT_EQ(strip(), rgb(synthetic::terrainColour(16, 1, true)));
}

TEST_F(MapViewTest, PrintShadowTextWritesTheShadowThenTheText)
{
    PictureBox box;
    box.resize(120, 40);
    box.Image() = QPixmap(120, 40);
    box.Image().fill(Qt::black);
    PrintShadowText(&box, QStringLiteral("Wq"), RGB(255, 0, 0), RGB(0, 255, 0), 2, 10, 5);
    QImage want(120, 40, QImage::Format_RGB32);
    want.fill(Qt::black);
    {
        QPainter p(&want);
        p.setFont(MapLabelFont());
        const int ascent = QFontMetrics(MapLabelFont()).ascent();
        p.setPen(Qt::green);
        p.drawText(12, 7 + ascent, QStringLiteral("Wq"));
        p.setPen(Qt::red);
        p.drawText(10, 5 + ascent, QStringLiteral("Wq"));
    }
    const QImage got = box.Image().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(got, want);
    // Both copies show: red on top, green where only the shadow lies.
    int red = 0, green = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            red += rgb(got.pixel(x, y)) == 0xFF0000u;
            green += rgb(got.pixel(x, y)) == 0x00FF00u;
        }
    EXPECT_GT(red, 10);
    EXPECT_GT(green, 5);
}
