// The game window's frame, overview and lightning timers and the map's mouse
// handlers, with the game socket connected to a local listener.
#include "support/ClientTest.h"
#include "tests/world/SyntheticStrips.h"

#include "connection/ConnectionState.h"
#include "foundation/OptionsState.h"
#include "foundation/SettingsState.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"
#include "world/MapViewCore.h"
#include "world/TileBitmaps.h"
#include "world/WorldState.h"
#include "world/frmOverview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// A client frame: 0xA6, the command character, NUL, the text, NUL, 0x01.
QByteArray frame(char command, const QByteArray& text)
{
    return QByteArray("\xa6") + command + '\0' + text + '\0' + '\x01';
}

QRgb overviewColour(int k)
{
    const quint32 c = OverviewColours[k];
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
} // namespace

class MapTimersTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        resetTileBitmaps();
        resetFrameRate();
        synthetic::emptyWorld(world());
        world().Pos = Point2{7, 7};
        synthetic::writeStrips(programFolder() + QStringLiteral("/Graphics"));
        settings().GraphicsPath = programFolder() + QStringLiteral("/Graphics/");
        LoadGraphics();
        game = &Forms::get<frmMain>();
        game->picMap->resize(320, 240);
    }

    void TearDown() override
    {
        resetTileBitmaps();
        ClientTest::TearDown();
    }

    void connectGame()
    {
        ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
        game->Wsk->connectToHost(QHostAddress::LocalHost, listener.serverPort());
        ASSERT_TRUE(game->Wsk->waitForConnected(3000));
    }

    void leftClick(int x, int y)
    {
        game->picMap_MouseDown(1, 0, x, y);
        game->picMap_MouseUp(1, 0, x, y);
    }

    frmMain* game = nullptr;
    QTcpServer listener;
};

TEST_F(MapTimersTest, FrameTickDrawsAndShowsTheRateEveryTenFrames)
{
    StatusBar* bar = Forms::get<frmBack>().StatBar;
    services().tick = 10000;
    for (int i = 0; i < 10; ++i)
        game->DXTimer_Timer();
    EXPECT_EQ(bar->Panel(3), QStringLiteral("Frames:1"));  // 10000 / 10000 ms since 0
    // Drawn while disconnected, receive buffer or not.
    connection().RecvBuffer = QByteArray("\xa6x\0\x01", 4);
    EXPECT_EQ(game->picMap->Image().toImage().pixel(3, 3) & 0xFFFFFFu, synthetic::terrainColour(16, 1) & 0xFFFFFFu);
    for (int i = 0; i < 9; ++i) {
        services().tick += 32;
        game->DXTimer_Timer();
        EXPECT_EQ(bar->Panel(3), QStringLiteral("Frames:1"));
    }
    services().tick += 32;
    game->DXTimer_Timer();
    EXPECT_EQ(bar->Panel(3), QStringLiteral("Frames:31"));
    EXPECT_EQ(connection().RecvBuffer.size(), 4);
    EXPECT_EQ(game->DXTimer->interval(), 32);
    EXPECT_TRUE(game->Timer1->isActive());
    EXPECT_EQ(game->Timer1->interval(), 15000);
    EXPECT_FALSE(game->LightningTimer->isActive());
}

TEST_F(MapTimersTest, OverviewPaintsOnePixelPerCellByClass)
{
    World& w = world();
    w.MapTerrain.fill(3);
    w.MapTerrain.set(10, 20, 2);
    w.MapTerrain.set(10, 21, 7);    // below a 2: class 2
    w.MapTerrain.set(10, 22, -1);   // keeps it too
    w.MapTerrain.set(11, 0, 7);     // top of a column: the class of the previous column's last cell
    w.MapTerrain.set(10, 149, 0);
    w.MapTerrain.set(30, 30, 8);
    w.MapTerrain.set(30, 31, 39);
    EXPECT_FALSE(Forms::isLoaded<frmOverview>());
    game->Timer1_Timer();
    ASSERT_TRUE(Forms::isLoaded<frmOverview>());
    frmOverview& overview = Forms::get<frmOverview>();
    EXPECT_FALSE(overview.Visible());
    EXPECT_EQ(overview.Caption(), QStringLiteral("Overview Map"));
    const QImage img = overview.picOverview->Image().toImage();
    auto at = [&](int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(at(0, 0), overviewColour(3) & 0xFFFFFFu);
    EXPECT_EQ(at(149, 149), overviewColour(3) & 0xFFFFFFu);
    EXPECT_EQ(at(10, 20), overviewColour(2) & 0xFFFFFFu);
    EXPECT_EQ(at(10, 21), overviewColour(2) & 0xFFFFFFu);
    EXPECT_EQ(at(10, 22), overviewColour(2) & 0xFFFFFFu);
    EXPECT_EQ(at(10, 23), overviewColour(3) & 0xFFFFFFu);
    EXPECT_EQ(at(11, 0), overviewColour(0) & 0xFFFFFFu);
    EXPECT_EQ(at(30, 30), overviewColour(6) & 0xFFFFFFu);
    EXPECT_EQ(at(30, 31), overviewColour(6) & 0xFFFFFFu);
    // Seven colours that tell the classes apart.
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            EXPECT_NE(OverviewColours[a], OverviewColours[b]);

    overview.Show();
    overview.ZephButton1->click();
    EXPECT_FALSE(overview.Visible());
    EXPECT_TRUE(Forms::isLoaded<frmOverview>());
    EXPECT_EQ(overview.ZephButton1->text(), QStringLiteral("&Ok"));
}

TEST_F(MapTimersTest, LightningTickFlashesOnlyWhileSwitchedOn)
{
    auto strip = [] { return tileBitmaps().normal.terrain.image.pixel(3, 16 + 3) & 0xFFFFFFu; };
    const QRgb normal = strip();
    game->LightningTimer_Timer();
    EXPECT_EQ(strip(), normal);
    connection().Lightning = true;
    connection().TimeOfDay = 0;  // no reset: the strip stays bright
    game->LightningTimer_Timer();
    EXPECT_NE(strip(), normal);
    LoadTerrainNormal();
    connection().TimeOfDay = 2;
    game->LightningTimer_Timer();
    EXPECT_NE(strip(), normal);  // not yet on screen
    game->DXTimer_Timer();
    EXPECT_EQ(strip(), normal);
}

TEST_F(MapTimersTest, ClicksAreIgnoredWhileDisconnected)
{
    connection().UserLevel = 95;
    World& w = world();
    w.ViewCenterX = 3;
    leftClick(16 * 7 + 4, 16 * 7 + 4);
    leftClick(16 * 15, 16 * 2);
    EXPECT_EQ(w.ViewCenterX, 3);
    EXPECT_EQ(w.TilesAcross, 0);
    EXPECT_FALSE(game->mnuAdmin->menuAction()->isVisible());
}

TEST_F(MapTimersTest, LeftClicksRecentreFollowTheCameraAndShowStaffMenus)
{
    connectGame();
    connection().UserLevel = 95;
    World& w = world();
    // The own cell re-centres: the view is recomputed, no staff menu yet.
    leftClick(16 * 7 + 4, 16 * 7 + 15);
    EXPECT_EQ(w.ViewCenterX, 7);
    EXPECT_EQ(w.ViewCenterY, 7);
    EXPECT_EQ(w.TilesAcross, 20);
    EXPECT_EQ(w.TilesDown, 15);
    EXPECT_EQ(w.OriginX, 146);
    EXPECT_EQ(w.OriginY, 148);
    EXPECT_FALSE(game->mnuAdmin->menuAction()->isVisible());

    // Any other cell: staff menus by level, then the camera follows. Pixel
    // (64, 0) is cell (150 -> 0, 148): column 0 is within half the map of 7,
    // row 148 is not (7 + 74.5 < 148), so only the row centre moves by 149.
    leftClick(64, 0);
    EXPECT_TRUE(game->mnuAdmin->menuAction()->isVisible());
    EXPECT_TRUE(game->mnuerrorlog->isVisible());
    EXPECT_EQ(w.ViewCenterX, 7);
    EXPECT_EQ(w.ViewCenterY, 156);
    // Cell (83, 148): 7 + 74.5 < 83 moves the column centre too; 156 - 74.5
    // is not above 148, so the row centre stays.
    w.OriginX = 0;
    leftClick(83 * 16, 0);
    EXPECT_EQ(w.ViewCenterX, 156);
    EXPECT_EQ(w.ViewCenterY, 156);
    // Auto Screen Center recomputes the view after the move.
    options().AutoScreenCenter = 255;
    leftClick(16 * 3, 16 * 3);
    EXPECT_EQ(w.ViewCenterX, 7);
    EXPECT_EQ(w.ViewCenterY, 7);
    EXPECT_EQ(w.OriginX, 146);

    // Any other button fires and changes no view.
    w.ViewCenterX = 40;
    game->picMap_MouseUp(2, 0, 40, 8);
    EXPECT_EQ(w.ViewCenterX, 40);
    connection().UserLevel = 79;
    game->picMap_MouseUp(4, 0, 16 * 9, 16 * 9);
    EXPECT_TRUE(game->mnuerrorlog->isVisible());
}

// What the game server receives for clicks on the map. The listener reads
// the stream; frames the connection sends on its own come and go around them.
class MapClickBytesTest : public MapTimersTest {
protected:
    void SetUp() override
    {
        MapTimersTest::SetUp();
        connectGame();
        // The socket's connect handling lets events run, which may already
        // have accepted the connection.
        ASSERT_TRUE(listener.hasPendingConnections() || listener.waitForNewConnection(3000));
        peer = listener.nextPendingConnection();
        ASSERT_NE(peer, nullptr);
    }

    // Waits until the stream holds the frame; true when it arrived.
    bool arrives(const QByteArray& expected, int ms = 2000)
    {
        QElapsedTimer t;
        t.start();
        while (!received.contains(expected) && t.elapsed() < ms) {
            game->Wsk->flush();
            QCoreApplication::processEvents();
            peer->waitForReadyRead(20);
            received += peer->readAll();
        }
        return received.contains(expected);
    }

    QTcpSocket* peer = nullptr;
    QByteArray received;
};

TEST_F(MapClickBytesTest, WalkFireAndViewportFrames)
{
    game->Server(QStringLiteral("C"), QStringLiteral("probe"));
    ASSERT_TRUE(arrives(frame('C', "probe"))) << "the send procedure frames and sends while connected";
    World& w = world();

    received.clear();
    game->picMap_MouseUp(1, 0, 10 * 16 + 1, 8 * 16 + 15);
    EXPECT_TRUE(arrives(frame('m', "&e&e&s&e&")));

    received.clear();
    w.OriginX = 146;
    game->picMap_MouseUp(2, 0, 40, 8);
    EXPECT_TRUE(arrives(frame('C', "fire 148 0")));

    // The own cell: the view around (7, 7) for 320 x 240 at 16 pixels.
    received.clear();
    w.OriginX = 0;
    game->picMap_MouseUp(1, 0, 7 * 16, 7 * 16);
    EXPECT_TRUE(arrives(frame('M', QByteArray("\x97\x99\x19\x14"))));  // 146, 148, 20, 15 plus 5

    // Auto Screen Center: the walk, then the view.
    received.clear();
    options().AutoScreenCenter = 255;
    w.Pos = Point2{148, 0};
    w.OriginX = 0;
    w.OriginY = 0;
    game->picMap_MouseUp(1, 0, 2 * 16, 0);
    EXPECT_TRUE(arrives(frame('m', "&e&e&e&e&")));
    // (149 + 148 - 10) mod 150 = 137; 149 + 0 - 7.5 = 141.5 rounds to 142.
    const QByteArray view = frame('M', QByteArray("\x8e\x93\x19\x14"));
    EXPECT_TRUE(arrives(view));
    EXPECT_LT(received.indexOf(frame('m', "&e&e&e&e&")), received.indexOf(view));
}
