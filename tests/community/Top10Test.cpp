#include "CommunityTest.h"

#include "community/Ranking.h"
#include "community/frmTop10.h"
#include "foundation/frmDebug.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

namespace {

QByteArray row(const char* name, const char* value, const char* date)
{
    return QByteArray(name) + '\x05' + value + '\x05' + date + '\x06';
}

QStringList column(const frmTop10& w, int c)
{
    QStringList texts;
    for (int i = 0; i < w.lvResults->topLevelItemCount(); ++i)
        texts << w.lvResults->topLevelItem(i)->text(c);
    return texts;
}

void clickHeader(frmTop10& w, int section)
{
    QHeaderView* header = w.lvResults->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
}

} // namespace

TEST(Ranking, ValuesSortAsPaddedTextAndShowTheirLeadingNumber)
{
    EXPECT_EQ(PadRankingValue(QStringLiteral("9")), QStringLiteral("0000000009"));
    EXPECT_EQ(PadRankingValue(QStringLiteral("12345678901")), QStringLiteral("12345678901"));
    EXPECT_EQ(RankingValueText(QStringLiteral("0000012abc")), QStringLiteral("12"));
    EXPECT_EQ(RankingValueText(QStringLiteral("hours")), QStringLiteral("0"));
}

TEST_F(CommunityTest, ChoosingARankingAsksForItAndTheReplyFillsTheTable)
{
    frmTop10& top = Forms::get<frmTop10>();
    top.Show();
    QTest::keyClick(top.cmbTop10, Qt::Key_Down);
    QTest::keyClick(top.cmbTop10, Qt::Key_End);
    EXPECT_EQ(top.Caption(), QStringLiteral("Top 10 Total Worth"));
    expectFrames({ClientFrame('4', "0"), ClientFrame('6', "0")});

    receive(ServerFrame('@', {row("ann", "10", "May 1") + row("bob", "9", "May 2") + row("cy", "7 hrs", "May 3") +
                              "dee\x05" "1\x05" "May 4"}));
    EXPECT_EQ(top.lvResults->headerItem()->text(1), QStringLiteral("Hours"));
    EXPECT_EQ(column(top, 0), (QStringList{"ann", "bob", "cy"}));
    QTreeWidgetItem* third = top.lvResults->topLevelItem(2);
    EXPECT_EQ(third->data(0, Qt::UserRole).toString(), QStringLiteral("i2"));
    EXPECT_EQ(third->toolTip(1), QStringLiteral("7 hrs"));
    EXPECT_EQ(third->toolTip(2), QStringLiteral("May 3"));

    // The first click flips the list's initial ascending order; values sort
    // as zero-padded text and then show their leading number.
    clickHeader(top, 1);
    EXPECT_EQ(column(top, 0), (QStringList{"cy", "ann", "bob"}));
    EXPECT_EQ(column(top, 1), (QStringList{"7", "10", "9"}));
    clickHeader(top, 1);
    EXPECT_EQ(column(top, 0), (QStringList{"cy", "bob", "ann"}));
    clickHeader(top, 0);
    clickHeader(top, 0);
    EXPECT_EQ(column(top, 0), (QStringList{"ann", "bob", "cy"}));

    receive(ServerFrame('Q', {QByteArray()}));
    EXPECT_EQ(top.lvResults->topLevelItemCount(), 0);
    EXPECT_EQ(top.lvResults->headerItem()->text(1), QStringLiteral("Splats"));
    EXPECT_EQ(top.Caption(), QStringLiteral("Top 10 Total Worth"));
}

TEST_F(CommunityTest, TheRankingsColumnsKeepTheirWidths)
{
    frmTop10& top = Forms::get<frmTop10>();
    top.Show();
    QApplication::processEvents();
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(top.lvResults->columnWidth(c), 96) << "column " << c;
}

TEST_F(CommunityTest, ShortRankingRowsAreSkippedAndReportedOncePerPayload)
{
    receive(ServerFrame('Q', {"lone\x06" + row("ann", "3", "May 1") + "x\x05" "1\x06"}));
    ASSERT_TRUE(Forms::isLoaded<frmTop10>());
    EXPECT_FALSE(Forms::get<frmTop10>().Visible());
    EXPECT_EQ(column(Forms::get<frmTop10>(), 0), QStringList{"ann"});
    EXPECT_EQ(Forms::get<frmDebug>().txtLog->Text(),
              QStringLiteral("Error #9 Subscript out of range in frmTop10,ProcessData\n"));

    QTest::mouseClick(Forms::get<frmTop10>().cmdExit, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmTop10>());
}
