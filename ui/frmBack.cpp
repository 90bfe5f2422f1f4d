#include "ui/frmBack.h"

#include "foundation/Twips.h"
#include "ui/frmMain.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {
QFont arial825()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    return f;
}
} // namespace

frmBack::frmBack()
{
    setWindowTitle(QStringLiteral("Quelvar"));
    // No close box: the program is left through the game window's File > Exit.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    Picture1 = new QWidget(central);
    Picture1->setFixedHeight(toPixels(255));
    outer->addWidget(Picture1);

    auto* middle = new QHBoxLayout();
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    mdiArea = new QMdiArea(central);
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    middle->addWidget(mdiArea, 1);

    Picture2 = new QWidget(central);
    Picture2->setFixedWidth(toPixels(1350));
    middle->addWidget(Picture2);
    outer->addLayout(middle, 1);

    const QFont buttonFont = arial825();
    cmdConnect = new QPushButton(QStringLiteral("Connect"), Picture2);
    cmdConnect->setFont(buttonFont);
    cmdConnect->setGeometry(0, 0, toPixels(1335), toPixels(360));
    // One column from top 555 in the order 0, 1, 2, 4, ..., 20, 22, 23; 3 and
    // 21 are hidden at the bottom.
    int slot = 0;
    for (int i = 0; i < 24; ++i) {
        auto* b = new QPushButton(Picture2);
        b->setFont(buttonFont);
        cmdAlias[i] = b;
        if (i == 3 || i == 21) {
            b->setGeometry(0, toPixels(555 + 23 * 285), toPixels(75), toPixels(300));
            b->hide();
            continue;
        }
        b->setGeometry(0, toPixels(555 + slot * 285), toPixels(1335), toPixels(300));
        ++slot;
    }

    Picture3 = new QWidget(central);
    Picture3->setFixedHeight(toPixels(855));
    outer->addWidget(Picture3);
    txtSend = new QComboBox(Picture3);
    txtSend->setEditable(true);
    txtSend->setInsertPolicy(QComboBox::NoInsert);
    txtSend->setFont(buttonFont);
    txtSend->setGeometry(0, toPixels(200), toPixels(13755), toPixels(330));
    StatBar = new StatusBar({toPixels(1275), toPixels(12000), toPixels(1814)}, Picture3);
    StatBar->setGeometry(0, toPixels(550), toPixels(15240), toPixels(285));
    StatBar->setPanelToolTip(1, QStringLiteral("Connection Status"));
    StatBar->setPanelToolTip(2, QStringLiteral("Information"));
    StatBar->setPanelToolTip(3, QStringLiteral("Frames Per Second"));

    setCentralWidget(central);

    menus_ = menuBar();
    mnuFile = new QMenu(QStringLiteral("File"), this);
    mnuFileConnect = mnuFile->addAction(QStringLiteral("Connect"));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("Exit"));
    menus_->addMenu(mnuFile);

    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmBack::showMenusOf);

    resize(toPixels(15240), toPixels(10710));
}

void frmBack::Form_Load()
{
    // The window offers no close box (set up in the constructor).
}

void frmBack::Show()
{
    showMaximized();
    raise();
}

void frmBack::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void frmBack::addChild(QMdiSubWindow* child)
{
    mdiArea->addSubWindow(child);
}

void frmBack::showMenusOf(QMdiSubWindow* child)
{
    menus_->clear();
    auto* game = dynamic_cast<frmMain*>(child);
    if (game) {
        for (QMenu* m : game->menuBarMenus())
            menus_->addMenu(m);
    } else {
        menus_->addMenu(mnuFile);
    }
}
