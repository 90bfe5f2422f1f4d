// The team console against the fake server: what its load and buttons send,
// how a statistics reply fills it, and the member menu.

#include "community/TeamStats.h"
#include "community/frmTeams.h"
#include "connection/ConnectionState.h"
#include "foundation/Controls.h"
#include "platform/Services.h"
#include "tests/connection/ServerFrames.h"
#include "tests/integration/EndToEnd.h"

#include <QHeaderView>
#include <QTest>

namespace {

class TeamConsoleTest : public EndToEndTest {
protected:
    frmTeams& teams() { return Forms::get<frmTeams>(); }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < teams().ListTeam->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = teams().ListTeam->topLevelItem(i);
            out << row->text(0) + QLatin1Char('|') + row->text(1);
        }
        return out;
    }
    bool editing() { return teams().txtTeamNews->isEnabled() && teams().txtTeamWebsite->isEnabled(); }
    void statsReply(const QByteArray& payload) { receive(ServerFrame('t', {smalls({1}), payload})); }
    QByteArray t(const QByteArray& text) { return ClientFrame('t', text); }
};

TEST_F(TeamConsoleTest, AReplyFillsTheWindowAndSearchSendsChangesFirst)
{
    login(QStringLiteral("tester"));
    connection().TeamName = QStringLiteral("Reds");
    teams().Show();
    EXPECT_EQ(teams().Caption(), QStringLiteral("Teams"));
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{t("0"), t("1Reds")}));
    EXPECT_FALSE(editing());

    // The player is listed in other letter case; ranks 0 and 7 with a base count of 0.
    statsReply("Reds\r120\rhttp://reds.example\rGo reds\r3\r0\rann\b0\tTESTER\b7");
    EXPECT_EQ(teams().txtTeamName->text(), QStringLiteral("Reds"));
    EXPECT_EQ(teams().txtSplats->text(), QStringLiteral("120"));
    EXPECT_EQ(teams().txtTeamWebsite->text(), QStringLiteral("http://reds.example"));
    EXPECT_EQ(teams().txtOnline->text(), QStringLiteral("3"));
    EXPECT_EQ(teams().txtPlayers->text(), QStringLiteral("2"));
    EXPECT_EQ(rows(), QStringList({"ann|General(0)", "TESTER|Private(7)"}));
    EXPECT_TRUE(editing());
    EXPECT_TRUE(teams().mnuTeam->isEnabled());
    EXPECT_EQ(teams().StatusBar1->SimpleText(), QStringLiteral("Updated."));

    // "X" only changes the status text.
    statsReply("X");
    EXPECT_EQ(teams().StatusBar1->SimpleText(), QStringLiteral("Team you are trying to stat does not exist!"));
    EXPECT_EQ(teams().txtTeamNews->text(), QStringLiteral("Go reds"));
    EXPECT_EQ(rows().size(), 2);

    // Changed website and news go first, trimmed, the website before the news;
    // Enter in the name box searches and disables the editors.
    teams().txtTeamWebsite->clear();
    QTest::keyClicks(teams().txtTeamWebsite, QStringLiteral(" http://reds.example/new "));
    teams().txtTeamNews->clear();
    QTest::keyClicks(teams().txtTeamNews, QStringLiteral("  Win today "));
    QTest::keyClick(teams().txtTeamName, Qt::Key_Return);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{t("9http://reds.example/new"), t("8Win today"), t("1Reds")}));
    EXPECT_FALSE(editing());
    EXPECT_FALSE(teams().mnuTeam->isEnabled());
    EXPECT_TRUE(rows().isEmpty());
    // The edit was sent once: the next search sends only the lookup.
    statsReply("Reds\r120\rhttp://reds.example/new\rWin today\r3\r0\rann\b0");
    QTest::mouseClick(teams().ZephButton1, Qt::LeftButton);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{t("1Reds")}));

    // Rank 8 has no text; a trailing tab names nobody; a team without the player keeps the editors off.
    statsReply("Blues\r7\r\r\r1\r5\rbob\b8\t");
    EXPECT_EQ(rows(), QStringList{"bob|"});
    EXPECT_EQ(teams().txtPlayers->text(), QStringLiteral("6"));
    EXPECT_FALSE(editing());

    // The numbered status messages write into the status bar.
    receive(ServerFrame('M', {smalls({31})}));
    EXPECT_EQ(teams().StatusBar1->SimpleText(), QStringLiteral("Team already exists."));
}

TEST_F(TeamConsoleTest, CreateLeaveTheMemberMenuAndSorting)
{
    login(QStringLiteral("ann"));
    teams().Show();
    sentFrames();

    services().inputAnswers = {QStringLiteral(" Big  Red "), QStringLiteral("   "), QString()};
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(teams().cmdCreate, Qt::LeftButton);
    EXPECT_EQ(services().inputPrompts.value(0), QStringLiteral("Please enter a team name."));
    services().messageBoxAnswers = {platform::vbNo, platform::vbYes};
    QTest::mouseClick(teams().cmdQuit, Qt::LeftButton);
    QTest::mouseClick(teams().cmdQuit, Qt::LeftButton);
    ASSERT_EQ(services().messageBoxes.size(), 2u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Are you sure you want to quit your team?"));
    EXPECT_EQ(services().messageBoxes[0].title, QStringLiteral("Team Console"));
    EXPECT_EQ(services().messageBoxes[0].style, platform::vbYesNo);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{t("2BigRed"), t("2"), t("3")}));

    // Not a member: the right button pops nothing up.
    statsReply("Blues\r1\r\r\r1\r0\rzed\b2");
    QTreeWidget* list = teams().ListTeam;
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    EXPECT_FALSE(teams().mnuTeam->isVisible());

    QTest::mouseClick(teams().cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{t("1Blues")});
    statsReply("Reds\r1\r\r\r1\r0\rcy\b3\tann\b1\tbo\b5");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    teams().mnuTeamKick->trigger();
    EXPECT_TRUE(sentFrames().isEmpty());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->topLevelItem(2)).center());
    EXPECT_TRUE(teams().mnuTeam->isVisible());
    teams().mnuTeam->hide();
    teams().mnuTeamPromote->trigger();
    teams().mnuTeamDemote->trigger();
    teams().mnuTeamKick->trigger();
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{t("6bo"), t("7bo"), t("5bo")}));

    // Rows keep the reply's order until a header click; each click flips the order.
    EXPECT_EQ(rows(), QStringList({"cy|Captain(3)", "ann|Colonel(1)", "bo|Sergeant(5)"}));
    QHeaderView* header = list->header();
    const int rankX = header->sectionViewportPosition(1) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(rankX, header->height() / 2));
    EXPECT_EQ(rows().first(), QStringLiteral("bo|Sergeant(5)"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(rankX, header->height() / 2));
    EXPECT_EQ(teams().SortKey, 1);
    EXPECT_EQ(teams().SortOrder, Qt::AscendingOrder);
    EXPECT_EQ(rows().first(), QStringLiteral("cy|Captain(3)"));
}

} // namespace
