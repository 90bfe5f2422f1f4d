#include "UiTest.h"

#include "connection/ConnectionState.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "ui/ChatRouting.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmPM.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QRegularExpression>

namespace {
QStringList chatLine(const QString& name, const QString& text, int kind)
{
    return {name, text, QString::number(kind)};
}
} // namespace

class ChatRoutingTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Settings& s = settings();
        s.TellColour = {RGB(200, 100, 0), RGB(250, 160, 60), QStringLiteral("Orange")};
        s.AnnounceColour = {RGB(150, 0, 0), RGB(255, 60, 60), QStringLiteral("Red")};
        s.PlanColour = {RGB(0, 100, 0), RGB(60, 200, 60), QStringLiteral("Green")};
        s.BoldNames = true;
        s.FontType = QStringLiteral("Arial");
        s.FontType2 = QStringLiteral("Verdana");
    }
    QString log(const char* name) const { return QString::fromLatin1(readFile(QString::fromLatin1(name))); }
};

TEST_F(ChatRoutingTest, GlobalChatReachesGlobalAndHelpAndTheGameBoxOnlyByOption)
{
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("hello all"), 0));
    const QRegularExpression line(QStringLiteral("^\\[[^\\]]+\\] Bob chats: hello all\\n$"));
    EXPECT_TRUE(line.match(chat().txtGlobal->Text()).hasMatch()) << boxText(*chat().txtGlobal).toStdString();
    EXPECT_TRUE(line.match(chat().txtHelp->Text()).hasMatch());
    EXPECT_TRUE(boxText(*chat().txtStatus).isEmpty());
    TextRun sender = runWith(*chat().txtGlobal, QStringLiteral("Bob chats: "));
    EXPECT_TRUE(sender.bold);
    EXPECT_EQ(sender.family, QStringLiteral("Verdana"));
    EXPECT_EQ(sender.colour, 0u);
    TextRun text = runWith(*chat().txtGlobal, QStringLiteral("hello all"));
    EXPECT_FALSE(text.bold);
    EXPECT_EQ(text.family, QStringLiteral("Arial"));
    EXPECT_FALSE(text.text.contains(QStringLiteral("chats")));

    options().ShowChatInGame = true;
    settings().BoldNames = false;
    RouteChatLine(chatLine(QStringLiteral("Ann"), QStringLiteral("second"), 0));
    EXPECT_TRUE(boxText(*chat().txtStatus).contains(QStringLiteral("] Ann chats: second")));
    EXPECT_FALSE(runWith(*chat().txtStatus, QStringLiteral("Ann chats: ")).bold);
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("Ann chats: ")).family, QStringLiteral("Arial"));
    EXPECT_FALSE(runWith(*chat().txtHelp, QStringLiteral("Ann chats: ")).bold);
}

TEST_F(ChatRoutingTest, TabMarksFollowTheSelectedTab)
{
    // Game Chat selected: global chat marks Global Chat only, team chat marks Team Chat.
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("hi"), 0));
    EXPECT_TRUE(chat().TabMarked(1));
    EXPECT_FALSE(chat().TabMarked(0));
    EXPECT_FALSE(chat().TabMarked(2));
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("plan"), 7));
    EXPECT_TRUE(chat().TabMarked(4));
    EXPECT_EQ(boxText(*chat().txtTeam), QStringLiteral("Bob: plan"));

    // Global Chat selected: its own lines leave no mark.
    chat().SSTab1->setCurrentIndex(1);
    EXPECT_FALSE(chat().TabMarked(1));
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("again"), 0));
    EXPECT_FALSE(chat().TabMarked(1));

    // Help Chat shows the same line but the mark goes to Global Chat.
    chat().SSTab1->setCurrentIndex(2);
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("third"), 0));
    EXPECT_TRUE(chat().TabMarked(1));
    EXPECT_FALSE(chat().TabMarked(2));
}

TEST_F(ChatRoutingTest, StaffChatShowsTheSenderAndMarksOnlyForAdmins)
{
    RouteChatLine(chatLine(QStringLiteral("Mod"), QStringLiteral("quiet please"), 10));
    EXPECT_EQ(boxText(*chat().txtTrainer), QStringLiteral("quiet please"));
    EXPECT_EQ(runWith(*chat().txtTrainer, QStringLiteral("quiet")).colour, RGB(0, 160, 200));
    EXPECT_FALSE(chat().TabMarked(3));

    connection().bIsAdmin = true;
    settings().BoldNames = false;
    chat().txtTrainer->clear();
    RouteChatLine(chatLine(QStringLiteral("Mod"), QStringLiteral("now"), 10));
    EXPECT_EQ(boxText(*chat().txtTrainer), QStringLiteral("Mod :now"));
    TextRun sender = runWith(*chat().txtTrainer, QStringLiteral("Mod :"));
    EXPECT_EQ(sender.colour, RGB(0, 80, 100));
    EXPECT_FALSE(sender.bold);
    EXPECT_EQ(sender.family, QStringLiteral("Arial"));
    EXPECT_TRUE(chat().TabMarked(3));

    settings().BoldNames = true;
    chat().txtTrainer->clear();
    RouteChatLine(chatLine(QStringLiteral("Mod"), QStringLiteral("bold"), 10));
    EXPECT_EQ(boxText(*chat().txtTrainer), QStringLiteral("Mod: bold"));
    EXPECT_TRUE(runWith(*chat().txtTrainer, QStringLiteral("Mod: ")).bold);
    EXPECT_EQ(runWith(*chat().txtTrainer, QStringLiteral("Mod: ")).family, QStringLiteral("Verdana"));
    EXPECT_EQ(runWith(*chat().txtTrainer, QStringLiteral("bold")).family, QStringLiteral("Arial"));
}

TEST_F(ChatRoutingTest, GameBoxKindsUseTheirTextsAndColours)
{
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("waves"), 1));
    RouteChatLine(chatLine(QStringLiteral("Ref"), QStringLiteral("Round over"), 6));
    RouteChatLine(chatLine(QStringLiteral("Cap"), QStringLiteral("go left"), 8));
    EXPECT_EQ(boxText(*chat().txtStatus),
              QStringLiteral("Bob waves\nRef announces:Round over\nCap game plans:go left"));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("Bob waves")).colour, RGB(75, 75, 10));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("announces:")).colour, RGB(150, 0, 0));
    EXPECT_TRUE(runWith(*chat().txtStatus, QStringLiteral("announces:")).bold);
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("announces:")).family, QStringLiteral("Verdana"));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("Bob waves")).family, QStringLiteral("Arial"));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("Round over")).colour, RGB(255, 60, 60));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("game plans:")).colour, RGB(20, 70, 70));
    EXPECT_EQ(runWith(*chat().txtStatus, QStringLiteral("go left")).colour, RGB(40, 140, 140));
    EXPECT_EQ(runWith(*chat().txtTeam, QString()).text, QString());
    EXPECT_TRUE(sent.empty());
}

TEST_F(ChatRoutingTest, SystemLinesSetTheMapTextAndAskWhoIsOn)
{
    RouteChatLine(chatLine(QString(), QStringLiteral("Bob entered."), 4));
    RouteChatLine(chatLine(QString(), QStringLiteral("Bob left."), 5));
    EXPECT_EQ(boxText(*chat().txtStatus), QStringLiteral("Bob entered.\nBob left."));
    EXPECT_EQ(world().LastStatusText, QStringLiteral("Bob left."));
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"w", ""}, {"w", ""}}));
}

TEST_F(ChatRoutingTest, StatusTextGoesToThePanelOnlyAndShortMessagesShowTheirOwnText)
{
    RouteChatLine(chatLine(QStringLiteral("srv"), QStringLiteral("Round 3"), 9));
    EXPECT_EQ(back().StatBar->Panel(2), QStringLiteral("Round 3"));
    for (RichTextBox* box : chat().boxes())
        EXPECT_TRUE(box->Text().isEmpty());

    RouteChatLine({QStringLiteral("srv"), QStringLiteral("two fields")});
    EXPECT_EQ(back().StatBar->Panel(2), QStringLiteral("two fields"));
    RouteChatLine({QStringLiteral("srv")});
    EXPECT_EQ(back().StatBar->Panel(2), QString());
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(ChatRoutingTest, UnknownKindsAreReportedAndTextKindsRaise)
{
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("hi"), 11));
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("yo"), -1));
    ASSERT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Communication data incorrect:Bob,hi,11"));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Quelvar"));
    EXPECT_EQ(services().messageBoxes[0].style, 0);
    EXPECT_EQ(services().messageBoxes[1].text, QStringLiteral("Communication data incorrect:Bob,yo,-1"));

    try {
        RouteChatLine({QStringLiteral("Bob"), QStringLiteral("hi"), QStringLiteral("abc")});
        FAIL() << "a kind that is no number must raise";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errTypeMismatch);
    }
    for (RichTextBox* box : chat().boxes())
        EXPECT_TRUE(box->Text().isEmpty());
}

TEST_F(ChatRoutingTest, LogsWriteTheirOwnTextsOnlyWhileChecked)
{
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("unlogged"), 0));
    EXPECT_TRUE(log("AllLogs.log").isEmpty());
    EXPECT_TRUE(log("ChatterLog.log").isEmpty());

    optionMenus().mnuLogChatter.setChecked(true);
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("hi"), 0));
    EXPECT_TRUE(log("ChatterLog.log").endsWith(QStringLiteral(":\tBob chats:hi\r\n")));
    EXPECT_TRUE(log("AllLogs.log").isEmpty());

    optionMenus().mnuLogChatter.setChecked(false);
    optionMenus().mnuLogAll.setChecked(true);
    connection().bIsAdmin = false;
    RouteChatLine(chatLine(QStringLiteral("Bob"), QStringLiteral("a"), 0));
    RouteChatLine(chatLine(QStringLiteral("Ref"), QStringLiteral("b"), 6));
    RouteChatLine(chatLine(QStringLiteral("Tim"), QStringLiteral("c"), 7));
    RouteChatLine(chatLine(QStringLiteral("Cap"), QStringLiteral("d"), 8));
    RouteChatLine(chatLine(QStringLiteral("Mod"), QStringLiteral("e"), 10));
    RouteChatLine(chatLine(QStringLiteral("Joe"), QStringLiteral("not logged"), 1));
    RouteChatLine(chatLine(QStringLiteral("srv"), QStringLiteral("not logged"), 4));
    const QStringList lines = log("AllLogs.log").split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(":\tBob chats:a")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(":\tRef announces:b")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(":\tTim team plans:c")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(":\tCap game plans:d")));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral(":\tMod Admin chats:e")));
    EXPECT_EQ(log("ChatterLog.log").count(QStringLiteral("\r\n")), 1);
}

TEST_F(ChatRoutingTest, PrivateMessagesFindTheirPartnersWindow)
{
    RouteChatLine(chatLine(QStringLiteral("Ann"), QStringLiteral("hi"), 2));
    RouteChatLine(chatLine(QStringLiteral("Ben"), QStringLiteral("yo"), 2));
    RouteChatLine(chatLine(QStringLiteral("Ann"), QStringLiteral("there?"), 2));
    frmPM& ann = *PMForms()[1];
    frmPM& ben = *PMForms()[2];
    EXPECT_EQ(ann.Caption(), QStringLiteral("Ann"));
    EXPECT_EQ(ann.PMIndex->text(), QStringLiteral("1"));
    EXPECT_EQ(boxText(*ann.MessageTxt), QStringLiteral("Ann: hi\nAnn: there?"));
    EXPECT_TRUE(ann.Visible());
    EXPECT_EQ(ben.Caption(), QStringLiteral("Ben"));
    EXPECT_EQ(boxText(*ben.MessageTxt), QStringLiteral("Ben: yo"));
    TextRun name = runWith(*ann.MessageTxt, QStringLiteral("Ann: "));
    EXPECT_EQ(name.colour, RGB(200, 100, 0));
    EXPECT_TRUE(name.bold);
    EXPECT_EQ(name.family, QStringLiteral("Verdana"));
    EXPECT_EQ(runWith(*ann.MessageTxt, QStringLiteral("there?")).family, QStringLiteral("Arial"));
    EXPECT_EQ(runWith(*ann.MessageTxt, QStringLiteral("there?")).colour, RGB(250, 160, 60));
    EXPECT_FALSE(PMForms()[0]);
    EXPECT_FALSE(PMForms()[3]);
}

TEST_F(ChatRoutingTest, TheEleventhPartnerTakesTheWindowQuietLongest)
{
    for (int i = 1; i <= 10; ++i)
        RouteChatLine(chatLine(QStringLiteral("P%1").arg(i), QStringLiteral("hello"), 2));
    // P1 speaks again, so P2's conversation is now the quietest.
    RouteChatLine(chatLine(QStringLiteral("P1"), QStringLiteral("still here"), 2));
    RouteChatLine(chatLine(QStringLiteral("P11"), QStringLiteral("new"), 2));
    EXPECT_EQ(PMForms()[1]->Caption(), QStringLiteral("P1"));
    EXPECT_EQ(PMForms()[2]->Caption(), QStringLiteral("P11"));
    EXPECT_EQ(boxText(*PMForms()[2]->MessageTxt), QStringLiteral("P11: new"));
    for (int i = 3; i <= 10; ++i)
        EXPECT_EQ(PMForms()[i]->Caption(), QStringLiteral("P%1").arg(i));
}

TEST_F(ChatRoutingTest, TheEchoRenamesWindowOneAndClosingForgetsThePartner)
{
    RouteChatLine(chatLine(QStringLiteral("Ann"), QStringLiteral("hi"), 2));
    RouteChatLine(chatLine(QStringLiteral("Ben"), QStringLiteral("thanks"), 3));
    frmPM& first = *PMForms()[1];
    EXPECT_EQ(first.Caption(), QStringLiteral("Ben"));
    EXPECT_EQ(boxText(*first.MessageTxt), QStringLiteral("Ann: hi\nYou say: thanks"));
    EXPECT_EQ(runWith(*first.MessageTxt, QStringLiteral("You say: ")).colour, RGB(200, 100, 0));

    first.close();
    EXPECT_EQ(first.Caption(), QString());
    EXPECT_TRUE(boxText(*first.MessageTxt).isEmpty());
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(PMForms()[1].data(), &first);

    RouteChatLine(chatLine(QStringLiteral("Ben"), QStringLiteral("back"), 2));
    EXPECT_EQ(first.Caption(), QStringLiteral("Ben"));
    EXPECT_EQ(boxText(*first.MessageTxt), QStringLiteral("Ben: back"));
    EXPECT_TRUE(first.Visible());
}
