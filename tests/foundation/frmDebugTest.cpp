#include "foundation/frmDebug.h"
#include "support/ClientTest.h"

#include <QTextCursor>

class frmDebugTest : public ClientTest {};

TEST_F(frmDebugTest, FirstErrorLoadsTheWindowHiddenAndLinesKeepTheirOrder)
{
    ASSERT_FALSE(Forms::isLoaded<frmDebug>());
    AddToLog(QStringLiteral("frmMain"), QStringLiteral("Wsk_Error"), ErrObject{10053, QStringLiteral("Connection is aborted")});
    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    frmDebug& log = Forms::get<frmDebug>();
    EXPECT_FALSE(log.Visible());
    EXPECT_EQ(log.Caption(), QStringLiteral("Application Debug Info"));
    EXPECT_EQ(log.TabStrip1->count(), 2);
    EXPECT_EQ(log.TabStrip1->tabText(0), QStringLiteral("Main Output"));
    EXPECT_EQ(log.TabStrip1->tabText(1), QStringLiteral("Error Log"));
    EXPECT_EQ(log.TabStrip1->currentIndex(), 0);

    AddToLog(QStringLiteral("frmMain"), QStringLiteral("ProcessData"), RuntimeError(errSubscriptOutOfRange).err());
    EXPECT_EQ(log.txtLog->Text(), QStringLiteral("Error #10053 Connection is aborted in frmMain,Wsk_Error\n"
                                                 "Error #9 Subscript out of range in frmMain,ProcessData\n"));
    // Written in the box's own font and colour.
    QTextCursor inLine(log.txtLog->document());
    inLine.setPosition(3);
    EXPECT_FALSE(inLine.charFormat().hasProperty(QTextFormat::FontFamilies));
    EXPECT_FALSE(inLine.charFormat().hasProperty(QTextFormat::ForegroundBrush));

    // The tabs switch; the text stays.
    log.TabStrip1->setCurrentIndex(1);
    log.TabStrip1_Click();
    log.TabStrip1->setCurrentIndex(0);
    log.TabStrip1_Click();
    EXPECT_EQ(log.txtLog->document()->blockCount(), 3);

    // Unloading discards the text; the next error starts a fresh window.
    Forms::unload<frmDebug>();
    AddToLog(QStringLiteral("a"), QStringLiteral("b"), ErrObject{5, QStringLiteral("x")});
    EXPECT_EQ(Forms::get<frmDebug>().txtLog->Text(), QStringLiteral("Error #5 x in a,b\n"));
}
