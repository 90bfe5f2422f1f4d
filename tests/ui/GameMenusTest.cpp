#include "UiTest.h"

#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmRanks.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmTourn.h"
#include "community/frmWho.h"
#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "ui/frmAbout.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"
#include "ui/frmCmd.h"
#include "ui/frmIgnore.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmSound.h"
#include "world/WorldState.h"
#include "world/frmMaps.h"
#include "world/frmOverview.h"

#include <QApplication>
#include <QMenuBar>
#include <QTcpServer>
#include <QTest>
#include <functional>

class GameMenusTest : public UiTest {
protected:
    void TearDown() override
    {
        server_.close();
        UiTest::TearDown();
    }
    // Connects the game socket to a listener of the test.
    void connectGameSocket()
    {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost));
        game().Wsk->connectToHost(QHostAddress::LocalHost, server_.serverPort());
        ASSERT_TRUE(game().Wsk->waitForConnected(3000));
        // The socket's own connect handling writes its line and sends the
        // login; the tests look only at what comes after it.
        QCoreApplication::processEvents();
        chat().txtStatus->clear();
        sent.clear();
    }
    // The state the socket's connect handling leaves behind.
    void loggedIn()
    {
        back().cmdConnect->setText(QStringLiteral("Disconnect"));
        game().mnuFileConnect->setText(QStringLiteral("Disconnect"));
        back().StatBar->setPanel(1, QStringLiteral("Logged In"));
        Forms::get<frmConnect>().Hide();
    }
    void expectDisconnectedLine()
    {
        EXPECT_EQ(boxText(*chat().txtStatus), QStringLiteral("Disconnected"));
        TextRun line = runWith(*chat().txtStatus, QStringLiteral("Disconnected"));
        EXPECT_EQ(line.colour, 255u);
        EXPECT_TRUE(line.bold);
    }
    QTcpServer server_;
};

TEST_F(GameMenusTest, ConnectButtonOpensTheLoginDialogWhileDisconnected)
{
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    ASSERT_TRUE(Forms::isLoaded<frmConnect>());
    EXPECT_TRUE(Forms::get<frmConnect>().Visible());
    Forms::get<frmConnect>().Hide();
    game().mnuFileConnect->trigger();
    EXPECT_TRUE(Forms::get<frmConnect>().Visible());
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(chat().txtStatus->Text().isEmpty());
}

TEST_F(GameMenusTest, MainWindowConnectButtonRunsTheDisconnectSteps)
{
    connectGameSocket();
    loggedIn();
    Forms::get<frmConnect>().Show();
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"d", ""}}));
    EXPECT_EQ(back().mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back().cmdConnect->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(Forms::get<frmConnect>().Visible());
    EXPECT_EQ(back().StatBar->Panel(1), QStringLiteral("Not Logged In"));
    expectDisconnectedLine();
    EXPECT_EQ(game().Wsk->state(), QAbstractSocket::UnconnectedState);
    // This variant leaves the game window's own item alone.
    EXPECT_EQ(game().mnuFileConnect->text(), QStringLiteral("Disconnect"));
}

TEST_F(GameMenusTest, GameWindowConnectTestsItsOwnCaption)
{
    connectGameSocket();
    loggedIn();
    QTest::mouseClick(game().cmdConnect, Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"d", ""}}));
    EXPECT_EQ(game().mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back().cmdConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back().mnuFileConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(game().cmdConnect->text(), QStringLiteral("Connect"));
    EXPECT_EQ(back().StatBar->Panel(1), QStringLiteral("Not Logged In"));
    expectDisconnectedLine();
    EXPECT_EQ(game().Wsk->state(), QAbstractSocket::UnconnectedState);
}

TEST_F(GameMenusTest, ExitRefusesWhileConnectedAndEndsAfterADisconnect)
{
    connectGameSocket();
    game().mnuFileExit->trigger();
    // The main window's own File > Exit runs the same procedure.
    back().mnuFileExit->trigger();
    EXPECT_EQ(messageTexts(), (QStringList{"Disconnect Before Exiting Quelvar!", "Disconnect Before Exiting Quelvar!"}));
    EXPECT_EQ(services().messageBoxes[0].style, 0);
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(ProgramHasEnded());
    EXPECT_EQ(game().Wsk->state(), QAbstractSocket::ConnectedState);

    loggedIn();
    QTest::mouseClick(back().cmdConnect, Qt::LeftButton);
    sent.clear();
    // Called directly: the program's end thrown through the menu's own
    // signal code would leave a guard of it behind.
    EXPECT_THROW(game().mnuFileExit_Click(), ProgramEnd);
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"d", ""}}));
    EXPECT_EQ(messageTexts().size(), 2);
}

TEST_F(GameMenusTest, AutoChatAndAutoAdminExcludeEachOther)
{
    OptionMenus& m = optionMenus();
    game().mnuOptionsChat->trigger();
    EXPECT_TRUE(m.mnuOptionsChat.Checked());
    game().mnuOptionsAdmin->trigger();
    EXPECT_TRUE(m.mnuOptionsAdmin.Checked());
    EXPECT_FALSE(m.mnuOptionsChat.Checked());
    EXPECT_FALSE(game().mnuOptionsChat->isChecked());
    EXPECT_TRUE(game().mnuOptionsAdmin->isChecked());
    game().mnuOptionsChat->trigger();
    EXPECT_TRUE(m.mnuOptionsChat.Checked());
    EXPECT_FALSE(m.mnuOptionsAdmin.Checked());
    game().mnuOptionsChat->trigger();
    EXPECT_FALSE(m.mnuOptionsChat.Checked());
    EXPECT_FALSE(m.mnuOptionsAdmin.Checked());
}

TEST_F(GameMenusTest, TogglesZoomAndNameTags)
{
    world().TileSize = 32;
    game().mnuOptionsZoom->trigger();
    EXPECT_FALSE(optionMenus().mnuOptionsZoom.Checked());
    EXPECT_FALSE(game().mnuOptionsZoom->isChecked());
    EXPECT_EQ(world().TileSize, 16);
    game().mnuOptionsZoom->trigger();
    EXPECT_TRUE(optionMenus().mnuOptionsZoom.Checked());
    EXPECT_EQ(world().TileSize, 32);

    world().ShowTags = true;
    game().mnuOptionsTags->trigger();
    EXPECT_FALSE(world().ShowTags);
    EXPECT_FALSE(optionMenus().mnuOptionsTags.Checked());
    game().mnuOptionsTags->trigger();
    EXPECT_TRUE(world().ShowTags);
    EXPECT_TRUE(optionMenus().mnuOptionsTags.Checked());

    const std::pair<QAction*, CheckItem*> toggles[] = {
        {game().mnuKeyMove, &optionMenus().mnuKeyMove},
        {game().mnuOptionsScroll, &optionMenus().mnuOptionsScroll},
        {game().mnuOptionLoginIgnore, &optionMenus().mnuOptionLoginIgnore},
        {game().mnuOptionSplatIgnore, &optionMenus().mnuOptionSplatIgnore},
        {game().mnuLogAll, &optionMenus().mnuLogAll},
        {game().mnuLogChatter, &optionMenus().mnuLogChatter},
    };
    for (const auto& [action, item] : toggles) {
        action->trigger();
        EXPECT_TRUE(item->Checked()) << action->text().toStdString();
        action->trigger();
        EXPECT_FALSE(item->Checked()) << action->text().toStdString();
    }
    EXPECT_TRUE(sent.empty());
}

TEST_F(GameMenusTest, WhoIsOnAsksEveryTimeAndReadyItemsSendTheirState)
{
    game().mnuViewWho->trigger();
    ASSERT_TRUE(Forms::isLoaded<frmWho>());
    EXPECT_TRUE(Forms::get<frmWho>().Visible());
    EXPECT_EQ(Forms::get<frmWho>().StatusBar1->SimpleText(), QStringLiteral("Updating Please wait..."));
    game().mnuViewWho->trigger();
    game().mnuOptionsReadyNot->trigger();
    game().mnuOptionsReadyYes->trigger();
    game().mnuOptionsReadyAuto->trigger();
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"w", ""}, {"w", ""}, {"R", "0"}, {"R", "1"}, {"R", "2"}}));
}

TEST_F(GameMenusTest, ViewItemsShowTheirWindows)
{
    const std::pair<QAction*, std::function<FormBase*()>> items[] = {
        {game().mnuViewBuy, [] { return Forms::find<frmShop>(); }},
        {game().mnuIgnoreList, [] { return Forms::find<frmIgnore>(); }},
        {game().mnuRanks, [] { return Forms::find<frmRanks>(); }},
        {game().mnuSatellite, [] { return Forms::find<frmOverview>(); }},
        {game().mnuViewAlias, [] { return Forms::find<frmAlias>(); }},
        {game().mnuTourn, [] { return Forms::find<frmTourn>(); }},
        {game().mnuViewTeam, [] { return Forms::find<frmTeams>(); }},
        {game().mnuGameInfo, [] { return Forms::find<frmGame>(); }},
        {game().mnuViewTop, [] { return Forms::find<frmTop10>(); }},
        {game().mnuCmdLst, [] { return Forms::find<frmCmd>(); }},
        {game().mnuOptionsSound, [] { return Forms::find<frmSound>(); }},
        {game().mnuOptionsGeneral, [] { return Forms::find<frmOptions>(); }},
        {game().mnuerrorlog, [] { return Forms::find<frmDebug>(); }},
        {game().mnuLoadMap, [] { return Forms::find<frmMaps>(); }},
        {game().mnuHelpNews, [] { return Forms::find<frmNews>(); }},
        {game().mnuHelpAbout, [] { return Forms::find<frmAbout>(); }},
    };
    for (const auto& [action, form] : items) {
        action->trigger();
        ASSERT_NE(form(), nullptr) << action->text().toStdString();
        EXPECT_TRUE(form()->Visible()) << action->text().toStdString();
    }
    Forms::get<frmCmd>().Hide();
    game().mnuCommandList->trigger();
    EXPECT_TRUE(Forms::get<frmCmd>().Visible());
}

TEST_F(GameMenusTest, WebPagesAndTheHelpFile)
{
    platform::Endpoints e = platform::endpoints();
    e.forumBase = QStringLiteral("http://forum.test/");
    e.homePage = QStringLiteral("http://home.test/");
    platform::setEndpointsForTests(e);
    game().mnuGeneral->trigger();
    game().mnuSales->trigger();
    game().mnuSupport->trigger();
    game().mnuhomepage->trigger();
    EXPECT_EQ(services().urls, (QStringList{"http://forum.test/viewforum.php?f=1", "http://forum.test/viewforum.php?f=2",
                                            "http://forum.test/viewforum.php?f=3", "http://home.test/"}));
    platform::reloadEndpoints();

    game().mnuHelpContents->trigger();
    EXPECT_EQ(messageTexts(), QStringList{"The help file QUELVAR.hlp was not found."});
    EXPECT_TRUE(services().shellFiles.isEmpty());
    writeFile(QStringLiteral("QUELVAR.hlp"), "help");
    game().mnuBasic->trigger();
    game().mnuHelpContents->trigger();
    EXPECT_EQ(services().shellFiles, QStringList(2, programFolder() + QStringLiteral("/QUELVAR.hlp")));
    EXPECT_EQ(messageTexts().size(), 1);
}

TEST_F(GameMenusTest, ButtonsSendTheirCommands)
{
    settings().Buttons[0].Command = QStringLiteral("SAY %1");
    game().resize(toPixels(16000), toPixels(9000));
    QTest::mouseClick(game().cmdReload, Qt::LeftButton);
    QTest::mouseClick(game().Command1, Qt::LeftButton);
    QTest::mouseClick(game().Command2, Qt::LeftButton);
    QTest::mouseClick(game().cmdAlias[0], Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "BUY VILE & DUMP VILE GUN & SELL VILE"},
                                              {"C", "GET FLAG"},
                                              {"C", "GET FLAG"},
                                              {"C", "SAY %1"}}));
    QTest::mouseClick(game().cmdAlias[0], Qt::RightButton);
    EXPECT_EQ(sent.size(), 4u);
    EXPECT_TRUE(Forms::isLoaded<frmBtnEdit>());
}

TEST_F(GameMenusTest, ClearChatWindowAndTheWindowList)
{
    chat().txtStatus->setText(QStringLiteral("old lines"));
    game().mnuClearWindow->trigger();
    EXPECT_TRUE(chat().txtStatus->Text().isEmpty());

    emit game().mnuOptionsReady->aboutToShow();
    emit game().mnuOptionsReady->aboutToShow();
    QStringList titles;
    for (QAction* a : game().mnuOptionsReady->actions())
        if (!a->isSeparator() && !a->menu())
            titles.append(a->text());
    EXPECT_EQ(titles, (QStringList{"&1 [Chat Window]", "&2 [Game Window]"}));
    game().mnuOptionsReady->actions().last()->trigger();
    EXPECT_EQ(back().mdiArea->activeSubWindow(), &game());
}

TEST_F(GameMenusTest, MenuBarFollowsTheActiveChild)
{
    auto captions = [this] {
        QStringList c;
        for (QAction* a : back().menuBar()->actions())
            if (a->isVisible())
                c.append(a->text());
        return c;
    };
    back().mdiArea->setActiveSubWindow(&chat());
    EXPECT_EQ(captions(), QStringList{"File"});
    back().mdiArea->setActiveSubWindow(&game());
    EXPECT_EQ(captions(), (QStringList{"&File", "&View", "&Commands", "&Options", "Forum", "&Help"}));
}

TEST_F(GameMenusTest, ResizeFollowsTheMapOnlyWhileLoggedIn)
{
    const int before = game().picMap->height();
    game().resize(game().width(), game().height() + 40);
    EXPECT_EQ(game().picMap->height(), before);
    back().StatBar->setPanel(1, QStringLiteral("Logged In"));
    game().resize(game().width(), game().height() - 100);
    EXPECT_EQ(game().picMap->height(), game().content->height());
}

class GameWindowLoadTest : public ClientTest {};

TEST_F(GameWindowLoadTest, LoadUnchecksTheLogsAndHidesStaffParts)
{
    optionMenus().mnuLogAll.setChecked(true);
    optionMenus().mnuLogChatter.setChecked(true);
    options().ShowChatInGame = true;
    frmMain& game = Forms::get<frmMain>();
    EXPECT_FALSE(optionMenus().mnuLogAll.Checked());
    EXPECT_FALSE(optionMenus().mnuLogChatter.Checked());
    EXPECT_FALSE(game.mnuLogAll->isChecked());
    EXPECT_FALSE(game.mnuAdmin->menuAction()->isVisible());
    EXPECT_FALSE(options().ShowChatInGame);
    frmChat& chat = Forms::get<frmChat>();
    EXPECT_FALSE(chat.SSTab1->isTabVisible(3));
    EXPECT_FALSE(chat.SSTab1->isTabVisible(4));
    EXPECT_TRUE(chat.SSTab1->isTabVisible(2));
    EXPECT_EQ(game.Width(), 14025);
}

TEST_F(GameWindowLoadTest, MenuBarCaptionsShortcutsAndInitialStates)
{
    // Each menu's items in order: caption, shortcut, then the states that
    // differ from visible, enabled and unchecked ("-" a separator, ">" a
    // submenu). Submenus list their items after the menu that holds them.
    frmMain& game = Forms::get<frmMain>();
    auto describe = [](const QMenu* menu) {
        QStringList items;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator()) {
                items << QStringLiteral("-");
                continue;
            }
            QString d = (a->menu() ? QStringLiteral(">") : QString()) + a->text();
            if (!a->shortcut().isEmpty())
                d += QLatin1Char('|') + a->shortcut().toString();
            if (a->isChecked())
                d += QStringLiteral("|checked");
            // (A hidden action reports itself disabled as well.)
            if (!a->isEnabled() && a->isVisible())
                d += QStringLiteral("|disabled");
            if (!a->isVisible())
                d += QStringLiteral("|hidden");
            items << d;
        }
        return (menu->menuAction()->isVisible() ? QString() : QStringLiteral("(hidden) ")) + menu->title() +
               QStringLiteral(": ") + items.join(QStringLiteral(", "));
    };
    QStringList bar;
    for (const QMenu* m : game.menuBarMenus())
        bar << describe(m);
    bar << describe(game.mnuOptionsReady) << describe(game.mnuReadyStatus) << describe(game.mnuOptionSkins);
    const QStringList expected = {
        "&File: Connect, -, Update|disabled, -, E&xit",
        "&View: &Shop|Ctrl+B, &Who's On|Ctrl+W, &Ignored List, Ranks|Ctrl+I, Overview, &Buttons|Ctrl+A, T&ournament, "
        "&Teams|Ctrl+T, Game Info|F1, Top &10|F2",
        "&Commands: &Screen Center|Ctrl+S, &Command List, &Clear Chat Window",
        "&Options: >&Status, Zoom In|Ctrl+Z|checked, >Skins, Keypad Movement, Name Tags|checked, "
        "Language Filter|disabled, Auto-Chat, Scroll Lock, -, &Sound Options|hidden, &General Options, -, "
        "Ignore Logins, Ignore Who Splats",
        "Forum: General, Sales, Support",
        "(hidden) &Administration: Auto-Admin, -, Error Log..., Change Map..., -, Log All, LogChatter",
        "&Help: Help Contents, &News|F3, Quick Start Tutorial, Command List, &Website, &About|F12",
        "(hidden) Misc: Ignore User, Tell User, Enlist",
        "&Status: >Ready Status",
        "Ready Status: Not Ready, Ready, Auto-Ready",
        "Skins: Apply Skin, Save Skin, Remove Skin",
    };
    EXPECT_EQ(bar, expected);
}
