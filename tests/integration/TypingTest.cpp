// What the user types and clicks, as the server receives it.

#include "EndToEnd.h"

#include "community/frmGame.h"
#include "community/frmTop10.h"
#include "community/frmWho.h"
#include "foundation/MenuState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "ui/frmAbout.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmPM.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

namespace {
class EndToEndTypingTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        login();
        chat().SSTab1->setTabVisible(3, true);
        chat().SSTab1->setTabVisible(4, true);
        activate();
        line()->setFocus();
    }
    QComboBox* line() { return back().txtSend; }
    void typeLine(const QString& text)
    {
        line()->setFocus();
        line()->setEditText(text);
        QTest::keyClick(line(), Qt::Key_Return);
    }
};
} // namespace

TEST_F(EndToEndTypingTest, TypedLinesCarryTheirPrefixOnTheWire)
{
    optionMenus().mnuOptionsChat.setChecked(true);
    for (int tab = 0; tab < 5; ++tab) {
        chat().SSTab1->setCurrentIndex(tab);
        typeLine(QStringLiteral("hi %1").arg(tab));
    }
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('C', "c hi 0"), ClientFrame('C', "c hi 1"),
                                               ClientFrame('C', "c hi 2"), ClientFrame('C', "admi hi 3"),
                                               ClientFrame('C', "team hi 4")}));

    // Auto-Admin; then neither option. The filter drops control characters
    // and the upper half of the code page ("é"), and keeps "€" (0x80).
    optionMenus().mnuOptionsAdmin.setChecked(true);
    optionMenus().mnuOptionsChat.setChecked(false);
    typeLine(QStringLiteral("kick ") + QChar(7) + QStringLiteral("bob"));
    optionMenus().mnuOptionsAdmin.setChecked(false);
    typeLine(QStringLiteral("caf\u00e9 costs 5\u20ac"));
    // A "/" line goes as typed without its "/": no filter, no prefix; only
    // the framing bytes are taken out of it.
    optionMenus().mnuOptionsChat.setChecked(true);
    typeLine(QStringLiteral("/tell ann caf\u00e9 \u00a6ok") + QChar(7));
    typeLine(QStringLiteral("/"));
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('C', "adm kick bob"), ClientFrame('C', "caf costs 5\x80"),
                                               ClientFrame('C', "tell ann caf\xE9 ok\x07"), ClientFrame('C', "")}));
    EXPECT_EQ(line()->itemText(0), QStringLiteral("/"));
    EXPECT_EQ(line()->itemText(1), QStringLiteral("/tell ann caf\u00e9 \u00a6ok") + QChar(7));
}

TEST_F(EndToEndTypingTest, WhatIsTypedAfterTheWhoWindowClosesGoesToTheInputLine)
{
    QTest::keyClick(line(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(Forms::isLoaded<frmWho>());
    frmWho& who = Forms::get<frmWho>();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &who; }));
    // It belongs to the main window, so the window manager keeps it in the
    // main window's layer, under the game room.
    EXPECT_EQ(who.windowHandle()->transientParent(), back().windowHandle());
    sentFrames();

    who.close();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &back(); }));
    QWidget* keyboard = QApplication::focusWidget();
    ASSERT_NE(keyboard, nullptr);
    QTest::keyClicks(keyboard, QStringLiteral("hi"));
    QTest::keyClick(keyboard, Qt::Key_Return);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "hi")});
}

TEST_F(EndToEndTypingTest, WhatIsTypedAfterAWindowOfItsOwnClosesGoesToTheInputLineNotToTheRoom)
{
    // Top 10 closed by the window manager's close (Alt+F4), the about box
    // by its button: neither moves the focus, neither belongs to the main
    // window, and the game room stays on top meanwhile.
    ASSERT_TRUE(Forms::get<frmGame>().isVisible());
    const std::pair<Qt::Key, std::function<void()>> rounds[] = {
        {Qt::Key_F2, [] { Forms::get<frmTop10>().close(); }},
        {Qt::Key_F12, [] { QTest::mouseClick(Forms::get<frmAbout>().cmdClose, Qt::LeftButton); }},
    };
    for (const auto& [key, close] : rounds) {
        QTest::keyClick(line(), key);
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() != &back(); }));
        sentFrames();
        close();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &back(); })) << key;
        ASSERT_EQ(QApplication::focusWidget(), line());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hello there"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "hello there")});
    }
}

TEST_F(EndToEndTypingTest, AClickIntoTheGameRoomJustAfterAWindowClosesKeepsTheKeyboardThere)
{
    frmGame& room = Forms::get<frmGame>();
    ASSERT_TRUE(room.isVisible());
    // The window manager makes the room active for the player's click; the
    // press reaches the program before that or after it.
    for (const bool pressFirst : {true, false}) {
        const QString state = pressFirst ? QStringLiteral("Ready") : QStringLiteral("Auto Ready");
        QTest::keyClick(line(), Qt::Key_W, Qt::ControlModifier);
        frmWho& who = Forms::get<frmWho>();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &who; }));
        who.close();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &back(); }));

        QWidget* field = room.Combo1->lineEdit();
        if (pressFirst)
            QTest::mousePress(field, Qt::LeftButton);
        room.activateWindow();
        QTest::qWait(50);
        if (!pressFirst)
            QTest::mousePress(field, Qt::LeftButton);
        QTest::mouseRelease(field, Qt::LeftButton);
        QTest::qWait(50);
        ASSERT_EQ(QApplication::activeWindow(), &room) << pressFirst;
        sentFrames();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), state);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QList<QByteArray> frames = sentFrames();
        EXPECT_TRUE(frames.contains(ClientFrame('R', pressFirst ? "1" : "2")));
        EXPECT_FALSE(frames.contains(ClientFrame('C', state.toLatin1())));
        activate();
    }
}

TEST_F(EndToEndTypingTest, WalkingKeysSendMovesOnlyWithKeypadMovement)
{
    QTest::keyClick(line(), Qt::Key_Up);
    QTest::keyClick(line(), Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(sentFrames().isEmpty());

    optionMenus().mnuKeyMove.setChecked(true);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } keys[] = {{Qt::Key_Up, {}},
                {Qt::Key_Right, {}},
                {Qt::Key_Down, {}},
                {Qt::Key_Left, {}},
                {Qt::Key_8, Qt::KeypadModifier},
                {Qt::Key_7, Qt::KeypadModifier},
                {Qt::Key_9, Qt::KeypadModifier},
                {Qt::Key_1, Qt::KeypadModifier},
                {Qt::Key_3, Qt::KeypadModifier}};
    for (const auto& k : keys)
        QTest::keyClick(line(), k.key, k.mods);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('m', "&n&"), ClientFrame('m', "&e&"),
                                               ClientFrame('m', "&s&"), ClientFrame('m', "&w&"),
                                               ClientFrame('m', "&n&"), ClientFrame('m', "&n&w&"),
                                               ClientFrame('m', "&n&e&"), ClientFrame('m', "&s&w&"),
                                               ClientFrame('m', "&s&e&")}));
    // The numpad keys typed nothing into the line.
    EXPECT_TRUE(line()->currentText().isEmpty());
}

TEST_F(EndToEndTypingTest, ButtonsAndMenuItemsSendTheirCommands)
{
    settings().Buttons[5].Command = QStringLiteral("GIVE %1 1");
    settings().Buttons[7].Command = QStringLiteral("buy vile");
    back().cmdAlias[5]->show();
    QTest::mouseClick(back().cmdAlias[5], Qt::LeftButton);
    game().cmdAlias[7]->click();
    game().cmdReload->click();
    game().Command1->click();
    game().Command2->click();
    game().mnuOptionsReadyNot->trigger();
    game().mnuOptionsReadyYes->trigger();
    game().mnuOptionsReadyAuto->trigger();
    game().mnuViewWho->trigger();
    EXPECT_EQ(sentFrames(),
              (QList<QByteArray>{ClientFrame('C', "GIVE %1 1"), ClientFrame('C', "buy vile"),
                                 ClientFrame('C', "BUY VILE & DUMP VILE GUN & SELL VILE"), ClientFrame('C', "GET FLAG"),
                                 ClientFrame('C', "GET FLAG"), ClientFrame('R', "0"), ClientFrame('R', "1"),
                                 ClientFrame('R', "2"), ClientFrame('w', "")}));
    EXPECT_EQ(Forms::get<frmWho>().StatusBar1->SimpleText(), QStringLiteral("Updating Please wait..."));
    EXPECT_TRUE(Forms::get<frmWho>().Visible());
}

TEST_F(EndToEndTypingTest, APrivateMessageIsAnsweredWithATell)
{
    // The name goes back byte for byte; only the typed text is filtered.
    receive(ServerFrame('c', {"Zo\xEB", "psst", "2"}));
    frmPM& pm = PMWindow(kPMFirst);
    ASSERT_EQ(pm.Caption(), QStringLiteral("Zo\u00eb"));
    ASSERT_TRUE(pm.Visible());
    pm.SendTxt->setText(QStringLiteral("hi ") + QChar(2) + QStringLiteral("there \u00e9"));
    QTest::keyClick(pm.SendTxt, Qt::Key_Return);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "TELL Zo\xEB hi there ")});
    EXPECT_TRUE(pm.SendTxt->text().isEmpty());
    // The line comes back only with the server's echo.
    EXPECT_EQ(lineTexts(*pm.MessageTxt), QStringList{QStringLiteral("Zo\u00eb: psst")});
}

TEST_F(EndToEndTypingTest, ARepliesEchoStaysInItsConversationAndTheNextReplyGoesToItsPartner)
{
    receive(ServerFrame('c', {"Ann", "hi", "2"}) + ServerFrame('c', {"Ben", "yo", "2"}));
    frmPM& ann = PMWindow(kPMFirst);
    frmPM& ben = PMWindow(kPMFirst + 1);
    ASSERT_EQ(ben.Caption(), QStringLiteral("Ben"));
    QTest::keyClicks(ben.SendTxt, QStringLiteral("later"));
    QTest::keyClick(ben.SendTxt, Qt::Key_Return);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "TELL Ben later")});
    receive(ServerFrame('c', {"Ben", "later", "3"}));
    EXPECT_EQ(lineTexts(*ben.MessageTxt), (QStringList{QStringLiteral("Ben: yo"), QStringLiteral("You say: later")}));
    EXPECT_EQ(ann.Caption(), QStringLiteral("Ann"));
    EXPECT_EQ(lineTexts(*ann.MessageTxt), QStringList{QStringLiteral("Ann: hi")});

    QTest::keyClicks(ann.SendTxt, QStringLiteral("ok"));
    QTest::keyClick(ann.SendTxt, Qt::Key_Return);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('C', "TELL Ann ok")});
}

TEST_F(EndToEndTypingTest, DisconnectSendsDThenClosesAndOnlyThenTheProgramCanExit)
{
    game().mnuFileExit->trigger();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Disconnect Before Exiting Quelvar!")});
    EXPECT_TRUE(sentFrames().isEmpty());
    EXPECT_FALSE(ProgramHasEnded());

    // The main window's Connect button.
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    ASSERT_TRUE(fake->waitForGameDisconnect());
    EXPECT_EQ(fake->gameReceived(), ClientFrame('d', ""));
    EXPECT_EQ(game().Wsk->state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(lineTexts(*chat().txtStatus), QStringList{QStringLiteral("Disconnected")});
    EXPECT_EQ(linesOf(*chat().txtStatus)[0][0], (BoxRun{QStringLiteral("Disconnected"), 255, true}));
    EXPECT_EQ(back().StatBar->Panel(1), QStringLiteral("Not Logged In"));
    EXPECT_EQ(back().cmdConnect->text(), QStringLiteral("Connect"));

    // The game window's File > Connect, after the next login.
    fake->clearGameReceived();
    login();
    game().mnuFileConnect->trigger();
    ASSERT_TRUE(fake->waitForGameDisconnect());
    EXPECT_EQ(fake->gameReceived(), ClientFrame('d', ""));
    EXPECT_EQ(game().mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(lineTexts(*chat().txtStatus), QStringList{QStringLiteral("Disconnected")});

    // Typing while disconnected sends nothing.
    line()->setEnabled(true);
    typeLine(QStringLiteral("anyone?"));
    EXPECT_EQ(fake->gameReceived(), ClientFrame('d', ""));

    // Called directly: the program's end thrown through the menu's own
    // signal code would leave a guard of it behind.
    EXPECT_THROW(game().mnuFileExit_Click(), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_EQ(fake->gameReceived(), ClientFrame('d', ""));
}

TEST_F(EndToEndTypingTest, ZoomNumpadFiveAndScreenCenterSendTheView)
{
    World& w = world();
    w.MapWidth = w.MapHeight = 150;
    w.MaxX = w.MaxY = 149;
    w.Pos = Point2{7, 7};
    w.TileSize = 32;
    optionMenus().mnuOptionsZoom.setChecked(true);
    game().picMap->resize(320, 176);

    // Zoom out: 20 x 11 tiles of 16 pixels around (7, 7); 150.5 rounds to
    // 150, which wraps to 0.
    game().mnuOptionsZoom->trigger();
    EXPECT_EQ(w.TileSize, 16);
    // Zoom in again: 10 x 6 tiles of 32 pixels (5.5 rounds to 6).
    game().mnuOptionsZoom->trigger();
    EXPECT_EQ(w.TileSize, 32);
    optionMenus().mnuKeyMove.setChecked(true);
    QTest::keyClick(line(), Qt::Key_5, Qt::KeypadModifier);
    game().mnuCommandScreen->trigger();
    const QByteArray zoomedIn = BytesOf({1 + 5, 3 + 5, 10 + 5, 6 + 5});
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('M', BytesOf({146 + 5, 0 + 5, 20 + 5, 11 + 5})),
                                               ClientFrame('M', zoomedIn), ClientFrame('M', zoomedIn),
                                               ClientFrame('M', zoomedIn)}));
    EXPECT_EQ(w.OriginX, 1);
    EXPECT_EQ(w.OriginY, 3);

    // Not logged in: the zoom changes the tile size and sends nothing.
    back().StatBar->setPanel(1, QStringLiteral("Not Logged In"));
    game().mnuOptionsZoom->trigger();
    EXPECT_EQ(w.TileSize, 16);
    EXPECT_TRUE(sentFrames().isEmpty());
}
