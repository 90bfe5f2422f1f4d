// The options dialog, logged in to the fake server: what it stores shows in
// the chat lines that arrive next.

#include "EndToEnd.h"

#include "foundation/Controls.h"
#include "foundation/OptionsState.h"
#include "foundation/SettingsState.h"
#include "support/ListClicks.h"
#include "tests/connection/ServerFrames.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
class OptionsWindowTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        Settings& s = settings();
        s.FontType = QStringLiteral("Arial");
        s.FontSize = 10;
        s.BoldNames = true;
        SetColourSet(s.TellColour, QStringLiteral("Orange"));
        login();
    }
    // Opens the dialog on a tab, laid out and the active window, as on the desktop.
    frmOptions& open(int tab)
    {
        game().mnuOptionsGeneral->trigger();
        frmOptions& dialog = Forms::get<frmOptions>();
        QApplication::setActiveWindow(&dialog);
        dialog.SSTab1->setCurrentIndex(tab);
        QApplication::processEvents();
        return dialog;
    }
    // A check box takes clicks on its box and caption, not on the space beside them.
    static void tick(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
    static void retype(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    // The format of the last run of the game's global box that holds the text.
    QTextCharFormat chatFormat(const QString& text)
    {
        QTextCharFormat found;
        for (QTextBlock b = chat().txtGlobal->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().contains(text))
                    found = it.fragment().charFormat();
        return found;
    }
    void chatLine(const QByteArray& text) { receive(ServerFrame('c', {"Ann", text, "0"})); }
    std::vector<bool> barShown()
    {
        std::vector<bool> shown;
        for (QPushButton* b : back().cmdAlias)
            shown.push_back(!b->isHidden());
        return shown;
    }
};
} // namespace

TEST_F(OptionsWindowTest, ItalicAndBoldNamesTakeEffectOnlyThroughApplyFontAndColoursThroughBoth)
{
    frmOptions& dialog = open(2);
    ClickListItem(dialog.lstType, QStringLiteral("Courier New"));
    ClickListItem(dialog.lstSize, QStringLiteral("14"));
    tick(dialog.chkItalic);
    tick(dialog.chkBoldNames);
    retype(dialog.cmbTells, QStringLiteral("Purple"));
    game().picMap->setFocus();
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(Forms::isLoaded<frmOptions>());
    EXPECT_EQ(back().focusWidget(), back().txtSend);
    const Settings& s = settings();
    EXPECT_FALSE(s.Italic);
    EXPECT_EQ(s.TellColour.Dark, RGB(100, 2, 156));
    chatLine("upright");
    const QTextCharFormat upright = chatFormat(QStringLiteral("upright"));
    EXPECT_EQ(upright.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(upright.fontPointSize(), 14);
    EXPECT_FALSE(upright.fontItalic());
    EXPECT_EQ(chatFormat(QStringLiteral("Ann chats")).fontWeight(), QFont::Bold);

    // Reopened on the stored values, Apply stores italic and bold names too
    // and keeps the dialog open.
    frmOptions& again = open(2);
    EXPECT_EQ(again.cmbTells->currentText(), QStringLiteral("Purple"));
    tick(again.chkItalic);
    tick(again.chkBoldNames);
    QTest::mouseClick(again.cmdApply, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Forms::isLoaded<frmOptions>());
    chatLine("leaning");
    EXPECT_TRUE(chatFormat(QStringLiteral("leaning")).fontItalic());
    EXPECT_NE(chatFormat(QStringLiteral("Ann chats")).fontWeight(), QFont::Bold);
}

TEST_F(OptionsWindowTest, EveryClickOrKeyInTheFontListsPutsTheItemInItsBox)
{
    frmOptions& dialog = open(2);
    ClickListItem(dialog.lstType, QStringLiteral("Arial"));
    retype(dialog.txtType, QStringLiteral("Verdana"));
    ClickListItem(dialog.lstType, QStringLiteral("Arial"));
    EXPECT_EQ(dialog.txtType->text(), QStringLiteral("Arial"));
    QTest::keyClick(dialog.lstType, Qt::Key_Down);
    EXPECT_EQ(dialog.txtType->text(), QStringLiteral("Comic Sans MS"));
    ClickListItem(dialog.lstSize, QStringLiteral("10"));
    retype(dialog.txtFontSize, QStringLiteral("11"));
    ClickListItem(dialog.lstSize, QStringLiteral("10"));
    EXPECT_EQ(dialog.txtFontSize->text(), QStringLiteral("10"));
}

TEST_F(OptionsWindowTest, ShowChatTakesEffectAtOnceCancelStoresNothingAndTheOptionsReopenInTheirDesignState)
{
    options().AutoScreenCenter = 0;
    frmOptions& dialog = open(0);
    tick(dialog.chkShowChat);
    EXPECT_TRUE(options().ShowChatInGame);
    retype(dialog.txtType, QStringLiteral("Impact"));
    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Forms::isLoaded<frmOptions>());
    EXPECT_EQ(settings().FontType, QStringLiteral("Arial"));
    EXPECT_EQ(options().AutoScreenCenter, 0);
    chatLine("in the game box too");
    EXPECT_TRUE(lineTexts(*chat().txtStatus).value(0).endsWith(QStringLiteral("Ann chats: in the game box too")));

    // Ok stores the design states shown, not the values before.
    frmOptions& again = open(0);
    EXPECT_FALSE(again.chkShowChat->isChecked());
    EXPECT_EQ(again.cmbButtons->currentText(), QStringLiteral("14"));
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    EXPECT_EQ(options().AutoScreenCenter, 255);
    EXPECT_TRUE(options().ShowChatInGame);
}

TEST_F(OptionsWindowTest, UpdateWritesTheCountAndShowsButtonsSixteenToOneAboveItAndBadNumbersAreRefused)
{
    frmOptions& dialog = open(0);
    const std::vector<bool> before = barShown();
    const auto update = [&](const QString& count) {
        retype(dialog.cmbButtons, count);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        return readFile(QStringLiteral("DesignData.Dat"));
    };
    // Typed, not completed: "1" stays 1, which changes no button.
    EXPECT_EQ(update(QStringLiteral("1")), QByteArray("[INIT]\r\nNumberButtons=1\r\n"));
    EXPECT_EQ(barShown(), before);
    EXPECT_EQ(update(QStringLiteral("17")), QByteArray("[INIT]\r\nNumberButtons=17\r\n"));
    std::vector<bool> expected = before;
    for (int i = 16; i <= 21; ++i)
        expected[static_cast<std::size_t>(i)] = i <= 18;
    EXPECT_EQ(barShown(), expected);
    EXPECT_EQ(update(QStringLiteral("14")), QByteArray("[INIT]\r\nNumberButtons=14\r\n"));
    EXPECT_EQ(barShown(), expected);
    EXPECT_EQ(update(QStringLiteral("17.5")), QByteArray("[INIT]\r\nNumberButtons=14\r\n"));
    EXPECT_EQ(update(QStringLiteral("25")), QByteArray("[INIT]\r\nNumberButtons=25\r\n"));

    // A bad font size leaves the size; the other steps still run.
    dialog.SSTab1->setCurrentIndex(2);
    retype(dialog.txtFontSize, QStringLiteral("256"));
    retype(dialog.txtType, QStringLiteral("Verdana"));
    QTest::mouseClick(dialog.cmdApply, Qt::LeftButton);
    EXPECT_EQ(settings().FontSize, 10);
    EXPECT_EQ(settings().FontType, QStringLiteral("Verdana"));
    EXPECT_EQ(messageTexts(), (QStringList{QStringLiteral("Buttons on Main Screen must be a whole number from -32768 to 32767."),
                                           QStringLiteral("Font Size must be a whole number from 0 to 255.")}));
}
