#include "UiTest.h"

#include "connection/frmConnect.h"
#include "foundation/MenuState.h"
#include "foundation/SettingsState.h"
#include "ui/frmAlias.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

namespace {
// A pointer file: an icon file marked as a pointer, with its hot spot.
QByteArray pointerFile(QColor colour, int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    bytes[2] = 2;
    bytes[10] = char(hotX);
    bytes[11] = 0;
    bytes[12] = char(hotY);
    bytes[13] = 0;
    return bytes;
}
} // namespace

class KeyboardLayerTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        writeFile(QStringLiteral("Cursor1.cur"), pointerFile(Qt::white, 1, 1));
        writeFile(QStringLiteral("Cursor2.cur"), pointerFile(Qt::red, 16, 16));
        chat().SSTab1->setTabVisible(3, true);
        chat().SSTab1->setTabVisible(4, true);
        activate();
        back().txtSend->setFocus();
    }
    QComboBox* line() { return back().txtSend; }
    void type(const QString& text) { QTest::keyClicks(line(), text); }
    void enter(Qt::KeyboardModifiers mods = {}) { QTest::keyClick(line(), Qt::Key_Return, mods); }
    void numpad(Qt::Key key) { QTest::keyClick(line(), key, Qt::KeypadModifier); }
    QStringList history()
    {
        QStringList h;
        for (int i = 0; i < line()->count(); ++i)
            h.append(line()->itemText(i));
        return h;
    }
};

TEST_F(KeyboardLayerTest, AutoChatPrefixFollowsTheTabOnView)
{
    optionMenus().mnuOptionsChat.setChecked(true);
    const char* expected[] = {"c ", "c ", "c ", "admi ", "team "};
    for (int tab = 0; tab < 5; ++tab) {
        chat().SSTab1->setCurrentIndex(tab);
        line()->setFocus();
        type(QStringLiteral("hello%1").arg(tab));
        enter();
        ASSERT_EQ(sent.size(), std::size_t(tab + 1));
        EXPECT_EQ(sent.back(), (SentCommand{"C", QLatin1String(expected[tab]) + QStringLiteral("hello%1").arg(tab)}));
        EXPECT_TRUE(line()->currentText().isEmpty());
    }
    EXPECT_EQ(history(), (QStringList{"hello4", "hello3", "hello2", "hello1", "hello0"}));

    // Auto-Admin wins over the tab; neither option sends the filtered line alone.
    sent.clear();
    optionMenus().mnuOptionsChat.setChecked(false);
    optionMenus().mnuOptionsAdmin.setChecked(true);
    line()->setEditText(QStringLiteral("kick ") + QChar(3) + QStringLiteral("bob"));
    enter();
    optionMenus().mnuOptionsAdmin.setChecked(false);
    line()->setEditText(QStringLiteral("plain") + QChar(0xFF));
    enter();
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "adm kick bob"}, {"C", "plain"}}));
    EXPECT_EQ(history().first(), QStringLiteral("plain") + QChar(0xFF));
    EXPECT_EQ(history().at(1), QStringLiteral("kick ") + QChar(3) + QStringLiteral("bob"));
}

TEST_F(KeyboardLayerTest, SlashLinesGoUnfilteredAndEmptyLinesSendNothing)
{
    optionMenus().mnuOptionsChat.setChecked(true);
    enter();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(line()->count(), 0);

    line()->setEditText(QStringLiteral("/tell bob ") + QChar(7) + QStringLiteral("hi"));
    enter();
    type(QStringLiteral("/"));
    enter();
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", QStringLiteral("tell bob ") + QChar(7) + QStringLiteral("hi")},
                                              {"C", ""}}));
    EXPECT_EQ(history(), (QStringList{"/", QStringLiteral("/tell bob ") + QChar(7) + QStringLiteral("hi")}));
}

TEST_F(KeyboardLayerTest, LinesAreCutTo250Characters)
{
    line()->setEditText(QString(251, QLatin1Char('a')));
    EXPECT_EQ(line()->currentText(), QString(250, QLatin1Char('a')));
    type(QStringLiteral("bc"));
    EXPECT_EQ(line()->currentText().size(), 250);
}

TEST_F(KeyboardLayerTest, WalkingKeysOnlyWhileKeypadMovementIsChecked)
{
    line()->addItem(QStringLiteral("older"));
    line()->setEditText(QStringLiteral("draft"));
    numpad(Qt::Key_8);
    QTest::keyClick(line(), Qt::Key_Left);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(line()->currentText(), QStringLiteral("draft8"));

    optionMenus().mnuKeyMove.setChecked(true);
    line()->setEditText(QStringLiteral("draft"));
    numpad(Qt::Key_8);
    numpad(Qt::Key_7);
    numpad(Qt::Key_9);
    numpad(Qt::Key_1);
    numpad(Qt::Key_3);
    numpad(Qt::Key_6);
    numpad(Qt::Key_2);
    numpad(Qt::Key_4);
    numpad(Qt::Key_5);
    EXPECT_EQ(line()->currentText(), QStringLiteral("draft"));
    EXPECT_EQ(line()->count(), 1);
    QTest::keyClick(line(), Qt::Key_Up);
    EXPECT_TRUE(line()->currentText().isEmpty());
    EXPECT_EQ(line()->count(), 0);
    QTest::keyClick(line(), Qt::Key_Right);
    QTest::keyClick(line(), Qt::Key_Down);
    QTest::keyClick(line(), Qt::Key_Left);
    const std::vector<SentCommand> walks{{"m", "&n&"},   {"m", "&n&w&"}, {"m", "&n&e&"}, {"m", "&s&w&"},
                                         {"m", "&s&e&"}, {"m", "&e&"},   {"m", "&s&"},   {"m", "&w&"},
                                         {"m", "&n&"},   {"m", "&e&"},   {"m", "&s&"},   {"m", "&w&"}};
    EXPECT_EQ(sent, walks);
}

TEST_F(KeyboardLayerTest, HistoryWalkMovesTheFocusToTheMap)
{
    type(QStringLiteral("first"));
    enter();
    type(QStringLiteral("second"));
    enter();
    QTest::keyClick(line(), Qt::Key_Down);
    EXPECT_EQ(line()->currentText(), QStringLiteral("second"));
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);
    EXPECT_EQ(sent.size(), 2u);
}

TEST_F(KeyboardLayerTest, ShiftPointerNeedsItsFile)
{
    QTest::keyClick(line(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(back().bShiftCursor);
    EXPECT_EQ(game().picMap->cursor().hotSpot(), QPoint(16, 16));
    // Ctrl or Alt pressed alone is another modifier state, however the
    // desktop reports the key's own modifier with its press: nothing changes.
    QTest::keyClick(line(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(line(), Qt::Key_Alt, Qt::AltModifier);
    line()->setFocus();
    EXPECT_TRUE(back().bShiftCursor);
    EXPECT_EQ(game().picMap->cursor().hotSpot(), QPoint(16, 16));
    QTest::keyClick(line(), Qt::Key_A);
    EXPECT_FALSE(back().bShiftCursor);
    EXPECT_EQ(game().picMap->cursor().hotSpot(), QPoint(1, 1));

    // Without the Shift pointer a key with Shift alone gets no handling.
    QFile::remove(programFolder() + QStringLiteral("/Cursor2.cur"));
    line()->setEditText(QStringLiteral("keep me"));
    enter(Qt::ShiftModifier);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(line()->currentText(), QStringLiteral("keep me"));
    EXPECT_FALSE(back().bShiftCursor);
    // Other modifier states leave the pointer alone and are handled.
    enter(Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(KeyboardLayerTest, ShiftBackquoteEmptiesOnlyAShortLine)
{
    line()->setEditText(QStringLiteral("x"));
    QTest::keyClick(line(), Qt::Key_AsciiTilde, Qt::ShiftModifier);
    EXPECT_TRUE(line()->currentText().isEmpty());
    QTest::keyClick(line(), Qt::Key_AsciiTilde, Qt::ShiftModifier);
    EXPECT_TRUE(line()->currentText().isEmpty());
    line()->setEditText(QStringLiteral("xy"));
    QTest::keyClick(line(), Qt::Key_AsciiTilde, Qt::ShiftModifier);
    EXPECT_EQ(line()->currentText(), QStringLiteral("xy~"));
}

TEST_F(KeyboardLayerTest, UserButtonsSendTheirCommandAsStored)
{
    settings().Buttons[5].Command = QStringLiteral("GIVE %1 1");
    back().cmdAlias[5]->show();
    back().cmdAlias[6]->show();
    QTest::mouseClick(back().cmdAlias[5], Qt::LeftButton);
    QTest::mouseClick(back().cmdAlias[6], Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "GIVE %1 1"}, {"C", ""}}));
    EXPECT_EQ(QApplication::focusWidget(), line());

    QTest::mouseClick(back().cmdAlias[5], Qt::RightButton);
    EXPECT_EQ(sent.size(), 2u);
    ASSERT_TRUE(Forms::isLoaded<frmBtnEdit>());
    EXPECT_TRUE(Forms::get<frmBtnEdit>().Visible());

    // A click on the bare strip gives the map the focus.
    line()->setFocus();
    QTest::mouseClick(back().Picture3, Qt::LeftButton, {}, QPoint(5, 3));
    EXPECT_EQ(QApplication::focusWidget(), game().picMap);
}

TEST_F(KeyboardLayerTest, TabWalksTheMainWindowsOwnControlsAndReturnPressesTheButtonItReaches)
{
    settings().Buttons[23].Command = QStringLiteral("GET FLAG");
    const auto tab = [](Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mods);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tab(), back().cmdConnect);
    EXPECT_EQ(tab(), back().cmdAlias[0]);
    // On round the buttons and back to the line, never into the game or the chat window.
    QWidget* at = nullptr;
    for (int i = 0; i < 30 && at != line(); ++i) {
        at = tab();
        ASSERT_TRUE(at && at->window() == &back() && !back().mdiArea->isAncestorOf(at));
    }
    EXPECT_EQ(at, line());

    EXPECT_EQ(tab(Qt::ShiftModifier), back().cmdAlias[23]);
    QTest::keyClick(back().cmdAlias[23], Qt::Key_Return);
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"C", "GET FLAG"}}));
    EXPECT_EQ(QApplication::focusWidget(), line());
}

TEST_F(KeyboardLayerTest, GameMenuShortcutsWorkFromTheInputLine)
{
    // The menu's shortcuts come before the line's own editing keys.
    back().mdiArea->setActiveSubWindow(&game());
    line()->setFocus();
    line()->setEditText(QStringLiteral("typed"));
    world().TileSize = 32;
    ASSERT_TRUE(optionMenus().mnuOptionsZoom.Checked());
    QTest::keyClick(line(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(optionMenus().mnuOptionsZoom.Checked());
    EXPECT_EQ(world().TileSize, 16);
    QTest::keyClick(line(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(Forms::isLoaded<frmAlias>());
    EXPECT_TRUE(Forms::get<frmAlias>().Visible());
    activate();
    line()->setFocus();
    QTest::keyClick(line(), Qt::Key_W, Qt::ControlModifier);
    // The alias window asked for the list as it loaded.
    EXPECT_EQ(sent, (std::vector<SentCommand>{{"a", "0"}, {"w", ""}}));
    EXPECT_EQ(line()->currentText(), QStringLiteral("typed"));

    // The game window's buttons give the focus to its own line: the
    // shortcuts work from there as well.
    Forms::unload<frmAlias>();
    activate();
    QTest::mouseClick(game().cmdReload, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), game().txtSend);
    // Keys typed there give it something to undo and to select.
    QTest::keyClicks(game().txtSend, QStringLiteral("stray"));
    QTest::keyClick(game().txtSend, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().txtSend->currentText(), QStringLiteral("stray"));
    EXPECT_TRUE(optionMenus().mnuOptionsZoom.Checked());
    QTest::keyClick(game().txtSend, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(Forms::isLoaded<frmAlias>());
    EXPECT_TRUE(Forms::get<frmAlias>().Visible());
    line()->setFocus();

    // Keys that no menu item has keep their editing meaning.
    line()->lineEdit()->selectAll();
    QTest::keyClick(line(), Qt::Key_X);
    EXPECT_EQ(line()->currentText(), QStringLiteral("x"));
}
