#include "foundation/frmDebug.h"
#include "support/FakeGameServer.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>
#include <QWheelEvent>

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

class frmDebugWireTest : public FakeServerTest {};

TEST_F(frmDebugWireTest, EveryChangeOfTheSelectedTabSwitchesTheServersDebugOutput)
{
    connectGame();
    frmDebug& log = Forms::get<frmDebug>();
    log.Show();
    // By keyboard, by the mouse wheel and by a click.
    QTest::keyClick(log.TabStrip1, Qt::Key_Right);
    QTest::keyClick(log.TabStrip1, Qt::Key_Left);
    const QPointF centre = log.TabStrip1->rect().center();
    QWheelEvent wheel(centre, log.TabStrip1->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(log.TabStrip1, &wheel);
    EXPECT_EQ(log.TabStrip1->currentIndex(), 1);
    QTest::mouseClick(log.TabStrip1, Qt::LeftButton, {}, log.TabStrip1->tabRect(0).center());
    ASSERT_TRUE(fake->waitForGameFrames(5));
    EXPECT_EQ(fake->gameFrames(), (QList<QByteArray>{ClientFrame('e', "1"), ClientFrame('e', "0"), ClientFrame('e', "1"),
                                                     ClientFrame('e', "0"), ClientFrame('e', "1")}));
}
