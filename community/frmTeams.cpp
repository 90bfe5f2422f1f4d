#include "community/frmTeams.h"

#include "community/TeamStats.h"
#include "connection/ConnectionState.h"
#include "foundation/RuntimeError.h"
#include "platform/Services.h"
#include "ui/FixedWindow.h"
#include "ui/InputCodes.h"
#include "ui/ServerSend.h"

#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

// Removes the blanks before and after a text (blanks only, as the team
// commands expect; tabs and line breaks stay).
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QLabel* numberLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(90);
    return label;
}

} // namespace

frmTeams::frmTeams()
{
    setWindowTitle(QStringLiteral("Teams"));
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(8.25);
    setFont(verdana);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    auto* find = new QGroupBox(QStringLiteral("Find a Team:"), this);
    auto* findGrid = new QGridLayout(find);
    findGrid->addWidget(new QLabel(QStringLiteral("Search Team by Name:"), find), 0, 0, 1, 3);
    findGrid->addWidget(new QLabel(QStringLiteral("Name:"), find), 1, 0);
    txtTeamName = new QLineEdit(find);
    txtTeamName->installEventFilter(this);
    findGrid->addWidget(txtTeamName, 1, 1);
    cmdUpdate = new QPushButton(QStringLiteral("&Search"), find);
    findGrid->addWidget(cmdUpdate, 1, 2);
    outer->addWidget(find);

    auto* info = new QGroupBox(QStringLiteral("Team Information:"), this);
    auto* infoGrid = new QGridLayout(info);
    infoGrid->addWidget(new QLabel(QStringLiteral("Website:"), info), 0, 0);
    txtTeamWebsite = new QLineEdit(info);
    QFont link = verdana;
    link.setUnderline(true);
    txtTeamWebsite->setFont(link);
    QPalette blue = txtTeamWebsite->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    txtTeamWebsite->setPalette(blue);
    infoGrid->addWidget(txtTeamWebsite, 0, 1);
    infoGrid->addWidget(new QLabel(QStringLiteral("News:"), info), 1, 0);
    txtTeamNews = new QLineEdit(info);
    infoGrid->addWidget(txtTeamNews, 1, 1);
    ZephButton1 = new QPushButton(QStringLiteral("&Update"), info);
    infoGrid->addWidget(ZephButton1, 2, 1, Qt::AlignRight);
    outer->addWidget(info);

    auto* stats = new QGroupBox(QStringLiteral("Team Stats:"), this);
    auto* statsGrid = new QGridLayout(stats);
    const char* const captions[] = {"Splats:", "Online:", "Players:"};
    QLabel** values[] = {&txtSplats, &txtOnline, &txtPlayers};
    for (int i = 0; i < 3; ++i) {
        statsGrid->addWidget(new QLabel(QLatin1String(captions[i]), stats), 0, 2 * i);
        *values[i] = numberLabel(stats);
        statsGrid->addWidget(*values[i], 0, 2 * i + 1);
    }
    outer->addWidget(stats);

    auto* members = new QGroupBox(QStringLiteral("Team Members"), this);
    auto* membersBox = new QVBoxLayout(members);
    ListTeam = new QTreeWidget(members);
    ListTeam->setRootIsDecorated(false);
    ListTeam->setColumnCount(2);
    ListTeam->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Rank")});
    const char* const columnTags[] = {"Name of player ", "Rank of player"};
    for (int c = 0; c < 2; ++c) {
        ListTeam->headerItem()->setData(c, Qt::UserRole, ListTeam->headerItem()->text(c));
        ListTeam->headerItem()->setData(c, Qt::UserRole + 1, QLatin1String(columnTags[c]));
    }
    ListTeam->header()->setSectionsClickable(true);
    ListTeam->setToolTip(QStringLiteral("Right click a player to view team options"));
    ListTeam->setMinimumSize(360, 160);
    membersBox->addWidget(ListTeam);
    outer->addWidget(members);

    auto* buttons = new QHBoxLayout();
    cmdCreate = new QPushButton(QStringLiteral("Create"), this);
    cmdQuit = new QPushButton(QStringLiteral("Leave"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    buttons->addWidget(cmdCreate);
    buttons->addWidget(cmdQuit);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    StatusBar1 = new StatusBar({}, this);
    outer->addWidget(StatusBar1);

    mnuTeam = new QMenu(QStringLiteral("Team"), this);
    mnuTeam->setSeparatorsCollapsible(false);
    mnuTeamPromote = mnuTeam->addAction(QStringLiteral("Promote"));
    mnuTeamDemote = mnuTeam->addAction(QStringLiteral("Demote"));
    mnuTeam->addSeparator();
    mnuTeamKick = mnuTeam->addAction(QStringLiteral("Kick"));
    mnuTeam->setEnabled(false);

    connect(cmdUpdate, &QPushButton::clicked, this, &frmTeams::cmdUpdate_Click);
    connect(ZephButton1, &QPushButton::clicked, this, &frmTeams::ZephButton1_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &frmTeams::cmdCreate_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTeams::cmdQuit_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmTeams::cmdClose_Click);
    connect(mnuTeamPromote, &QAction::triggered, this, &frmTeams::mnuTeamPromote_Click);
    connect(mnuTeamDemote, &QAction::triggered, this, &frmTeams::mnuTeamDemote_Click);
    connect(mnuTeamKick, &QAction::triggered, this, &frmTeams::mnuTeamKick_Click);
    connect(ListTeam->header(), &QHeaderView::sectionClicked, this, &frmTeams::ListTeam_ColumnClick);
    OnMouseDown(ListTeam->viewport(),
                [this](int button, int shift, float x, float y) { ListTeam_MouseDown(button, shift, x, y); });
}

void frmTeams::Form_Load()
{
    adjustSize();
    CentreOnOwner(this);
    sendTeam(QStringLiteral("0"));
    // A reply that arrives meanwhile stores the own team's name.
    DoEvents();
    txtTeamName->setText(connection().TeamName);
    cmdUpdate_Click();
}

void frmTeams::sendTeam(const QString& text) { ServerSend(QStringLiteral("t"), text); }

void frmTeams::setMemberEditing(bool enabled)
{
    txtTeamNews->setEnabled(enabled);
    txtTeamWebsite->setEnabled(enabled);
    mnuTeam->setEnabled(enabled);
}

void frmTeams::cmdUpdate_Click()
{
    if (txtTeamWebsite->text() != txtTeamWebsiteTag)
        sendTeam(QStringLiteral("9") + trimBlanks(txtTeamWebsite->text()));
    if (txtTeamNews->text() != txtTeamNewsTag)
        sendTeam(QStringLiteral("8") + trimBlanks(txtTeamNews->text()));
    setMemberEditing(false);
    sendTeam(QStringLiteral("1") + trimBlanks(txtTeamName->text()));
    ListTeam->clear();
}

void frmTeams::ZephButton1_Click() { cmdUpdate_Click(); }

void frmTeams::txtTeamName_KeyPress(int& KeyAscii)
{
    if (KeyAscii == vbKeyReturn)
        cmdUpdate_Click();
}

bool frmTeams::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTeamName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            int keyAscii = vbKeyReturn;
            txtTeamName_KeyPress(keyAscii);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTeams::RecvData(QString strRaw)
{
    if (strRaw.isEmpty())
        return;
    StatusBar1->setSimpleText(QStringLiteral("Updating...."));
    const team::TeamStats stats = team::ParseTeamStats(strRaw, connection().UserName);
    if (stats.NoSuchTeam) {
        StatusBar1->setSimpleText(QStringLiteral("Team you are trying to stat does not exist!"));
        return;
    }
    if (stats.Name)
        txtTeamName->setText(*stats.Name);
    if (stats.Splats)
        txtSplats->setText(*stats.Splats);
    if (stats.Website) {
        txtTeamWebsite->setText(*stats.Website);
        txtTeamWebsiteTag = txtTeamWebsite->text();
    }
    if (stats.News) {
        txtTeamNews->setText(*stats.News);
        txtTeamNewsTag = txtTeamNews->text();
    }
    if (stats.Online)
        txtOnline->setText(QString::number(*stats.Online));
    if (stats.OwnTeam)
        setMemberEditing(true);

    // Rows are keyed by the member's name: a name already listed is not added again.
    QSet<QString> listed;
    for (int i = 0; i < ListTeam->topLevelItemCount(); ++i)
        listed.insert(ListTeam->topLevelItem(i)->text(0));
    QList<QTreeWidgetItem*> rows;
    for (const team::Member& m : stats.Members) {
        if (listed.contains(m.Name))
            continue;
        listed.insert(m.Name);
        rows.append(new ListViewRow(QStringList{m.Name, m.Rank}));
    }
    ListTeam->addTopLevelItems(rows);
    applySort();
    txtPlayers->setText(QString::number(stats.Players));
    StatusBar1->setSimpleText(QStringLiteral("Updated."));
}

void frmTeams::cmdCreate_Click()
{
    QString name =
        platform::services().inputBox(QStringLiteral("Please enter a team name."), QStringLiteral("Team Console"), {});
    if (name.isEmpty())
        return;
    sendTeam(QStringLiteral("2") + name.remove(QLatin1Char(' ')));
}

void frmTeams::cmdQuit_Click()
{
    if (platform::MsgBox(QStringLiteral("Are you sure you want to quit your team?"), platform::vbYesNo,
                         QStringLiteral("Team Console")) == platform::vbYes)
        sendTeam(QStringLiteral("3"));
}

void frmTeams::cmdClose_Click() { Forms::unload<frmTeams>(); }

void frmTeams::ListTeam_MouseDown(int Button, int, float, float)
{
    // The menu pops up only while the player may act on the shown team.
    if (Button == vbRightButton && mnuTeam->isEnabled())
        mnuTeam->popup(QCursor::pos());
}

void frmTeams::memberCommand(char digit)
{
    const QList<QTreeWidgetItem*> selected = ListTeam->selectedItems();
    if (!selected.isEmpty())
        sendTeam(QLatin1Char(digit) + selected.first()->text(0));
}

void frmTeams::mnuTeamPromote_Click() { memberCommand('6'); }
void frmTeams::mnuTeamDemote_Click() { memberCommand('7'); }
void frmTeams::mnuTeamKick_Click() { memberCommand('5'); }

void frmTeams::ListTeam_ColumnClick(int column)
{
    SortKey = ListTeam->headerItem()->text(column) == QLatin1String("Rank") ? 1 : 0;
    SortOrder = SortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    // From the first click on, the list keeps itself sorted.
    Sorted = true;
    applySort();
}

void frmTeams::applySort()
{
    if (Sorted)
        ListTeam->sortItems(SortKey, SortOrder);
}
