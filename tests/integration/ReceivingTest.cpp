// What the server sends, arriving over the socket and shown by the batches
// of the receive buffer.

#include "EndToEnd.h"

#include "community/frmShop.h"
#include "connection/ConnectionState.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "tests/connection/ServerFrames.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmPM.h"
#include "world/WorldState.h"

#include <QTest>
#include <QTimer>

namespace {
class EndToEndReceivingTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        // The colour sets by name, as the settings load gives them.
        Settings& s = settings();
        SetColourSet(s.TellColour, QStringLiteral("Orange"));
        SetColourSet(s.AnnounceColour, QStringLiteral("Red"));
        SetColourSet(s.PlanColour, QStringLiteral("Green"));
        s.BoldNames = true;
        login();
    }
    static QByteArray chatLine(const QByteArray& name, const QByteArray& text, const QByteArray& kind)
    {
        return ServerFrame('c', {name, text, kind});
    }
    static std::vector<BoxRun> line(std::initializer_list<BoxRun> runs) { return runs; }
};
} // namespace

TEST_F(EndToEndReceivingTest, ChatKindsReachTheirBoxesPanelsAndWindows)
{
    // A staff level first, so the staff line shows its sender.
    receive(ServerFrame('v', {smalls({80}), ""}) + chatLine("Ann", "hello all", "0") +
            chatLine("Ann", "waves", "1") + chatLine("Cid", "psst", "2") + chatLine("Bob", "hi Bob", "3") +
            chatLine("Cid", "again", "2") + chatLine("", "Server restarts soon", "4") + chatLine("", "Welcome", "5") +
            chatLine("Ann", "prizes", "6") + chatLine("Ann", "flank left", "7") + chatLine("Ann", "rush", "8") +
            chatLine("", "Round 3", "9") + chatLine("Ann", "staff only", "10"));

    const auto game = linesOf(*chat().txtStatus);
    ASSERT_EQ(game.size(), 5u) << lineTexts(*chat().txtStatus).join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(game[0], line({{"Ann waves", RGB(75, 75, 10), false}}));
    EXPECT_EQ(game[1], line({{"Server restarts soon", 0, false}}));
    EXPECT_EQ(game[2], line({{"Welcome", 0, false}}));
    EXPECT_EQ(game[3], line({{"Ann announces:", RGB(128, 0, 0), true}, {"prizes", RGB(192, 64, 64), false}}));
    EXPECT_EQ(game[4], line({{"Ann game plans:", RGB(20, 70, 70), true}, {"rush", RGB(40, 140, 140), false}}));
    for (RichTextBox* box : {chat().txtGlobal, chat().txtHelp}) {
        const QStringList texts = lineTexts(*box);
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].startsWith(QLatin1Char('['))) << texts[0].toStdString();
        EXPECT_TRUE(texts[0].endsWith(QStringLiteral("] Ann chats: hello all"))) << texts[0].toStdString();
    }
    EXPECT_EQ(linesOf(*chat().txtTeam),
              (std::vector<std::vector<BoxRun>>{
                  line({{"Ann: ", RGB(0, 128, 0), true}, {"flank left", RGB(64, 192, 64), false}})}));
    EXPECT_EQ(linesOf(*chat().txtTrainer),
              (std::vector<std::vector<BoxRun>>{
                  line({{"Ann: ", RGB(0, 80, 100), true}, {"staff only", RGB(0, 160, 200), false}})}));
    EXPECT_EQ(back().StatBar->Panel(2), QStringLiteral("Round 3"));
    EXPECT_EQ(world().LastStatusText, QStringLiteral("Welcome"));

    // Game Chat is on view: the other channels that got lines are marked.
    EXPECT_FALSE(chat().TabMarked(0));
    EXPECT_TRUE(chat().TabMarked(1));
    EXPECT_FALSE(chat().TabMarked(2));
    EXPECT_TRUE(chat().TabMarked(3));
    EXPECT_TRUE(chat().TabMarked(4));

    // The echo of an own tell took window 1 from Cid for Bob; Cid's next
    // line opened a window of its own.
    frmPM& first = PMWindow(kPMFirst);
    EXPECT_EQ(first.Caption(), QStringLiteral("Bob"));
    EXPECT_EQ(linesOf(*first.MessageTxt),
              (std::vector<std::vector<BoxRun>>{
                  line({{"Cid: ", RGB(188, 106, 0), true}, {"psst", RGB(243, 139, 3), false}}),
                  line({{"You say: ", RGB(188, 106, 0), true}, {"hi Bob", RGB(243, 139, 3), false}})}));
    frmPM& second = PMWindow(kPMFirst + 1);
    EXPECT_EQ(second.Caption(), QStringLiteral("Cid"));
    EXPECT_EQ(lineTexts(*second.MessageTxt), QStringList{QStringLiteral("Cid: again")});
    EXPECT_TRUE(first.Visible());
    EXPECT_TRUE(second.Visible());

    // Kinds 4 and 5 asked who is on; nothing else went out.
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('w', ""), ClientFrame('w', "")}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(EndToEndReceivingTest, NumberedStatusMessagesAskWhoIsOnAndWriteTheirLines)
{
    settings().SoundOn = true;
    settings().GraphicsPath = QStringLiteral("/g/");
    chat().SSTab1->setCurrentIndex(1);
    receive(ServerFrame('M', {smalls({13}) + "25"}) + ServerFrame('M', {smalls({18}) + "yes"}) +
            ServerFrame('M', {smalls({30}) + "Bob", "TESTER", "head"}) +
            ServerFrame('M', {smalls({55}) + "Reds", "Blues"}) + ServerFrame('M', {smalls({60})}) +
            ServerFrame('M', {smalls({58}), "", "", ""}));

    EXPECT_EQ(linesOf(*chat().txtStatus),
              (std::vector<std::vector<BoxRun>>{
                  line({{"You have been charged $25 for playing in this game.", 255, false}}),
                  line({{"You are READY for the next game", 0, false}}),
                  line({{"Bob has splat you in the head!", 0, false}}),
                  line({{"The next game will be a tournament game between 'Reds' and 'Blues'!", 0, true}})}));
    EXPECT_TRUE(game().mnuOptionsReadyYes->isChecked());
    EXPECT_FALSE(game().mnuOptionsReadyNot->isChecked());
    EXPECT_EQ(world().LastStatusText, QStringLiteral("You are READY for the next game"));
    EXPECT_EQ(world().LastSplatText, QStringLiteral("Bob has splat you in the head!"));
    EXPECT_EQ(services().soundFiles, QStringList{QStringLiteral("/g/Hityou.wav")});
    EXPECT_TRUE(chat().TabMarked(0));
    // One who request for each message of one to three fields, also for an
    // id that shows nothing; the four-field message is not shown at all.
    EXPECT_EQ(sentFrames(), QList<QByteArray>(5, ClientFrame('w', "")));

    // The end of the program: no message, nothing written.
    const QByteArray end = ServerFrame('M', {smalls({29})}) + ServerFrame('M', {smalls({12})});
    fake->sendGame(end);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() == end.size(); }));
    EXPECT_THROW(frameTick(), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_EQ(lineTexts(*chat().txtStatus).size(), 4);
    EXPECT_EQ(services().messageBoxes.size(), 0u);
}

TEST_F(EndToEndReceivingTest, SessionAndWorldMessages)
{
    options().AutoOpenShops = 255;
    receive(ServerFrame('d', {}) + ServerFrame('v', {smalls({12}), "250"}) + ServerFrame('P', {smalls({4, 4, 3})}) +
            ServerFrame('o', {smalls({20, 21, 3, 2})}) + ServerFrame('o', {smalls({20, 21, 2, 5})}));

    EXPECT_EQ(back().Caption(), QStringLiteral("Quelvar  - [tester]  - [$250]"));
    EXPECT_EQ(connection().UserLevel, 12);
    EXPECT_EQ(linesOf(*chat().txtStatus),
              (std::vector<std::vector<BoxRun>>{line({{"You Enter The Mod Shop!", 255, true}})}));
    ASSERT_TRUE(Forms::isLoaded<frmShop>());
    EXPECT_TRUE(Forms::find<frmShop>()->Visible());
    EXPECT_EQ(world().Pos.X, 4);
    EXPECT_EQ(world().Pos.Y, 4);
    EXPECT_EQ(world().MapPlayers.get(4, 4), 3);
    // A splat lands on the ammunition without clearing the cell.
    EXPECT_EQ(world().MapAmmo.get(20, 21), 2);
    EXPECT_EQ(world().MapSplats.get(20, 21), 5);
    // The store window asks for its list when it loads, and the entry asks again.
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('d', ""), ClientFrame('l', ""), ClientFrame('l', "")}));

    // An object clears the cell (all but its splat) first; the money message writes its own
    // caption; a second position on the store's cell leaves the store.
    receive(ServerFrame('o', {smalls({20, 21, 4, 9})}) + ServerFrame('V', {"12.7"}) +
            ServerFrame('P', {smalls({4, 4, 3})}));
    EXPECT_EQ(world().MapObjects.get(20, 21), 9);
    EXPECT_EQ(world().MapAmmo.get(20, 21), -1);
    EXPECT_EQ(world().MapSplats.get(20, 21), 5);
    EXPECT_EQ(back().Caption(), QStringLiteral("Quelvar - [tester]  - [$12]"));
    EXPECT_EQ(lineTexts(*chat().txtStatus).size(), 1);
    EXPECT_FALSE(connection().InBuilding);
    EXPECT_TRUE(sentFrames().isEmpty());

    // The server's refresh request is answered with a who request.
    receive(ServerFrame('p', {}));
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('w', "")});
}

TEST_F(EndToEndReceivingTest, AMessageSplitOverTwoWritesIsHandledOnce)
{
    const QByteArray first = chatLine("Ann", "waves", "1");
    const QByteArray second = chatLine("Bob", "nods", "1");
    receive(first.left(6));
    EXPECT_TRUE(lineTexts(*chat().txtStatus).isEmpty());
    EXPECT_EQ(connection().RecvBuffer, first.left(6));

    receive(first.mid(6) + second.left(3));
    EXPECT_EQ(lineTexts(*chat().txtStatus), QStringList{QStringLiteral("Ann waves")});
    EXPECT_EQ(connection().RecvBuffer, second.left(3));

    receive(second.mid(3));
    EXPECT_EQ(lineTexts(*chat().txtStatus), (QStringList{QStringLiteral("Ann waves"), QStringLiteral("Bob nods")}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());

    // A global line on view lets events run in the middle of the batch; what
    // arrives then waits behind the batch's unfinished tail.
    chat().SSTab1->setCurrentIndex(1);
    chat().txtStatus->clear();
    const QByteArray third = chatLine("Cid", "jumps", "1");
    const QByteArray head = chatLine("Ann", "hello all", "0") + third.left(8);
    fake->sendGame(head);
    ASSERT_TRUE(waitUntil([&] { return connection().RecvBuffer.size() == head.size(); }));
    fake->sendGame(third.mid(8) + chatLine("Dan", "sits", "1"));
    frameTick();
    receive(QByteArray());
    EXPECT_EQ(lineTexts(*chat().txtStatus), (QStringList{QStringLiteral("Cid jumps"), QStringLiteral("Dan sits")}));
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(EndToEndReceivingTest, OneBadMessageCostsOnlyItself)
{
    // A money text that is no number, a map cell without its bytes and a
    // chat kind that is no number, among good lines.
    receive(chatLine("Ann", "one", "1") + ServerFrame('V', {"lots"}) + chatLine("Ann", "two", "1") +
            ServerFrame('o', {smalls({20})}) + chatLine("Ann", "x", "abc") + ServerFrame('v', {smalls({12}), "40"}) +
            chatLine("Ann", "three", "1"));

    EXPECT_EQ(lineTexts(*chat().txtStatus),
              (QStringList{QStringLiteral("Ann one"), QStringLiteral("Ann two"), QStringLiteral("Ann three")}));
    EXPECT_EQ(back().Caption(), QStringLiteral("Quelvar  - [tester]  - [$40]"));
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Error occured in ProcessData()\r\nErrNum# 13, Type mismatch"));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Quelvar"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbOKOnly | platform::vbExclamation);
    EXPECT_EQ(Forms::get<frmDebug>().txtLog->Text().count(QStringLiteral(" in frmMain,ProcessData")), 3);
    // The error log's first use asked the server for debug output.
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('e', "1")});

    // The next batch reports its own error again.
    receive(ServerFrame('V', {"none"}));
    EXPECT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_TRUE(connection().RecvBuffer.isEmpty());
}

TEST_F(EndToEndReceivingTest, ARepeatedLightningSettingLeavesTheCountdownRunning)
{
    QTimer& lightning = *game().LightningTimer;
    ASSERT_FALSE(lightning.isActive());
    // A coarse timer may move its timeout by a twentieth of the interval.
    lightning.setTimerType(Qt::PreciseTimer);
    receive(ServerFrame('W', {"2", "1"}));
    ASSERT_TRUE(lightning.isActive());
    QTest::qWait(300);
    receive(ServerFrame('W', {"2", "1"}));
    EXPECT_TRUE(lightning.isActive());
    EXPECT_LT(lightning.remainingTime(), 10000 - 250);
}
