// A session from the login dialog to the server closing the connection.

#include "EndToEnd.h"

#include "community/frmGame.h"
#include "connection/ConnectionState.h"
#include "connection/frmConnect.h"
#include "foundation/frmDebug.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "tests/connection/ServerFrames.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <functional>

namespace {
class EndToEndSessionTest : public EndToEndTest {
protected:
    // The player logs in through the dialog; the first Connect loads the
    // game room, on top of every window.
    frmGame& connectThroughTheDialog()
    {
        frmConnect& d = Forms::get<frmConnect>();
        d.Show();
        QTest::keyClicks(d.txtUsername, QStringLiteral("alice"));
        QTest::keyClicks(d.txtPassword, QStringLiteral("s3cret"));
        d.cmdServer->setCurrentIndex(d.cmdServer->findText(QStringLiteral("Master Server")));
        QTest::mouseClick(d.cmdOkay, Qt::LeftButton);
        EXPECT_TRUE(Forms::isLoaded<frmGame>());
        return Forms::get<frmGame>();
    }
    // The player replaces the server field's text by typing.
    static void typeServer(frmConnect& d, const QString& text)
    {
        QLineEdit* field = d.cmdServer->lineEdit();
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    // Each box shown on the desktop from now on: its title, and whether it
    // stays on top.
    std::vector<std::pair<QString, bool>>& watchBoxes()
    {
        services().onDesktopBox = [this](QMessageBox& box) {
            boxes_.emplace_back(box.windowTitle(), bool(box.windowFlags() & Qt::WindowStaysOnTopHint));
        };
        return boxes_;
    }

private:
    std::vector<std::pair<QString, bool>> boxes_;
};

QStringList listed(const frmConnect& d)
{
    QStringList rows;
    for (int i = 0; i < d.Server->topLevelItemCount(); ++i)
        rows.append(d.Server->topLevelItem(i)->text(0) + QLatin1Char(':') + d.Server->topLevelItem(i)->text(1));
    return rows;
}
} // namespace

TEST_F(EndToEndSessionTest, LoginThroughTheDialog)
{
    // An address file written with a line break still reaches the server.
    fake->addressText = "127.0.0.1\r\n";
    frmConnect& d = Forms::get<frmConnect>();
    d.Show();
    EXPECT_EQ(connection().MasterServer, QStringLiteral("127.0.0.1\r\n"));

    // Picking the master server shows who is on there.
    d.cmdServer->setCurrentIndex(d.cmdServer->findText(QStringLiteral("Master Server")));
    emit d.cmdServer->activated(d.cmdServer->currentIndex());
    ASSERT_TRUE(fake->waitForUserListBytes(6));
    EXPECT_EQ(fake->userListReceived(), QByteArray("sUsers"));
    fake->sendUserList("ann:85;bob:12");
    ASSERT_TRUE(waitUntil([&] { return d.PlayersOnLbl->text() == QStringLiteral("2"); }));
    EXPECT_EQ(listed(d), (QStringList{QStringLiteral("ann:85"), QStringLiteral("bob:12")}));
    EXPECT_EQ(fake->gameConnections(), 0);

    d.txtUsername->setEditText(QStringLiteral("alice"));
    d.txtPassword->setText(QStringLiteral("s3cret"));
    QTest::mouseClick(d.cmdOkay, Qt::LeftButton);
    ASSERT_TRUE(fake->waitForGameFrames(2));
    EXPECT_EQ(fake->gameReceived(), Bytes("\xA6!\0alice\0s3cret\0" "105\0\x01") + ClientFrame('T', "1"));
    EXPECT_TRUE(services().messageBoxes.empty());
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(linesOf(*chat().txtStatus),
              (std::vector<std::vector<BoxRun>>{{{QStringLiteral("Connecting as alice..."), 0, true}}}));
    EXPECT_EQ(back().StatBar->Panel(1), QStringLiteral("Logged In"));
    EXPECT_EQ(back().cmdConnect->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(game().mnuFileConnect->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(back().txtSend->isEnabled());
    // The user list was only for the dialog.
    EXPECT_EQ(game().WskUsers->state(), QAbstractSocket::UnconnectedState);
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());
}

TEST_F(EndToEndSessionTest, WhatIsTypedRightAfterLoggingInGoesToTheInputLine)
{
    // Logged in through the dialog, then again after the main window's
    // Disconnect and Connect: the player types at once, without a click.
    const std::function<void()> logins[] = {
        [&] { connectThroughTheDialog(); },
        [&] {
            QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
            QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
            QTest::mouseClick(Forms::get<frmConnect>().cmdOkay, Qt::LeftButton);
        },
    };
    for (const auto& logIn : logins) {
        logIn();
        ASSERT_TRUE(waitUntil([&] { return back().cmdConnect->text() == QLatin1String("Disconnect"); }));
        activate();
        sentFrames();
        QWidget* keyboard = QApplication::focusWidget();
        ASSERT_NE(keyboard, nullptr);
        QTest::keyClicks(keyboard, QStringLiteral("hi there"));
        QTest::keyClick(keyboard, Qt::Key_Return);
        const QList<QByteArray> frames = sentFrames();
        EXPECT_TRUE(frames.contains(ClientFrame('C', "hi there")));
        EXPECT_FALSE(frames.contains(ClientFrame('d', "")));
        EXPECT_EQ(back().cmdConnect->text(), QStringLiteral("Disconnect"));
    }
}

TEST_F(EndToEndSessionTest, TheDialogHasTheKeyboardWhenShownAndWhenItsBoxCloses)
{
    frmConnect& d = Forms::get<frmConnect>();
    d.Show();
    // The player clicks the main window, then its Connect button: the
    // dialog comes to the front with the keyboard.
    activate();
    ASSERT_EQ(QApplication::activeWindow(), &back());
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &d; }));

    // The refusal's box cannot be minimised away, and when it closes the
    // keyboard is back in the dialog.
    QString title;
    bool minimised = true;
    services().onDesktopBox = [&](QMessageBox& box) {
        title = box.windowTitle();
        box.setWindowState(Qt::WindowMinimized);
        QTest::qWait(20);
        minimised = box.isMinimized();
    };
    QTest::mouseClick(d.cmdOkay, Qt::LeftButton);
    services().onDesktopBox = nullptr;
    EXPECT_EQ(title, QStringLiteral("Connect"));
    EXPECT_FALSE(minimised);
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &d; }));
}

TEST_F(EndToEndSessionTest, TheGameRoomOpensInTheTopRightCornerOfTheWorkAreaAndShowsAgainWhereItWasMoved)
{
    frmGame& room = connectThroughTheDialog();
    ASSERT_TRUE(room.Visible());
    const QRect frame = room.frameGeometry();
    EXPECT_TRUE(room.screen()->availableGeometry().contains(frame)) << frame.x() << "," << frame.y();
    const QMenuBar& menus = *back().menuBar();
    EXPECT_GE(frame.top(), menus.mapToGlobal(QPoint(0, menus.height())).y());
    const QWidget& work = *back().mdiArea;
    EXPECT_EQ(frame.topRight(), work.mapToGlobal(QPoint(work.width() - 1, 0)));
    room.move(room.pos() + QPoint(-40, 30));
    const QPoint moved = room.pos();
    QTest::mouseClick(room.ZephButton4, Qt::LeftButton);
    game().mnuGameInfo->trigger();
    EXPECT_TRUE(room.Visible());
    EXPECT_EQ(room.pos(), moved);
}

TEST_F(EndToEndSessionTest, BoxesAndTheLoginDialogStandAboveTheGameRoomWhileItIsShown)
{
    frmGame& room = connectThroughTheDialog();
    std::vector<std::pair<QString, bool>>& boxes = watchBoxes();
    receive(ServerFrame('#', {"Server restarting"}));
    game().mnuFileExit->trigger();

    // Disconnected, Connect shows the login dialog over the room, and its
    // refusal stands over both.
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    frmConnect& d = Forms::get<frmConnect>();
    ASSERT_TRUE(d.Visible());
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    typeServer(d, QStringLiteral("Select Server"));
    QTest::mouseClick(d.cmdOkay, Qt::LeftButton);

    // With the room hidden they are ordinary windows again: the player
    // connects, disconnects and opens the dialog once more.
    QTest::mouseClick(room.ZephButton4, Qt::LeftButton);
    typeServer(d, QStringLiteral("Master Server"));
    QTest::mouseClick(d.cmdOkay, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return back().cmdConnect->text() == QLatin1String("Disconnect"); }));
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    typeServer(d, QStringLiteral("Select Server"));
    QTest::mouseClick(d.cmdOkay, Qt::LeftButton);
    services().onDesktopBox = nullptr;
    EXPECT_EQ(boxes, (std::vector<std::pair<QString, bool>>{{"Quelvar", true},
                                                            {"Quelvar", true},
                                                            {"Connect", true},
                                                            {"Connect", false}}));
    EXPECT_TRUE(room.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(EndToEndSessionTest, TheLoginDialogIsOnTopOnlyWhileTheRoomIsShownAndKeepsItsWindow)
{
    frmGame& room = connectThroughTheDialog();
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    frmConnect& d = Forms::get<frmConnect>();
    ASSERT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    const WId native = d.winId();
    const auto onTop = [&] {
        const bool widget = d.windowFlags() & Qt::WindowStaysOnTopHint;
        EXPECT_EQ(bool(d.windowHandle()->flags() & Qt::WindowStaysOnTopHint), widget);
        return widget;
    };

    // The room hides by its Ok: the dialog, still open, is an ordinary
    // window again; the room shown again by its menu puts it back on top.
    // Neither change re-creates the dialog's window, so it keeps its place.
    QTest::mouseClick(room.ZephButton4, Qt::LeftButton);
    EXPECT_FALSE(onTop());
    EXPECT_TRUE(d.isVisible());
    activate();
    QTest::keyClick(back().txtSend, Qt::Key_F1);
    ASSERT_TRUE(room.isVisible());
    EXPECT_TRUE(onTop());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.winId(), native);
}

TEST_F(EndToEndSessionTest, TheLastLinesBeforeTheServerClosesAreShownBeforeDisconnected)
{
    login();
    world().MapSplats.set(30, 30, 1);
    // The server's last words, then it hangs up at once: no frame tick runs
    // in between.
    fake->sendGame(ServerFrame('c', {"", "You have been kicked.", "5"}) + ServerFrame('o', {smalls({31, 31, 2, 4})}) +
                   ServerFrame('P', {smalls({40, 41, 3})}));
    fake->closeGame();
    ASSERT_TRUE(waitUntil([&] { return back().Caption() == QStringLiteral("Quelvar [Disconnected]"); }));

    EXPECT_EQ(linesOf(*chat().txtStatus),
              (std::vector<std::vector<BoxRun>>{{{QStringLiteral("You have been kicked."), 0, false}},
                                                {{QStringLiteral("Disconnected"), 255, true}}}));
    EXPECT_EQ(world().LastStatusText, QStringLiteral("You have been kicked."));
    // Then the world was reset: what those messages put there is gone too.
    EXPECT_EQ(world().MapSplats.get(30, 30), -1);
    EXPECT_EQ(world().MapSplats.get(31, 31), -1);
    EXPECT_EQ(world().MapPlayers.get(40, 41), -1);
    EXPECT_EQ(world().Pos.X, 7);
    EXPECT_EQ(world().Pos.Y, 7);
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
    EXPECT_EQ(back().StatBar->Panel(1), QStringLiteral("Not Logged In"));
    EXPECT_FALSE(back().txtSend->isEnabled());
    EXPECT_TRUE(services().messageBoxes.empty());
    EXPECT_FALSE(Forms::isLoaded<frmDebug>());
}

TEST_F(EndToEndSessionTest, AServerCloseDuringABatchWaitsForTheBatchToEnd)
{
    login();
    // Global Chat on view: each global line lets events run in the middle
    // of the batch, which is where the server's close arrives.
    chat().SSTab1->setCurrentIndex(1);
    const QByteArray stream = ServerFrame('c', {"Ann", "bye all", "0"}) + ServerFrame('c', {"Ann", "really", "0"}) +
                              ServerFrame('c', {"", "Last call.", "5"}) + ServerFrame('P', {smalls({40, 41, 3})});
    fake->sendGame(stream);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() >= stream.size(); }));
    fake->closeGame();
    frameTick();
    ASSERT_TRUE(waitUntil([&] { return back().Caption() == QStringLiteral("Quelvar [Disconnected]"); }));

    EXPECT_EQ(lineTexts(*chat().txtStatus), (QStringList{QStringLiteral("Last call."), QStringLiteral("Disconnected")}));
    EXPECT_EQ(lineTexts(*chat().txtGlobal).size(), 2);
    // The whole batch came before the reset.
    EXPECT_EQ(world().MapPlayers.get(40, 41), -1);
    EXPECT_EQ(world().Pos.X, 7);
    EXPECT_EQ(world().Pos.Y, 7);
}
