// Where the connection meets the world: the map chooser's request and the
// world reset when the server closes the connection.

#include "connection/ConnectionState.h"
#include "support/FakeGameServer.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldModel.h"
#include "world/WorldState.h"
#include "world/frmMaps.h"

namespace {
class WorldConnectionTest : public FakeServerTest {};
} // namespace

TEST_F(WorldConnectionTest, ChangeMapAsksTheServerForTheChosenFile)
{
    writeFile(QStringLiteral("Map/Arena.map"), "=");
    connectGame();
    frmMaps& maps = Forms::get<frmMaps>();
    maps.lstMaps->item(0)->setSelected(true);
    maps.cmdAccept->click();
    ASSERT_TRUE(fake->waitForGameFrames(1));
    EXPECT_EQ(fake->gameFrames().at(0), ClientFrame('x', "Arena.map"));
}

TEST_F(WorldConnectionTest, ServerCloseResetsTheWorldAndDisablesTheControls)
{
    world().MaxX = world().MaxY = 149;
    world().MapWidth = world().MapHeight = 150;
    InitMapAndShops();
    connectGame();
    world().MapTerrain.set(3, 3, 9);
    world().MapSplats.set(3, 3, 2);
    world().Pos = Point2{40, 41};
    world().PlayerSlots[4].Name = QStringLiteral("ann");

    fake->closeGame();
    frmBack& back = Forms::get<frmBack>();
    ASSERT_TRUE(waitUntil([&] { return back.StatBar->Panel(1) == QLatin1String("Not Logged In"); }));
    EXPECT_EQ(world().MapSplats.get(3, 3), -1);
    EXPECT_EQ(world().MapTerrain.get(3, 3), 9);
    EXPECT_EQ(world().Pos.X, 7);
    EXPECT_EQ(world().Pos.Y, 7);
    EXPECT_EQ(world().PlayerSlots[4].Name, QStringLiteral("ann"));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    EXPECT_FALSE(back.txtSend->isEnabled());
    EXPECT_FALSE(Forms::get<frmMain>().picMap->isEnabled());
    EXPECT_FALSE(Forms::get<frmChat>().txtStatus->isEnabled());
    EXPECT_FALSE(Forms::get<frmChat>().WhoList->isEnabled());
    EXPECT_EQ(back.Caption(), QStringLiteral("Quelvar [Disconnected]"));
}
