#include "ui/frmChat.h"

#include "foundation/Twips.h"
#include "ui/frmBack.h"

#include <QHeaderView>
#include <QPainter>

namespace {
// The unread mark: a small speech bubble.
QPixmap unreadMark()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 200, 40));
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 3, 3);
    const QPointF tail[] = {QPointF(4, 11), QPointF(4, 14.5), QPointF(8, 11)};
    p.drawPolygon(tail, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 0));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(5 + i * 3, 7), 1, 1);
    return pm;
}
} // namespace

frmChat::frmChat()
{
    setWindowTitle(QStringLiteral("[Chat Window]"));
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    content = new QWidget(this);
    setWidget(content);

    picNewChat = new QLabel(content);
    picNewChat->setPixmap(unreadMark());
    picNewChat->hide();

    QFont arial(QStringLiteral("Arial"));
    SSTab1 = new QTabBar(content);
    SSTab1->setFont(arial);
    SSTab1->setDrawBase(true);
    SSTab1->setExpanding(false);
    for (const char* caption : {"Game Chat", "Global Chat", "Help Chat", "Trainer", "Team Chat"})
        SSTab1->addTab(QString::fromLatin1(caption));
    SSTab1->setGeometry(toPixels(2400), 0, toPixels(11460), SSTab1->sizeHint().height());

    tabArea = new QWidget(content);
    tabArea->setGeometry(toPixels(2400), SSTab1->height(), toPixels(11460), toPixels(2835) - SSTab1->height());

    QFont verdana(QStringLiteral("Verdana"));
    auto makeBox = [&]() {
        auto* box = new RichTextBox(tabArea);
        box->setFont(verdana);
        box->setGeometry(0, 0, toPixels(11450), toPixels(2535));
        box->hide();
        return box;
    };
    txtStatus = makeBox();
    txtGlobal = makeBox();
    txtHelp = makeBox();
    txtTrainer = makeBox();
    txtTeam = makeBox();
    txtStatus->show();

    WhoList = new QTreeWidget(content);
    WhoList->setGeometry(0, 0, toPixels(2415), toPixels(2835));
    WhoList->setRootIsDecorated(false);
    WhoList->header()->setStretchLastSection(true);

    Forms::get<frmBack>().addChild(this);
}

void frmChat::Form_Load()
{
    setHeight(3055);
    setWidth(13935);
}

void frmChat::MarkTabUnread(int tab)
{
    SSTab1->setTabIcon(tab, QIcon(picNewChat->pixmap()));
}

void frmChat::ClearTabMark(int tab)
{
    SSTab1->setTabIcon(tab, QIcon());
}

bool frmChat::TabMarked(int tab) const
{
    return !SSTab1->tabIcon(tab).isNull();
}
