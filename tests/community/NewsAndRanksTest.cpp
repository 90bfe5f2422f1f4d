#include "CommunityTest.h"

#include "community/frmNews.h"
#include "community/frmRanks.h"
#include "foundation/SettingsState.h"
#include "support/ListClicks.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>

namespace {

// Text, weight, colour and font of each run of the box, one string each.
QStringList runs(const RichTextBox& box)
{
    QStringList out;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out << it.fragment().text() + QStringLiteral("|") + QString::number(f.fontWeight()) + QStringLiteral("|") +
                       f.foreground().color().name() + QStringLiteral("|") + f.fontFamilies().toStringList().value(0);
        }
    return out;
}

} // namespace

TEST_F(CommunityTest, NewsLoadsTheWindowOnceAndAppendsBoldLinesInOrder)
{
    settings().FontType = QStringLiteral("Arial");
    receive(ServerFrame('D', {"Season starts"}) + ServerFrame('D', {"Arena reopened"}));
    ASSERT_TRUE(Forms::isLoaded<frmNews>());
    frmNews& news = Forms::get<frmNews>();
    EXPECT_TRUE(news.Visible());
    EXPECT_FALSE(news.isModal());
    expectFrames({ClientFrame('D', "")});
    EXPECT_EQ(runs(*news.rtbNews),
              (QStringList{"Season starts|700|#000000|Arial", "Arena reopened|700|#000000|Arial"}));

    // Closed, the next opening is a fresh window that asks again.
    QTest::mouseClick(news.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmNews>());
    Forms::get<frmNews>().Show();
    EXPECT_TRUE(Forms::get<frmNews>().rtbNews->Text().isEmpty());
    expectFrames({ClientFrame('D', "")});
}

TEST_F(CommunityTest, RankNamesShowTheExperienceOfTheSelectedRank)
{
    frmRanks& ranks = Forms::get<frmRanks>();
    ranks.Show();
    // Opened, the list takes the focus and a current item but no selection.
    QApplication::setActiveWindow(&ranks);
    ranks.lstRanks->setFocus();
    ASSERT_EQ(ranks.lstRanks->count(), 11);
    EXPECT_TRUE(ranks.lstRanks->findItems(QStringLiteral("General"), Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(ranks.txtexp->text().isEmpty());
    EXPECT_TRUE(ranks.txtexp->isReadOnly());

    QListWidget* list = ranks.lstRanks;
    ClickListItem(list, QStringLiteral("God"));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("God"));
    EXPECT_EQ(ranks.txtexp->text(), QStringLiteral("5000000"));
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(ranks.txtexp->text(), QStringLiteral("0"));
    QTest::mouseClick(ranks.cmdExit, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmRanks>());
}
