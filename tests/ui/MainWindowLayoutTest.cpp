// The main window's own layout: its inner size below the menu bar, which
// holds the game window and the chat window below it, and the status bar
// across the bottom strip.
#include "support/ClientTest.h"

#include "foundation/Twips.h"
#include "ui/frmBack.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>

class MainWindowLayoutTest : public ClientTest {};

TEST_F(MainWindowLayoutTest, InnerSizeHoldsBothChildrenAndTheStatusBarSpansTheStrip)
{
    frmBack& b = Forms::get<frmBack>();
    b.layout()->activate();
    EXPECT_EQ(b.centralWidget()->width(), toPixels(15240));
    EXPECT_EQ(b.centralWidget()->height(), toPixels(10710));
    // The game window (6500 twips high) and the chat window below it (3055).
    EXPECT_GE(b.centralWidget()->height() - b.Picture1->height() - b.Picture3->height(),
              toPixels(6500) + toPixels(3055));

    b.showNormal();
    b.resize(toPixels(15240) + 300, b.height());
    QApplication::processEvents();
    EXPECT_EQ(b.Picture3->width(), b.width());
    EXPECT_EQ(b.StatBar->width(), b.Picture3->width());
    EXPECT_EQ(b.StatBar->y(), toPixels(550));
}
