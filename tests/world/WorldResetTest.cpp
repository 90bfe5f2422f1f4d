// Resetting the world when a connection starts or ends.
#include "WorldTestSupport.h"

#include "connection/ConnectionState.h"
#include "foundation/Forms.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldReset.h"

TEST_F(WorldTest, ResetWorldClearsOverlaysAndKeepsTerrainSlotsAndView)
{
    World& w = world();
    for (MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapMarks, &w.MapBots, &w.MapPlayers})
        l->fill(2);
    w.MapTerrain.set(3, 4, 27);
    w.PlayerSlots[5] = PlayerSlot{2, QStringLiteral("Pat")};
    w.Shops[1].Name = QStringLiteral("Renamed");
    w.Pos = Point2{40, 50};
    w.OriginX = 33;
    w.OriginY = 44;
    w.ViewCenterX = 60;
    w.ViewCenterY = 61;
    w.TilesAcross = 20;
    w.TilesDown = 15;
    connection().RecvBuffer = QByteArray("\xa6P\0\x0c\x0c\x01", 6);

    ResetWorld();

    for (const MapLayer* l : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapMarks, &w.MapBots, &w.MapPlayers})
        EXPECT_EQ(count(*l, -1), kMapCells * kMapCells);
    EXPECT_EQ(w.MapTerrain.get(3, 4), 27);
    EXPECT_EQ(w.PlayerSlots[5].Tile, 2);
    EXPECT_EQ(w.PlayerSlots[5].Name, QStringLiteral("Pat"));
    EXPECT_EQ(w.Shops[1].Name, QStringLiteral("Renamed"));
    EXPECT_EQ(w.Pos.X, 7);
    EXPECT_EQ(w.Pos.Y, 7);
    EXPECT_EQ(w.OriginX, 0);
    EXPECT_EQ(w.OriginY, 0);
    EXPECT_EQ(w.ViewCenterX, 60);
    EXPECT_EQ(w.ViewCenterY, 61);
    EXPECT_EQ(w.TilesAcross, 20);
    EXPECT_EQ(w.TilesDown, 15);
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(WorldTest, ResetWorldDisablesInputChatWhoListAndMap)
{
    frmBack& back = Forms::get<frmBack>();
    frmChat& chat = Forms::get<frmChat>();
    frmMain& game = Forms::get<frmMain>();
    for (QWidget* c : std::initializer_list<QWidget*>{back.txtSend, chat.txtStatus, chat.WhoList, game.picMap})
        c->setEnabled(true);

    ResetWorld();

    EXPECT_FALSE(back.txtSend->isEnabled());
    EXPECT_FALSE(chat.txtStatus->isEnabled());
    EXPECT_FALSE(chat.WhoList->isEnabled());
    EXPECT_FALSE(game.picMap->isEnabled());
    // Only those four: the rest of the chat window stays usable.
    EXPECT_TRUE(chat.txtGlobal->isEnabled());
    EXPECT_TRUE(game.cmdConnect->isEnabled());
}
