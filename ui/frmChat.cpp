#include "ui/frmChat.h"

#include "community/WhoList.h"
#include "foundation/Twips.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/frmBack.h"
#include "ui/frmMain.h"

#include <QHeaderView>
#include <QMouseEvent>
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

const char* const kTabCaptions[] = {"Game Chat", "Global Chat", "Help Chat", "Trainer", "Team Chat"};
constexpr int kTeamTab = 4;
} // namespace

frmChat::frmChat()
{
    setWindowTitle(QStringLiteral("[Chat Window]"));
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    content = new QWidget(this);
    setWidget(content);
    content->installEventFilter(this);
    // The bare surface hears the pointer's moves with no button held too.
    content->setMouseTracking(true);

    picNewChat = new QLabel(content);
    picNewChat->setPixmap(unreadMark());
    picNewChat->hide();

    QFont arial(QStringLiteral("Arial"));
    SSTab1 = new QTabBar(content);
    SSTab1->setFont(arial);
    SSTab1->setDrawBase(true);
    SSTab1->setExpanding(false);
    for (const char* caption : kTabCaptions)
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
    SetUpWhoList(WhoList);

    // A click selects a tab (or re-selects the selected one); a double click
    // follows the click's handling of the same tab.
    connect(SSTab1, &QTabBar::currentChanged, this, [this](int) {
        const int previous = previousTab_;
        previousTab_ = SSTab1->currentIndex();
        SSTab1_Click(previous);
    });
    connect(SSTab1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == SSTab1->currentIndex())
            SSTab1_Click(index);
    });
    // The tab bar treats the second press of a double click as a click too,
    // after announcing the double click; queued, the double-click step runs
    // after that click's handling.
    connect(
        SSTab1, &QTabBar::tabBarDoubleClicked, this,
        [this](int index) {
            if (index >= 0)
                SSTab1_DblClick();
        },
        Qt::QueuedConnection);

    Forms::get<frmBack>().addChild(this);
}

void frmChat::Form_Load()
{
    setHeight(3055);
    setWidth(13935);
}

int frmChat::SSTab1Height() const { return toTwips(SSTab1->height() + tabArea->height()); }

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

void frmChat::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    Form_Resize();
}

void frmChat::Form_Resize()
{
    // Each step on its own: a height that would be negative (a very small
    // window) skips that step and the next one still runs.
    const int h = Height();
    const int tabTarget = h - 700;
    if (tabTarget >= 0) {
        tabArea->resize(tabArea->width(), std::max(0, toPixels(tabTarget) - SSTab1->height()));
        WhoList->resize(WhoList->width(), toPixels(tabTarget));
    }
    for (RichTextBox* box : boxes()) {
        const int boxTarget = SSTab1Height() - 300;
        if (boxTarget >= 0)
            box->resize(box->width(), toPixels(boxTarget));
    }
}

int frmChat::selectedTabByCaption() const
{
    const QString caption = SSTab1Caption();
    for (int i = 0; i < 5; ++i)
        if (caption == QLatin1String(kTabCaptions[i]))
            return i;
    return -1;
}

void frmChat::showBoxOf(int tab)
{
    const auto all = boxes();
    for (int i = 0; i < 5; ++i)
        all[i]->setVisible(i == tab);
    ClearTabMark(tab);
}

void frmChat::SSTab1_Click(int)
{
    const int tab = selectedTabByCaption();
    if (tab < 0)
        return;
    showBoxOf(tab);
    SetFocusIfAble(Forms::get<frmMain>().picMap);
}

void frmChat::SSTab1_DblClick()
{
    const int tab = selectedTabByCaption();
    if (tab < 0 || tab == kTeamTab)
        return;
    showBoxOf(tab);
    focusInputLine();
}

void frmChat::focusInputLine() { SetFocusIfAble(Forms::get<frmBack>().txtSend); }

void frmChat::Form_Click() { focusInputLine(); }
void frmChat::Form_MouseDown(int, int, float, float) { focusInputLine(); }
void frmChat::Form_MouseUp(int, int, float, float) { focusInputLine(); }
void frmChat::Form_MouseMove(int, int, float, float) { focusInputLine(); }

bool frmChat::eventFilter(QObject* watched, QEvent* event)
{
    // Only the bare surface's own events: those that a tab, a chat box or the
    // list leaves unhandled come up to the surface too, and are not its.
    const bool mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
                       event->type() == QEvent::MouseMove;
    if (watched == content && mouse &&
        !content->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(event);
            Form_MouseDown(MouseButtonCode(m->button()), ShiftState(m->modifiers()), toTwips(m->position().toPoint().x()),
                           toTwips(m->position().toPoint().y()));
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            Form_MouseUp(MouseButtonCode(m->button()), ShiftState(m->modifiers()), toTwips(m->position().toPoint().x()),
                         toTwips(m->position().toPoint().y()));
            Form_Click();
            break;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(event);
            Form_MouseMove(MouseButtonCode(m->button()), ShiftState(m->modifiers()), toTwips(m->position().toPoint().x()),
                           toTwips(m->position().toPoint().y()));
            break;
        }
        default:
            break;
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}
