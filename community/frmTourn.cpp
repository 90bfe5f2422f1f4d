#include "community/frmTourn.h"

#include "connection/ConnectionState.h"
#include "foundation/Twips.h"
#include "ui/FixedWindow.h"
#include "ui/ServerSend.h"

#include <QEvent>
#include <QLabel>

namespace {

constexpr int kAdminTab = 3;
constexpr int kAdminLevel = 85;

QRect twips(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QLineEdit* lineWithLabel(QWidget* parent, const QString& caption, int left, int top, int width)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(twips(left, top, width, 255));
    auto* box = new QLineEdit(parent);
    box->setGeometry(twips(left, top + 255, width, 315));
    return box;
}

// A locked grey box of the "Current" tab.
QLineEdit* infoBox(QWidget* parent, const QString& caption, int top)
{
    QLineEdit* box = lineWithLabel(parent, caption, 240, top, 4560);
    box->setReadOnly(true);
    QPalette grey = box->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    box->setPalette(grey);
    box->setText(QStringLiteral("<No Tournament Running>"));
    return box;
}

} // namespace

frmTourn::frmTourn()
{
    setWindowTitle(QStringLiteral("Tournament"));
    SetFixedSingle(this, 5520, 4260);

    tabMain = new QTabWidget(this);
    tabMain->setGeometry(twips(60, 60, 5400, 4140));

    auto* current = new QWidget;
    txtCurrent = infoBox(current, QStringLiteral("Current Tournament"), 120);
    txtRunBy = infoBox(current, QStringLiteral("Run By"), 840);
    txtPot = infoBox(current, QStringLiteral("Total Pot"), 1560);
    txtTeams = infoBox(current, QStringLiteral("Total Teams"), 2280);
    tabMain->addTab(current, QStringLiteral("Current"));

    auto* teams = new QWidget;
    tvwTeams = new QTreeWidget(teams);
    tvwTeams->setGeometry(twips(120, 120, 2520, 3360));
    tvwTeams->setHeaderHidden(true);
    frameJoin = new QGroupBox(QStringLiteral("Join"), teams);
    frameJoin->setGeometry(twips(2760, 120, 2400, 2160));
    auto* teamLabel = new QLabel(QStringLiteral("Team"), frameJoin);
    teamLabel->setGeometry(twips(120, 300, 2160, 255));
    txtTeam = new QComboBox(frameJoin);
    txtTeam->setEditable(true);
    txtTeam->setCompleter(nullptr);
    txtTeam->setGeometry(twips(120, 555, 2160, 315));
    txtPassword = lineWithLabel(frameJoin, QStringLiteral("Password"), 120, 960, 2160);
    cmdJoinQuit = new QPushButton(QStringLiteral("Join"), frameJoin);
    cmdJoinQuit->setGeometry(twips(120, 1620, 2160, 375));
    tabMain->addTab(teams, QStringLiteral("Teams"));

    auto* info = new QWidget;
    txtInfo = new QPlainTextEdit(info);
    txtInfo->setTabChangesFocus(true);  // Tab goes on, as from any box of a form
    txtInfo->setGeometry(twips(120, 120, 5040, 3360));
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabMain->addTab(info, QStringLiteral("Info"));

    auto* admin = new QWidget;
    tvAdmin = new QTreeWidget(admin);
    tvAdmin->setGeometry(twips(120, 120, 2040, 3360));
    tvAdmin->setHeaderHidden(true);
    Frame1 = new QGroupBox(QStringLiteral("Start Game"), admin);
    Frame1->setGeometry(twips(2280, 120, 2880, 1440));
    optTeams1 = new QRadioButton(QStringLiteral("Team1:"), Frame1);
    optTeams1->setGeometry(twips(120, 300, 960, 315));
    optTeams2 = new QRadioButton(QStringLiteral("Team2:"), Frame1);
    optTeams2->setGeometry(twips(120, 660, 960, 315));
    txtTeam1 = new QLineEdit(Frame1);
    txtTeam1->setGeometry(twips(1140, 300, 1620, 315));
    txtTeam2 = new QLineEdit(Frame1);
    txtTeam2->setGeometry(twips(1140, 660, 1620, 315));
    cmdStart = new QPushButton(QStringLiteral("Start Game"), Frame1);
    cmdStart->setGeometry(twips(1140, 1020, 1620, 315));
    Frame2 = new QGroupBox(QStringLiteral("Set Game"), admin);
    Frame2->setGeometry(twips(2280, 1620, 2880, 1380));
    txtSetTeam1 = lineWithLabel(Frame2, QStringLiteral("Team1:"), 120, 240, 1260);
    txtSetTeam2 = lineWithLabel(Frame2, QStringLiteral("Team2:"), 1500, 240, 1260);
    cmdSet = new QPushButton(QStringLiteral("Set Game"), Frame2);
    cmdSet->setGeometry(twips(1140, 900, 1620, 315));
    cmdLock = new QPushButton(QStringLiteral("Lock Tourn"), admin);
    cmdLock->setGeometry(twips(3420, 3120, 1740, 375));
    tabMain->addTab(admin, QStringLiteral("Admin"));

    connect(tabMain, &QTabWidget::currentChanged, this, [this] { tabMain_Click(); });
    connect(tvAdmin, &QTreeWidget::itemClicked, this, [this] { tvAdmin_NodeClick(); });
    connect(cmdJoinQuit, &QPushButton::clicked, this, [this] { cmdJoinQuit_Click(); });
    connect(cmdLock, &QPushButton::clicked, this, [this] { cmdLock_Click(); });
    connect(cmdSet, &QPushButton::clicked, this, [this] { cmdSet_Click(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
}

bool frmTourn::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return Form<QWidget>::event(e);
}

void frmTourn::focusInEvent(QFocusEvent* e)
{
    Form<QWidget>::focusInEvent(e);
    Form_GotFocus();
}

void frmTourn::requestShownTab() { ServerSend(QStringLiteral("T"), QString::number(tabMain->currentIndex())); }

void frmTourn::Form_Load()
{
    // The tab is decided once, by the level the server gave at this moment.
    tabMain->setTabVisible(kAdminTab, false);
    requestShownTab();
    if (connection().UserLevel >= kAdminLevel)
        tabMain->setTabVisible(kAdminTab, true);
}

void frmTourn::Form_Activate() { requestShownTab(); }
void frmTourn::Form_GotFocus() { requestShownTab(); }
void frmTourn::tabMain_Click() { requestShownTab(); }

void frmTourn::Form_Unload(int& Cancel)
{
    Cancel = 1;
    Hide();
}

void frmTourn::tvAdmin_NodeClick()
{
    const QTreeWidgetItem* node = tvAdmin->currentItem();
    if (!node || node->text(0).isEmpty())
        return;
    (optTeams1->isChecked() ? txtTeam1 : txtTeam2)->setText(node->text(0));
}

void frmTourn::cmdJoinQuit_Click()
{
    if (cmdJoinQuit->text() == QLatin1String("Join")) {
        ServerSend(QStringLiteral("C"), QStringLiteral("tourn join ") + txtTeam->currentText() + QLatin1Char(' ') +
                                            txtPassword->text());
        cmdJoinQuit->setText(QStringLiteral("Quit"));
    } else {
        ServerSend(QStringLiteral("C"), QStringLiteral("tourn quit"));
        cmdJoinQuit->setText(QStringLiteral("Join"));
    }
}

void frmTourn::cmdLock_Click() { ServerSend(QStringLiteral("C"), QStringLiteral("tourn lock")); }

void frmTourn::cmdSet_Click()
{
    ServerSend(QStringLiteral("C"),
               QStringLiteral("tourn setgame ") + txtSetTeam1->text() + QLatin1Char(' ') + txtSetTeam2->text());
}

void frmTourn::cmdStart_Click()
{
    ServerSend(QStringLiteral("C"), QStringLiteral("tourn game ") + txtTeam1->text().left(1) + QLatin1Char(' ') +
                                        txtTeam2->text().left(1));
}
