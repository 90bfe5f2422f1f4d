#include "community/frmTop10.h"

#include "community/Ranking.h"
#include "foundation/Controls.h"
#include "foundation/RuntimeError.h"
#include "foundation/Twips.h"
#include "foundation/frmDebug.h"
#include "ui/FixedWindow.h"
#include "ui/ServerSend.h"

#include <QHeaderView>

namespace {

constexpr int kValueColumn = 1;

struct Choice {
    const char* text;
    const char* request;
};
const Choice kChoices[] = {
    {"Last Game Splats", "4"},   {"Top 10 Splats", "2"},      {"Top 10 Team Splats", "3"},
    {"Top 10 Login Hours", "5"}, {"Top 10 Total Worth", "6"},
};

} // namespace

frmTop10::frmTop10()
{
    setWindowTitle(QStringLiteral("Top 10 Results"));
    SetFixedSingle(this, 4800, 5070);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);

    Image1 = new QLabel(this);
    Image1->setGeometry(toPixels(120), toPixels(120), toPixels(480), toPixels(480));
    Label1 = new QLabel(QStringLiteral("Please Choose a Score to View:"), this);
    Label1->setGeometry(toPixels(720), toPixels(120), toPixels(3960), toPixels(255));
    cmbTop10 = new QComboBox(this);
    cmbTop10->setGeometry(toPixels(720), toPixels(375), toPixels(3960), toPixels(315));
    for (const Choice& c : kChoices)
        cmbTop10->addItem(QLatin1String(c.text), 0);
    cmbTop10->setCurrentIndex(-1);
    Label2 = new QLabel(QStringLiteral("Top 10 for This (above) Score:"), this);
    Label2->setGeometry(toPixels(120), toPixels(840), toPixels(4560), toPixels(255));

    lvResults = new QTreeWidget(this);
    lvResults->setGeometry(toPixels(120), toPixels(1095), toPixels(4560), toPixels(3360));
    lvResults->setRootIsDecorated(false);
    lvResults->setColumnCount(3);
    lvResults->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Splats"), QStringLiteral("Date")});
    const char* keys[] = {"name", "splats", "date"};
    for (int c = 0; c < 3; ++c)
        lvResults->headerItem()->setData(c, Qt::UserRole, QLatin1String(keys[c]));
    SetColumnWidths(lvResults, {1440, 1440, 1440});
    lvResults->header()->setSectionsClickable(true);

    cmdExit = new QPushButton(QStringLiteral("&Ok "), this);
    cmdExit->setGeometry(toPixels(3360), toPixels(4575), toPixels(1320), toPixels(375));

    connect(cmbTop10, &QComboBox::activated, this, [this] { cmbTop10_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(lvResults->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { lvResults_ColumnClick(column); });
}

void frmTop10::Form_Load()
{
    CentreOnOwner(this);
    ShowProgramIcon(Image1);
}

void frmTop10::cmbTop10_Click()
{
    const QString chosen = cmbTop10->currentText();
    setCaption(chosen);
    for (const Choice& c : kChoices) {
        if (chosen == QLatin1String(c.text)) {
            ServerSend(QLatin1String(c.request), QString::number(cmbTop10->currentData().toInt()));
            return;
        }
    }
}

void frmTop10::cmdExit_Click() { Forms::unload(this); }

void frmTop10::ProcessData(const QString& Raw)
{
    showRanking(Raw, QStringLiteral("Splats"), QStringLiteral("ProcessData"));
}

void frmTop10::ProcessData1(const QString& Raw)
{
    showRanking(Raw, QStringLiteral("Hours"), QStringLiteral("ProcessData1"));
}

void frmTop10::showRanking(const QString& raw, const QString& valueHeader, const QString& procedure)
{
    lvResults->headerItem()->setText(kValueColumn, valueHeader);
    lvResults->clear();
    const Ranking ranking = ParseRanking(raw);
    QList<QTreeWidgetItem*> items;
    for (const RankingRow& row : ranking.Rows) {
        auto* item = new ListViewRow({row.Name, row.Value, row.Date});
        item->setData(0, Qt::UserRole, QStringLiteral("i") + QString::number(items.size()));
        item->setToolTip(1, row.Value);
        item->setToolTip(2, row.Date);
        items.append(item);
    }
    lvResults->addTopLevelItems(items);
    // A short row would leave the table half filled: it is left out and the
    // payload reported once.
    if (ranking.ShortRows > 0)
        AddToLog(QStringLiteral("frmTop10"), procedure, RuntimeError(errSubscriptOutOfRange).err());
}

void frmTop10::lvResults_ColumnClick(int column)
{
    const int rows = lvResults->topLevelItemCount();
    if (column == kValueColumn)
        for (int i = 0; i < rows; ++i) {
            QTreeWidgetItem* item = lvResults->topLevelItem(i);
            item->setText(kValueColumn, PadRankingValue(item->text(kValueColumn)));
        }
    SortOrder = SortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    // Sorted once per click: the values written back below must not move
    // the rows again.
    lvResults->sortItems(column, SortOrder);
    lvResults->header()->setSortIndicatorShown(true);
    lvResults->header()->setSortIndicator(column, SortOrder);
    if (column == kValueColumn)
        for (int i = 0; i < rows; ++i) {
            QTreeWidgetItem* item = lvResults->topLevelItem(i);
            item->setText(kValueColumn, RankingValueText(item->text(kValueColumn)));
        }
}
