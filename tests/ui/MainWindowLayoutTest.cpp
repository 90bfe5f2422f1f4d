// The main window's own layout: its inner size below the menu bar, which
// holds the game window and the chat window below it, and the status bar
// across the bottom strip.
#include "support/ClientTest.h"

#include "foundation/Twips.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <vector>

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

TEST_F(MainWindowLayoutTest, ButtonColumnsInTheirOrder)
{
    // The main window: Connect at the top, then the user buttons from top
    // 555 in steps of 285 in the order 0, 1, 2, 4, ..., 20, 22, 23; 3 and 21
    // hidden at the bottom.
    frmBack& b = Forms::get<frmBack>();
    EXPECT_EQ(b.cmdConnect->geometry(), QRect(0, 0, toPixels(1335), toPixels(360)));
    int slot = 0;
    for (int i = 0; i < 24; ++i) {
        if (i == 3 || i == 21) {
            EXPECT_TRUE(b.cmdAlias[i]->isHidden()) << i;
            continue;
        }
        EXPECT_EQ(b.cmdAlias[i]->y(), toPixels(555 + 285 * slot++)) << i;
        EXPECT_FALSE(b.cmdAlias[i]->isHidden()) << i;
    }
    EXPECT_EQ(b.txtSend->geometry(), QRect(0, toPixels(200), toPixels(13755), toPixels(330)));

    // The game window: one column at left 14040, Connect (360 high), Reload,
    // Get Flag, Get Token, then the user buttons (300 high) in the order
    // 12, 11, ..., 4, 2, 1, 0, 15, 16, ..., 21, 13, 14, 3.
    frmMain& g = Forms::get<frmMain>();
    std::vector<QPushButton*> column = {g.cmdConnect, g.cmdReload, g.Command1, g.Command2};
    for (int i : {12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1, 0, 15, 16, 17, 18, 19, 20, 21, 13, 14, 3})
        column.push_back(g.cmdAlias[i]);
    int top = 0;
    for (QPushButton* button : column) {
        EXPECT_EQ(button->x(), toPixels(14040));
        EXPECT_EQ(button->y(), top) << button->text().toStdString();
        top = button->y() + button->height();
    }
    EXPECT_EQ(g.cmdConnect->height(), toPixels(360));
    EXPECT_EQ(g.cmdAlias[0]->height(), toPixels(300));
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(g.cmdAlias[i]->isHidden(), i == 3 || i == 13 || i == 14 || i >= 16) << i;
    EXPECT_EQ(g.txtSend->y(), toPixels(8520));
}
