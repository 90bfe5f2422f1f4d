// The game room: loaded on top, polling the game chat once switched on,
// its two panels, the ready states and the server's game information.

#include "PlayerListsTest.h"

#include "community/frmGame.h"
#include "ui/frmBack.h"

#include <QTest>

namespace {

class GameRoomTest : public PlayerListsTest {};

TEST_F(GameRoomTest, PollsWhileHiddenShowsGameInfoAndSendsTheReadyState)
{
    frmGame& room = Forms::get<frmGame>();
    EXPECT_TRUE(room.Visible());
    EXPECT_TRUE(room.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(room.GameLbl->toPlainText(), QStringLiteral("Loading Game Data...\n"));
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('t', "0")});

    // Hidden, it keeps polling once a second.
    QTest::mouseClick(room.ZephButton4, Qt::LeftButton);
    room.close();
    EXPECT_FALSE(room.Visible());
    room.StartTimer();
    ASSERT_TRUE(fake->waitForGameFrames(2, 3500));
    room.Timer1->stop();
    EXPECT_EQ(sentFrames().mid(0, 2), QList<QByteArray>(2, ClientFrame('C', "Game Chat")));

    room.Show();
    room.close();  // no working close box
    EXPECT_TRUE(room.Visible());
    QTest::mouseClick(room.ZephButton3, Qt::LeftButton);
    EXPECT_TRUE(room.picGame->isHidden());
    EXPECT_FALSE(room.picPlayers->isHidden());
    QTest::mouseClick(room.ZephButton2, Qt::LeftButton);
    EXPECT_FALSE(room.picGame->isHidden());

    EXPECT_EQ(room.Combo1->currentText(), QStringLiteral("Change Status"));
    room.Combo1->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(room.Combo1, Qt::Key_Down);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('R', "1"), ClientFrame('R', "0"), ClientFrame('R', "2")}));

    receive(ServerFrame('G', {"Game 2: capture the flag"}));
    EXPECT_EQ(room.GameLbl->toPlainText(), QStringLiteral("Game 2: capture the flag"));
}

TEST_F(GameRoomTest, GoesDownAndComesBackWithTheMainWindowButIsNeverMinimisedAlone)
{
    frmGame& room = Forms::get<frmGame>();
    ASSERT_TRUE(room.Visible());
    // The player minimises the main window, and the window manager takes the
    // room down with it, as openbox does with a window's own windows: both
    // stay down until the main window is restored.
    back().setWindowState(Qt::WindowMinimized);
    room.setWindowState(Qt::WindowMinimized);
    QTest::qWait(50);
    EXPECT_TRUE(back().isMinimized());
    EXPECT_TRUE(room.isMinimized());
    back().setWindowState(Qt::WindowNoState);
    room.setWindowState(Qt::WindowNoState);

    // Minimised on its own it comes straight back: it has no minimise box.
    room.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(waitUntil([&] { return !room.isMinimized(); }));
    EXPECT_FALSE(back().isMinimized());
}
} // namespace
