#include "community/frmWho.h"

#include "community/PresetItem.h"
#include "community/WhoData.h"
#include "community/WhoList.h"
#include "community/frmGame.h"
#include "connection/ConnectionState.h"
#include "foundation/ButtonTable.h"
#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/WindowUtil.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "ui/Focus.h"
#include "ui/InputCodes.h"
#include "ui/ServerSend.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmChat.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>
#include <memory>
#include <numeric>

namespace {

struct Column {
    const char* header;
    const char* key;
    int width;  // twips
};
constexpr Column kColumns[WhoRow::kFieldCount] = {
    {"Charactername", "User", 1440}, {"Lvl", "Level", 510},  {"Rank", "Rank", 1650},
    {"Splats", "Splats", 900},       {"Ready", "Ready", 825}, {"Team", "Team", 1200},
    {"Games", "Games", 825},         {"Idle", "Idle", 525},   {"", "Cash", 21600}};
// The columns' keys. A row's key is its name (its text), and its sub-items'
// keys ("level", "Rank", "splats", "ready", "team", "Game Chat", "idle",
// "cash") are the same on every row: nothing looks them up.
constexpr int kKeyRole = Qt::UserRole;

// Rows sort by their text, letter case aside, as the list always did.
bool textLess(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

// A row of the list: the reply's row, drawn in its level's colour.
class WhoItem : public PresetItem {
public:
    WhoItem(std::shared_ptr<const WhoRow> row, QBrush colour) : row_(std::move(row)), colour_(std::move(colour)) {}
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return textLess(text(column), other.text(column));
    }

protected:
    QVariant presetData(int column, int role) const override
    {
        if (role == Qt::DisplayRole && column >= 0 && column < WhoRow::kFieldCount)
            return row_->field(column);
        if (role == Qt::ForegroundRole && column == 0 && colour_.style() != Qt::NoBrush)
            return colour_;
        return {};
    }

private:
    std::shared_ptr<const WhoRow> row_;
    QBrush colour_;  // none keeps the list's colour
};

// The rows in the order the list's own sort gives them: stable, the
// descending order by swapped sides.
void sortAsTheList(std::vector<WhoRow>& rows, int column, Qt::SortOrder order)
{
    std::vector<std::size_t> byKey(rows.size());
    std::iota(byKey.begin(), byKey.end(), std::size_t{0});
    const auto key = [&](std::size_t i) -> const QString& { return rows[i].field(column); };
    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(byKey.begin(), byKey.end(), [&](std::size_t a, std::size_t b) {
        return ascending ? textLess(key(a), key(b)) : textLess(key(b), key(a));
    });
    std::vector<WhoRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : byKey)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

} // namespace

frmWho::frmWho()
{
    setWindowTitle(WhoCaption(0));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(toPixels(8940), toPixels(6735));

    gridWhoWindow = new QTreeWidget(this);
    gridWhoWindow->setGeometry(toPixels(60), toPixels(60), toPixels(7170), toPixels(6315));
    gridWhoWindow->setFont(QFont(QStringLiteral("Verdana")));
    gridWhoWindow->setRootIsDecorated(false);
    gridWhoWindow->setUniformRowHeights(true);
    gridWhoWindow->setSelectionMode(QAbstractItemView::SingleSelection);
    gridWhoWindow->setColumnCount(WhoRow::kFieldCount);
    auto* header = new QTreeWidgetItem();
    for (int c = 0; c < WhoRow::kFieldCount; ++c) {
        header->setText(c, QLatin1String(kColumns[c].header));
        header->setData(c, kKeyRole, QLatin1String(kColumns[c].key));
    }
    gridWhoWindow->setHeaderItem(header);
    gridWhoWindow->header()->setSectionsClickable(true);
    std::vector<int> widths;
    for (const auto& column : kColumns)
        widths.push_back(column.width);
    SetColumnWidths(gridWhoWindow, widths);
    connect(gridWhoWindow->header(), &QHeaderView::sectionClicked, this, &frmWho::gridWhoWindow_ColumnClick);

    for (int k = 0; k < static_cast<int>(cmdAlias.size()); ++k) {
        QPushButton* b = cmdAlias[static_cast<std::size_t>(k)];
        const int index = kAliasFirst + k;
        b->setGeometry(toPixels(7350), toPixels(60 + k * 435), toPixels(1455), toPixels(375));
        connect(b, &QPushButton::clicked, this, [this, index] { cmdAlias_Click(index); });
        OnMouseDown(b, [this, index](int button, int shift, float x, float y) {
            cmdAlias_MouseDown(index, button, shift, x, y);
        });
    }
    cmdUpdate = new QPushButton(QStringLiteral("Update"), this);
    cmdUpdate->setGeometry(toPixels(7350), toPixels(5520), toPixels(1455), toPixels(375));
    cmdUpdate->hide();
    cmdOkay = new QPushButton(QStringLiteral("&Close"), this);
    cmdOkay->setGeometry(toPixels(7350), toPixels(6000), toPixels(1455), toPixels(375));
    connect(cmdUpdate, &QPushButton::clicked, this, &frmWho::cmdUpdate_Click);
    connect(cmdOkay, &QPushButton::clicked, this, &frmWho::cmdOkay_Click);

    StatusBar1 = new StatusBar({}, this);
    StatusBar1->setGeometry(0, toPixels(6735 - 300), toPixels(8940), toPixels(300));
    StatusBar1->hide();
    lblNumber = new QLabel(this);
    lblNumber->hide();
    Picture1 = new QWidget(this);
    Picture1->setGeometry(0, 0, 1, 1);

    CentreOnOwner(this, Forms::find<frmBack>());
}

void frmWho::Form_Load()
{
    for (int i = kAliasFirst; i < kAliasFirst + static_cast<int>(cmdAlias.size()); ++i) {
        ReadButtonEntry(i);
        const UserButton& b = settings().Buttons[static_cast<std::size_t>(i)];
        cmdAlias[static_cast<std::size_t>(i - kAliasFirst)]->setText(b.Name);
        cmdAlias[static_cast<std::size_t>(i - kAliasFirst)]->setToolTip(b.Tip);
    }
    allowSeveralForStaff();
    cmdUpdate_Click();
}

void frmWho::Form_Unload(int&)
{
    if (frmBack* back = Forms::find<frmBack>())
        SetFocusIfAble(back->txtSend);
    platform::SettingsSave save(platform::programName());
    WriteButtonTable(save);
    WriteSettingsSave(QStringLiteral("frmWho"), QStringLiteral("Form_Unload"), save);
}

void frmWho::allowSeveralForStaff()
{
    if (connection().UserLevel >= 80)
        gridWhoWindow->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void frmWho::Form_GotFocus() { allowSeveralForStaff(); }

void frmWho::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
}

void frmWho::Update(const QString& RawData)
{
    frmGame& room = Forms::get<frmGame>();
    room.ListPlayers->clear();
    gridWhoWindow->clear();

    WhoReply reply = ParseWhoReply(RawData);
    // A malformed entry costs only itself; the first is recorded.
    if (reply.firstError)
        AddToLog(QStringLiteral("frmWho"), QStringLiteral("Update"), *reply.firstError);
    // The rows take the list's order before they become items, so that the
    // user list follows it without reading the items back.
    if (sorted_)
        sortAsTheList(reply.rows, sortKey_, sortOrder_);
    // Both lists' items read their texts from the rows, which live as long as they do.
    const auto rows = std::make_shared<const std::vector<WhoRow>>(std::move(reply.rows));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows->size()));
    for (const WhoRow& row : *rows) {
        const auto colour = WhoWindowColour(row);
        items.append(new WhoItem(std::shared_ptr<const WhoRow>(rows, &row), colour ? SharedBrush(*colour) : QBrush()));
    }
    gridWhoWindow->addTopLevelItems(items);

    const int count = gridWhoWindow->topLevelItemCount();
    setCaption(WhoCaption(count));
    if (count > 0)
        room.ListPlayers->addItems(RebuildWhoList(Forms::get<frmChat>().WhoList, rows));
    const QListWidgetItem* current = room.ListPlayers->currentItem();
    room.LblPlayers->setText(current && current->isSelected() ? current->text() : QString());
    StatusBar1->setSimpleText(QStringLiteral("Updated"));
}

void frmWho::gridWhoWindow_ColumnClick(int column)
{
    const QString header = gridWhoWindow->headerItem()->text(column);
    int key = 0;
    for (int c = 0; c < WhoRow::kFieldCount - 1; ++c)
        if (header == QLatin1String(kColumns[c].header))
            key = c;
    sortKey_ = key;
    sortOrder_ = sortOrder_ == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    sorted_ = true;
    gridWhoWindow->sortItems(sortKey_, sortOrder_);
}

void frmWho::cmdAlias_Click(int Index)
{
    QStringList selected;
    for (int i = 0; i < gridWhoWindow->topLevelItemCount(); ++i)
        if (gridWhoWindow->topLevelItem(i)->isSelected())
            selected.append(gridWhoWindow->topLevelItem(i)->text(0));
    const bool several = gridWhoWindow->selectionMode() != QAbstractItemView::SingleSelection;
    const QString& command = settings().Buttons.at(static_cast<std::size_t>(Index)).Command;
    if (const auto text = WhoButtonText(command, selected, several))
        ServerSend(QStringLiteral("C"), *text);
}

void frmWho::cmdAlias_MouseDown(int Index, int Button, int, float, float)
{
    if (Button == vbRightButton)
        Forms::get<frmBtnEdit>().EditButton(Index);
}

void frmWho::cmdOkay_Click() { Forms::unload<frmWho>(); }

void frmWho::cmdUpdate_Click() {}
