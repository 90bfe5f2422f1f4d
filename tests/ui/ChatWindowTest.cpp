#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmPM.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMdiArea>
#include <QTest>

class ChatWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        chat().SSTab1->setTabVisible(3, true);
        chat().SSTab1->setTabVisible(4, true);
        activate();
    }
    QPoint tabCentre(int tab) { return chat().SSTab1->tabRect(tab).center(); }
    void clickTab(int tab) { QTest::mouseClick(chat().SSTab1, Qt::LeftButton, {}, tabCentre(tab)); }
    void doubleClickTab(int tab)
    {
        clickTab(tab);
        QTest::mouseDClick(chat().SSTab1, Qt::LeftButton, {}, tabCentre(tab));
        QApplication::processEvents();
    }
    std::vector<bool> boxesShown()
    {
        std::vector<bool> shown;
        for (RichTextBox* box : chat().boxes())
            shown.push_back(!box->isHidden());
        return shown;
    }
};

TEST_F(ChatWindowTest, SelectingATabShowsItsBoxAndClearsOnlyItsMark)
{
    EXPECT_EQ(boxesShown(), (std::vector<bool>{true, false, false, false, false}));
    chat().MarkTabUnread(3);
    chat().MarkTabUnread(4);
    clickTab(4);
    EXPECT_EQ(chat().SSTab1Caption(), QStringLiteral("Team Chat"));
    EXPECT_EQ(boxesShown(), (std::vector<bool>{false, false, false, false, true}));
    EXPECT_FALSE(chat().TabMarked(4));
    EXPECT_TRUE(chat().TabMarked(3));

    clickTab(2);
    EXPECT_EQ(boxesShown(), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_TRUE(chat().TabMarked(3));
    clickTab(3);
    EXPECT_FALSE(chat().TabMarked(3));
}

TEST_F(ChatWindowTest, ClickFocusesTheMapAndDoubleClickTheInputLine)
{
    clickTab(1);
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);

    doubleClickTab(1);
    EXPECT_EQ(QApplication::focusWidget(), back().txtSend);
    EXPECT_EQ(boxesShown(), (std::vector<bool>{false, true, false, false, false}));

    // Team Chat: a double click adds nothing to the click.
    doubleClickTab(4);
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);

    // Clicking the tab that is already selected still moves the focus to the map.
    back().txtSend->setFocus();
    clickTab(4);
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);
}

TEST_F(ChatWindowTest, FocusStaysWhereItIsWhileTheTargetsAreDisabled)
{
    back().txtSend->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), back().txtSend);
    game().picMap->setEnabled(false);
    clickTab(1);
    EXPECT_EQ(boxesShown(), (std::vector<bool>{false, true, false, false, false}));
    // The tab control itself may take the click's focus, as on the desktop;
    // the map does not.
    EXPECT_NE(QApplication::focusWidget(), game().picMap);

    game().picMap->setEnabled(true);
    game().picMap->setFocus();
    back().txtSend->setEnabled(false);
    doubleClickTab(2);
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);

    // The bare surface passes the focus to the input line when it can take it.
    back().txtSend->setEnabled(true);
    const QPoint bare(toPixels(2405), toPixels(2900));
    QTest::mouseClick(chat().content, Qt::LeftButton, {}, bare);
    EXPECT_EQ(QApplication::focusWidget(), back().txtSend);
}

TEST_F(ChatWindowTest, OnlyTheBareSurfaceItselfPassesTheFocusOn)
{
    // The pointer moves over the bare strip below the tabs, no button held.
    back().mdiArea->setActiveSubWindow(&chat());
    chat().SSTab1->setFocus();
    const QPoint bare(chat().content->width() / 2, chat().content->height() - 3);
    ASSERT_EQ(chat().content->childAt(bare), nullptr);
    QTest::mouseMove(chat().content, bare);
    EXPECT_EQ(QApplication::focusWidget(), back().txtSend);

    // Right clicks on a tab or in a chat box are those controls' own.
    chat().SSTab1->setFocus();
    QTest::mouseClick(chat().SSTab1, Qt::RightButton, {}, tabCentre(1));
    EXPECT_NE(QApplication::focusWidget(), back().txtSend);
    QTest::mouseClick(chat().txtStatus->viewport(), Qt::RightButton);
    EXPECT_NE(QApplication::focusWidget(), back().txtSend);
}

TEST_F(ChatWindowTest, ResizeSkipsStepsThatWouldGoNegative)
{
    chat().setHeight(4000);
    EXPECT_NEAR(chat().SSTab1Height(), 4000 - 700, 15);
    EXPECT_NEAR(toTwips(chat().WhoList->height()), 4000 - 700, 15);
    EXPECT_NEAR(toTwips(chat().txtTeam->height()), 4000 - 700 - 300, 30);

    const int tabBefore = chat().SSTab1Height();
    const int whoBefore = chat().WhoList->height();
    chat().setHeight(600);
    EXPECT_EQ(chat().SSTab1Height(), tabBefore);
    EXPECT_EQ(chat().WhoList->height(), whoBefore);

    // Still usable afterwards.
    chat().setHeight(3055);
    EXPECT_NEAR(toTwips(chat().WhoList->height()), chat().Height() - 700, 15);
}

TEST_F(ChatWindowTest, PrivateWindowSendsATellAndKeepsItsLayoutAboveOneHundredTwips)
{
    // The window's icon comes from the graphics folder.
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QByteArray icon;
    QBuffer buffer(&icon);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "ICO");
    writeFile(QStringLiteral("Graphics/Message.ico"), icon);
    settings().GraphicsPath = programFolder() + QStringLiteral("/Graphics/");

    frmPM& pm = PMWindow(1);
    EXPECT_EQ(pm.windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    pm.setCaption(QStringLiteral("Ann"));
    pm.Show();
    QTest::keyClick(pm.SendTxt, Qt::Key_Return);
    pm.SendTxt->setText(QStringLiteral("hi") + QChar(7) + QStringLiteral(" there") + QChar(0xE9));
    QTest::keyClick(pm.SendTxt, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "TELL Ann "}, {"C", "TELL Ann hi there"}}));
    EXPECT_TRUE(pm.SendTxt->text().isEmpty());
    EXPECT_TRUE(boxText(*pm.MessageTxt).isEmpty());

    // Enter held down: the desktop repeats the press and the release, but
    // the key goes up once, so one tell goes.
    sent.clear();
    pm.SendTxt->setText(QStringLiteral("held"));
    auto enterKey = [&](QEvent::Type type, bool repeat) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(pm.SendTxt, &key);
    };
    enterKey(QEvent::KeyPress, false);
    for (int i = 0; i < 3; ++i) {
        enterKey(QEvent::KeyRelease, true);
        enterKey(QEvent::KeyPress, true);
    }
    enterKey(QEvent::KeyRelease, false);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "TELL Ann held"}}));

    pm.resize(toPixels(6000), toPixels(3000));
    EXPECT_EQ(toTwips(pm.MessageTxt->width()), 6000);
    EXPECT_EQ(toTwips(pm.MessageTxt->height()), 3000 - 345);
    EXPECT_EQ(toTwips(pm.SendTxt->y()), 3000 - 405);
    const QRect message = pm.MessageTxt->geometry();
    const QRect input = pm.SendTxt->geometry();
    pm.resize(toPixels(6000), toPixels(90));
    EXPECT_EQ(pm.MessageTxt->geometry(), message);
    EXPECT_EQ(pm.SendTxt->geometry(), input);
}
