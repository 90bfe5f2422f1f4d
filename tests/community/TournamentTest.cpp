#include "CommunityTest.h"

#include "community/frmTourn.h"
#include "connection/ConnectionState.h"

#include <QTabBar>
#include <QTest>

namespace {
QByteArray command(const char* text) { return ClientFrame('C', text); }
} // namespace

TEST_F(CommunityTest, TheTournamentAsksForTheShownTabOnLoadActivationAndTabSwitch)
{
    connection().UserLevel = 84;
    frmTourn& t = Forms::get<frmTourn>();
    t.Show();
    t.activateWindow();
    expectFrames({ClientFrame('T', "0"), ClientFrame('T', "0")});
    EXPECT_FALSE(t.tabMain->isTabVisible(3));

    QTabBar* tabs = t.tabMain->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    expectFrames({ClientFrame('T', "2")});

    // Closing only hides it: the level it loaded with still decides.
    connection().UserLevel = 85;
    t.close();
    EXPECT_TRUE(Forms::isLoaded<frmTourn>());
    EXPECT_FALSE(t.Visible());
    EXPECT_FALSE(t.tabMain->isTabVisible(3));
}

TEST_F(CommunityTest, TournamentCommandsAreSentAsTyped)
{
    connection().UserLevel = 85;
    frmTourn& t = Forms::get<frmTourn>();
    EXPECT_TRUE(t.tabMain->isTabVisible(3));
    expectFrames({ClientFrame('T', "0")});

    QTest::mouseClick(t.cmdJoinQuit, Qt::LeftButton);
    EXPECT_EQ(t.cmdJoinQuit->text(), QStringLiteral("Quit"));
    QTest::mouseClick(t.cmdJoinQuit, Qt::LeftButton);
    EXPECT_EQ(t.cmdJoinQuit->text(), QStringLiteral("Join"));
    QTest::keyClicks(t.txtTeam, QStringLiteral(" Reds"));
    QTest::keyClicks(t.txtPassword, QStringLiteral("pw "));
    t.cmdJoinQuit_Click();

    t.txtTeam1->setText(QStringLiteral("Reds"));
    t.txtTeam2->setText(QStringLiteral("Blues"));
    t.cmdStart_Click();
    t.txtSetTeam1->setText(QStringLiteral("Reds"));
    t.cmdSet_Click();
    t.cmdLock_Click();
    expectFrames({command("tourn join  "), command("tourn quit"), command("tourn join  Reds pw "),
                  command("tourn game R B"), command("tourn setgame Reds "), command("tourn lock")});

    // A node names the team of the chosen side; an empty node changes nothing.
    auto* blank = new QTreeWidgetItem(t.tvAdmin, QStringList{QString()});
    auto* greens = new QTreeWidgetItem(t.tvAdmin, QStringList{QStringLiteral("Greens")});
    t.optTeams1->setChecked(true);
    t.tvAdmin->setCurrentItem(blank);
    t.tvAdmin_NodeClick();
    EXPECT_EQ(t.txtTeam1->text(), QStringLiteral("Reds"));
    t.tvAdmin->setCurrentItem(greens);
    t.tvAdmin_NodeClick();
    EXPECT_EQ(t.txtTeam1->text(), QStringLiteral("Greens"));
    EXPECT_EQ(t.txtTeam2->text(), QStringLiteral("Blues"));
}
