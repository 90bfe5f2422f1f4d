// The options dialog, logged in to the fake server: what it stores shows in
// the chat lines that arrive next, and the button count goes to
// "DesignData.Dat" and the main window's button bar.

#include "EndToEnd.h"

#include "foundation/Controls.h"
#include "foundation/OptionsState.h"
#include "foundation/SettingsState.h"
#include "tests/connection/ServerFrames.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
// The format of the last run in the box that holds the text.
QTextCharFormat formatOf(const RichTextBox& box, const QString& text)
{
    QTextCharFormat found;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                found = it.fragment().charFormat();
    return found;
}

class OptionsWindowTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        Settings& s = settings();
        s.FontType = QStringLiteral("Arial");
        s.FontType2 = QStringLiteral("Verdana");
        s.FontSize = 10;
        s.BoldNames = true;
        SetColourSet(s.ChatColour, QStringLiteral("Blue"));
        SetColourSet(s.TellColour, QStringLiteral("Orange"));
        SetColourSet(s.PlanColour, QStringLiteral("Green"));
        SetColourSet(s.AnnounceColour, QStringLiteral("Red"));
        login();
    }
    frmOptions& open()
    {
        game().mnuOptionsGeneral->trigger();
        frmOptions& dialog = Forms::get<frmOptions>();
        EXPECT_TRUE(dialog.isVisible());
        // As on the desktop, the dialog shown is the active window.
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
        return dialog;
    }
    static void clickTab(frmOptions& dialog, int index)
    {
        QTabBar* bar = dialog.SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    static void clickItem(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }
    static void retype(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // Lets the unloaded dialog go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void chatLine(const QByteArray& text) { receive(ServerFrame('c', {"Ann", text, "0"})); }
    QByteArray designData() const { return readFile(QStringLiteral("DesignData.Dat")); }
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
    frmOptions& dialog = open();
    EXPECT_EQ(dialog.txtType->text(), QStringLiteral("Arial"));
    EXPECT_EQ(dialog.txtFontSize->text(), QStringLiteral("10"));
    EXPECT_TRUE(dialog.chkBoldNames->isChecked());
    EXPECT_FALSE(dialog.chkItalic->isChecked());
    EXPECT_EQ(dialog.cmbTells->currentText(), QStringLiteral("Orange"));

    clickTab(dialog, 2);
    clickItem(dialog.lstType, QStringLiteral("Courier New"));
    EXPECT_EQ(dialog.txtType->text(), QStringLiteral("Courier New"));
    clickItem(dialog.lstSize, QStringLiteral("14"));
    EXPECT_EQ(dialog.txtFontSize->text(), QStringLiteral("14"));
    QTest::mouseClick(dialog.chkItalic, Qt::LeftButton);
    QTest::mouseClick(dialog.chkBoldNames, Qt::LeftButton);
    // A colour box takes a typed name as it stands, with no completion.
    retype(dialog.cmbTells, QStringLiteral("P"));
    EXPECT_EQ(dialog.cmbTells->currentText(), QStringLiteral("P"));
    retype(dialog.cmbTells, QStringLiteral("Purple"));
    activate();
    game().picMap->setFocus();
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    settle();

    EXPECT_FALSE(Forms::isLoaded<frmOptions>());
    EXPECT_EQ(QApplication::focusWidget(), back().txtSend);
    const Settings& s = settings();
    EXPECT_EQ(s.FontType, QStringLiteral("Courier New"));
    EXPECT_EQ(s.FontSize, 14);
    EXPECT_FALSE(s.Italic);
    EXPECT_TRUE(s.BoldNames);
    EXPECT_EQ(s.TellColour.Name, QStringLiteral("Purple"));
    EXPECT_EQ(s.TellColour.Dark, RGB(100, 2, 156));
    chatLine("upright");
    QTextCharFormat text = formatOf(*chat().txtGlobal, QStringLiteral("upright"));
    EXPECT_EQ(text.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_EQ(text.fontPointSize(), 14);
    EXPECT_FALSE(text.fontItalic());
    EXPECT_EQ(formatOf(*chat().txtGlobal, QStringLiteral("Ann chats")).fontWeight(), QFont::Bold);

    // The dialog opens on the stored values; Apply stores italic and bold
    // names too and keeps it open.
    frmOptions& again = open();
    EXPECT_EQ(again.txtType->text(), QStringLiteral("Courier New"));
    EXPECT_EQ(again.cmbTells->currentText(), QStringLiteral("Purple"));
    clickTab(again, 2);
    QTest::mouseClick(again.chkItalic, Qt::LeftButton);
    QTest::mouseClick(again.chkBoldNames, Qt::LeftButton);
    QTest::mouseClick(again.cmdApply, Qt::LeftButton);
    settle();
    EXPECT_TRUE(Forms::isLoaded<frmOptions>());
    EXPECT_TRUE(s.Italic);
    EXPECT_FALSE(s.BoldNames);
    chatLine("leaning");
    EXPECT_TRUE(formatOf(*chat().txtGlobal, QStringLiteral("leaning")).fontItalic());
    EXPECT_NE(formatOf(*chat().txtGlobal, QStringLiteral("Ann chats")).fontWeight(), QFont::Bold);
}

TEST_F(OptionsWindowTest, ShowChatTakesEffectAtOnceCancelStoresNothingAndTheOptionsReopenInTheirDesignState)
{
    options().AutoScreenCenter = 0;
    options().AutoOpenShops = 0;
    frmOptions& dialog = open();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.pos(), QPoint((screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2));
    EXPECT_TRUE(dialog.cmbAutoScreen->isChecked());
    QTest::mouseClick(dialog.chkShowChat, Qt::LeftButton);
    EXPECT_TRUE(options().ShowChatInGame);
    clickTab(dialog, 2);
    retype(dialog.txtType, QStringLiteral("Impact"));
    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    settle();

    EXPECT_FALSE(Forms::isLoaded<frmOptions>());
    EXPECT_EQ(settings().FontType, QStringLiteral("Arial"));
    EXPECT_EQ(options().AutoScreenCenter, 0);
    chatLine("seen in the game box");
    EXPECT_TRUE(lineTexts(*chat().txtStatus).join(QString()).contains(QStringLiteral("Ann chats: seen in the game box")));

    // Reopened, the option boxes and the count show their design state, and
    // Ok stores those (but not the game-box option, which only its click sets).
    frmOptions& again = open();
    EXPECT_TRUE(again.cmbAutoScreen->isChecked());
    EXPECT_TRUE(again.ChkAutoStore->isChecked());
    EXPECT_FALSE(again.chkShowChat->isChecked());
    EXPECT_EQ(again.cmbButtons->currentText(), QStringLiteral("14"));
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    EXPECT_EQ(options().AutoScreenCenter, 255);
    EXPECT_EQ(options().AutoOpenShops, 255);
    EXPECT_TRUE(options().ShowChatInGame);
}

TEST_F(OptionsWindowTest, UpdateWritesTheCountAndShowsButtonsSixteenToOneAboveIt)
{
    frmOptions& dialog = open();
    const std::vector<bool> before = barShown();

    // Typed, not completed: "1" stays 1, which changes no button.
    retype(dialog.cmbButtons, QStringLiteral("1"));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(designData(), QByteArray("[INIT]\r\nNumberButtons=1\r\n"));
    EXPECT_EQ(barShown(), before);

    retype(dialog.cmbButtons, QStringLiteral("17"));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(designData(), QByteArray("[INIT]\r\nNumberButtons=17\r\n"));
    std::vector<bool> expected = before;
    for (int i = 16; i <= 21; ++i)
        expected[static_cast<std::size_t>(i)] = i <= 18;
    EXPECT_EQ(barShown(), expected);

    dialog.cmbButtons->setCurrentIndex(dialog.cmbButtons->findText(QStringLiteral("14")));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(designData(), QByteArray("[INIT]\r\nNumberButtons=14\r\n"));
    EXPECT_EQ(barShown(), expected);

    retype(dialog.cmbButtons, QStringLiteral("seventeen"));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(designData(), QByteArray("[INIT]\r\nNumberButtons=14\r\n"));
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Buttons on Main Screen must be a whole number from 14 to 20.")});
}

TEST_F(OptionsWindowTest, AFontSizeThatIsNoWholeNumberUpTo255IsRefusedAndTheOtherStepsRun)
{
    frmOptions& dialog = open();
    clickTab(dialog, 2);
    for (const char* bad : {"9.5", "256", "-1", "large"}) {
        retype(dialog.txtFontSize, QString::fromLatin1(bad));
        retype(dialog.txtType, QString::fromLatin1(bad) + QStringLiteral(" font"));
        QTest::mouseClick(dialog.cmdApply, Qt::LeftButton);
        EXPECT_EQ(settings().FontSize, 10) << bad;
        EXPECT_EQ(settings().FontType, QString::fromLatin1(bad) + QStringLiteral(" font"));
    }
    EXPECT_EQ(messageTexts(),
              QStringList(4, QStringLiteral("Font Size must be a whole number from 0 to 255.")));
    retype(dialog.txtFontSize, QStringLiteral("0"));
    QTest::mouseClick(dialog.cmdApply, Qt::LeftButton);
    EXPECT_EQ(settings().FontSize, 0);
    EXPECT_EQ(messageTexts().size(), 4);
}
