// The user button editor, opened by a right click on any button array, and
// the one live button its save relabels.

#include "UiTest.h"

#include "community/frmShop.h"
#include "community/frmWho.h"
#include "foundation/SettingsState.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTest>
#include <functional>

namespace {

class ButtonEditorTest : public UiTest {
protected:
    frmBtnEdit& editor() { return Forms::get<frmBtnEdit>(); }
    // Right-clicks a button and types all three boxes of the editor.
    void editThrough(QPushButton* button, const QString& name, const QString& tip, const QString& command)
    {
        button->show();
        QTest::mouseClick(button, Qt::RightButton);
        ASSERT_TRUE(Forms::isLoaded<frmBtnEdit>());
        for (QWidget* box : {static_cast<QWidget*>(editor().txt1), static_cast<QWidget*>(editor().txt2),
                             static_cast<QWidget*>(editor().txt3)}) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
        }
        QTest::keyClicks(editor().txt1, name);
        QTest::keyClicks(editor().txt2, tip);
        QTest::keyClicks(editor().txt3, command);
    }
    static UserButton& entry(int i) { return settings().Buttons[static_cast<std::size_t>(i)]; }
};

TEST_F(ButtonEditorTest, SaveStoresTheEntryAndRelabelsTheBarOnly)
{
    entry(5) = {QStringLiteral("Old"), QStringLiteral("old tip"), QStringLiteral("SAY old")};
    game().cmdAlias[5]->setText(QStringLiteral("Old"));
    editThrough(back().cmdAlias[5], QStringLiteral("A caption too long"), QStringLiteral("new tip"),
                QStringLiteral("GIVE %1 1 & SAY hi"));
    EXPECT_EQ(editor().txt1->text(), QStringLiteral("A caption too"));  // 13 characters
    EXPECT_EQ(editor().EditIndex, 5);
    QTest::mouseClick(editor().cmdOK, Qt::LeftButton);

    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());
    EXPECT_EQ(entry(5).Name, QStringLiteral("A caption too"));
    EXPECT_EQ(entry(5).Command, QStringLiteral("GIVE %1 1 & SAY hi"));
    EXPECT_EQ(back().cmdAlias[5]->text(), QStringLiteral("A caption too"));
    EXPECT_EQ(back().cmdAlias[5]->toolTip(), QStringLiteral("new tip"));
    EXPECT_EQ(game().cmdAlias[5]->text(), QStringLiteral("Old"));
    QTest::mouseClick(game().cmdAlias[5], Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "GIVE %1 1 & SAY hi"}}));
}

TEST_F(ButtonEditorTest, LinesTravelAsCrLfAndAStoredLongCaptionStaysWhole)
{
    entry(3) = {QStringLiteral("A stored caption of 28 chars"), QStringLiteral("tip"), QStringLiteral("SAY a\r\nSAY b")};
    QTest::mouseClick(back().cmdAlias[3], Qt::RightButton);
    EXPECT_EQ(editor().txt3->toPlainText(), QStringLiteral("SAY a\nSAY b"));
    editor().txt1->setFocus();
    QTest::keyClick(editor().txt1, Qt::Key_End);
    QTest::keyClicks(editor().txt1, QStringLiteral("x"));
    editor().txt3->setFocus();
    QTest::keyClick(editor().txt3, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor().txt3, Qt::Key_Return);
    QTest::keyClicks(editor().txt3, QStringLiteral("SAY c"));
    QTest::mouseClick(editor().cmdOK, Qt::LeftButton);
    EXPECT_EQ(entry(3).Name, QStringLiteral("A stored caption of 28 chars"));
    QTest::mouseClick(back().cmdAlias[3], Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "SAY a\r\nSAY b\r\nSAY c"}}));

    // Shortened by the player, the caption takes the limit again.
    QTest::mouseClick(back().cmdAlias[3], Qt::RightButton);
    editor().txt1->setFocus();
    QTest::keyClick(editor().txt1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor().txt1, QStringLiteral("Fourteen chars"));
    EXPECT_EQ(editor().txt1->text(), QStringLiteral("Fourteen char"));
}

TEST_F(ButtonEditorTest, TabLeavesTheCommandsBoxForSaveWhichReturnPresses)
{
    editThrough(back().cmdAlias[4], QStringLiteral("Flag"), QString(), QStringLiteral("GET FLAG"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &editor(); }));
    QTest::keyClick(editor().txt3, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), editor().cmdOK);
    QTest::keyClick(editor().cmdOK, Qt::Key_Return);
    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());
    EXPECT_EQ(entry(4).Command, QStringLiteral("GET FLAG"));
}

TEST_F(ButtonEditorTest, CancelTheCloseBoxAndOtherButtonsChangeNothing)
{
    entry(2) = {QStringLiteral("Two"), QStringLiteral("tip"), QStringLiteral("SAY two")};
    editThrough(game().cmdAlias[1], QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    // A second right click retargets the open editor.
    QTest::mouseClick(game().cmdAlias[2], Qt::RightButton);
    EXPECT_EQ(editor().EditIndex, 2);
    EXPECT_EQ(editor().txt1->text(), QStringLiteral("Two"));
    editor().txt1->setText(QStringLiteral("changed"));
    QTest::mouseClick(editor().cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());

    editThrough(back().cmdAlias[2], QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    editor().close();
    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());
    EXPECT_EQ(entry(2).Name, QStringLiteral("Two"));
    EXPECT_EQ(entry(2).Command, QStringLiteral("SAY two"));
    EXPECT_TRUE(back().cmdAlias[2]->text().isEmpty());

    QTest::mouseClick(back().cmdAlias[2], Qt::MiddleButton);
    QTest::mouseClick(back().cmdAlias[2], Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());
}

TEST_F(ButtonEditorTest, WhatIsTypedAfterTheEditorClosesGoesWhereTheKeyboardWasBeforeTheRightClick)
{
    entry(0) = {QStringLiteral("Flag"), QString(), QStringLiteral("GET FLAG")};
    const std::function<void()> closings[] = {
        [&] { QTest::mouseClick(editor().cmdOK, Qt::LeftButton); },
        [&] { QTest::mouseClick(editor().cmdCancel, Qt::LeftButton); },
        [&] { editor().close(); },
    };
    for (const auto& close : closings) {
        activate();
        back().txtSend->setFocus();
        editThrough(back().cmdAlias[0], QStringLiteral("Flag"), QString(), QStringLiteral("GET FLAG"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &editor(); }));
        close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &back(); }));
        EXPECT_EQ(QApplication::focusWidget(), back().txtSend);
        sent.clear();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hi there"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "hi there"}}));
    }
}

TEST_F(ButtonEditorTest, SharedAndWindowBlocksRelabelTheStoreAndWhoWindows)
{
    // Entry 22 serves the bar and the store window; an edit through the bar
    // relabels the store's button, and the bar's button sends the new command.
    Forms::get<frmShop>();
    sent.clear();  // the store's own list request on load
    back().cmdAlias[22]->setText(QStringLiteral("Bar"));
    editThrough(back().cmdAlias[22], QStringLiteral("Buy"), QStringLiteral("buys"), QStringLiteral("BUY %1"));
    QTest::mouseClick(editor().cmdOK, Qt::LeftButton);
    EXPECT_EQ(Forms::get<frmShop>().cmdAlias[22 - frmShop::kAliasFirst]->text(), QStringLiteral("Buy"));
    EXPECT_EQ(back().cmdAlias[22]->text(), QStringLiteral("Bar"));
    QTest::mouseClick(back().cmdAlias[22], Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "BUY %1"}}));

    // An edit of the who window's block while that window is not loaded:
    // its load re-reads the block, and the edit is not lost to it.
    const QString app = platform::programName();
    platform::SaveSetting(app, QStringLiteral("Button28"), QStringLiteral("Name"), QStringLiteral("Stored"));
    platform::SaveSetting(app, QStringLiteral("Button29"), QStringLiteral("Name"), QStringLiteral("Kept"));
    Forms::get<frmBtnEdit>().EditButton(28);
    editor().txt1->setText(QStringLiteral("Kick"));
    editor().txt3->setPlainText(QStringLiteral("KICK %1"));
    QTest::mouseClick(editor().cmdOK, Qt::LeftButton);
    ASSERT_TRUE(Forms::isLoaded<frmWho>());
    frmWho& who = Forms::get<frmWho>();
    EXPECT_FALSE(who.Visible());
    EXPECT_EQ(who.cmdAlias[1]->text(), QStringLiteral("Kick"));
    EXPECT_EQ(entry(28).Command, QStringLiteral("KICK %1"));
    EXPECT_EQ(who.cmdAlias[2]->text(), QStringLiteral("Kept"));

    // The who window's own buttons open the editor on their entries.
    who.Show();
    QTest::mouseClick(who.cmdAlias[5], Qt::RightButton);
    EXPECT_EQ(editor().EditIndex, 32);
}

} // namespace
