#include "community/WhoList.h"

#include "community/PresetItem.h"
#include "foundation/Forms.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/Utilities.h"
#include "ui/ServerSend.h"
#include "ui/frmChat.h"

#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QTreeWidget>

namespace {

constexpr int kPictureSize = 16;
constexpr int kColumns = 4;
const QString kBuddyKey = QStringLiteral("Sun.ico");

void setLook(QTreeWidgetItem* item, std::optional<quint32> colour, bool bold, const QString& icon)
{
    if (colour)
        item->setForeground(0, SharedBrush(*colour));
    if (bold) {
        QFont f = item->font(0);
        f.setBold(true);
        item->setFont(0, f);
    }
    SetItemPicture(item, 0, icon);
}

// What SetItemPicture gives an item in a list, for an item still being built.
void presetPicture(PresetItem* item, int column, const QString& key)
{
    item->preset(column, kPictureKeyRole, key);
    item->preset(column, Qt::DecorationRole, key.isEmpty() ? QIcon() : ImageList1(key));
}

// The user list's item of a who reply's row, built whole before it joins the list.
PresetItem* rowItem(const WhoRow& row, const WhoListLook& look, const QFont& boldFont)
{
    auto* item = new PresetItem(14);
    item->preset(0, Qt::DisplayRole, row.Name);
    item->preset(1, Qt::DisplayRole, row.Level);
    item->preset(1, Qt::TextAlignmentRole, QVariant::fromValue(Qt::Alignment(Qt::AlignCenter)));
    // Cells beyond the last column stay unseen.
    for (int c = 2; c < kColumns && c <= static_cast<int>(look.cells.size()); ++c) {
        const WhoCell& cell = look.cells[static_cast<std::size_t>(c - 1)];
        item->preset(c, Qt::DisplayRole, cell.text);
        presetPicture(item, c, cell.icon);
    }
    if (look.colour)
        item->preset(0, Qt::ForegroundRole, SharedBrush(*look.colour));
    if (look.bold)
        item->preset(0, Qt::FontRole, boldFont);
    presetPicture(item, 0, look.icon);
    return item;
}

QTreeWidgetItem* newItem(const QString& name, const QString& level)
{
    auto* item = new QTreeWidgetItem(QStringList{name, level});
    item->setTextAlignment(1, Qt::AlignCenter);
    return item;
}

QTreeWidget& whoList() { return *Forms::get<frmChat>().WhoList; }

} // namespace

QIcon ImageList1(const QString& key)
{
    // Read again when the graphics folder changes.
    static std::optional<QString> loadedFrom;
    static QHash<QString, QIcon> pictures;
    const QString& folder = settings().GraphicsPath;
    if (folder != loadedFrom) {
        loadedFrom = folder;
        pictures.clear();
        const QImage strip(folder + QStringLiteral("WhoIcons.png"));
        for (int i = 0; i < 13 && !strip.isNull(); ++i)
            pictures.insert(QLatin1String(kWhoListPictureKeys[i]),
                            QIcon(QPixmap::fromImage(strip.copy(i * kPictureSize, 0, kPictureSize, kPictureSize))));
    }
    return pictures.value(key);
}

void SetItemPicture(QTreeWidgetItem* item, int column, const QString& key)
{
    item->setData(column, kPictureKeyRole, key);
    item->setIcon(column, key.isEmpty() ? QIcon() : ImageList1(key));
}

void SetUpWhoList(QTreeWidget* list)
{
    list->setColumnCount(kColumns);
    const int widths[kColumns] = {1301, 451, 300, 300};
    for (int c = 0; c < kColumns; ++c)
        list->setColumnWidth(c, toPixels(widths[c]));
    list->setHeaderHidden(true);
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    list->setIconSize(QSize(kPictureSize, kPictureSize));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList RebuildWhoList(QTreeWidget* list, const std::vector<WhoRow>& rows)
{
    list->clear();
    QStringList inGame;
    QFont bold;
    bold.setBold(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const WhoRow& row : rows) {
        const WhoListLook look = WhoListRowLook(row);
        items.append(rowItem(row, look, bold));
        if (look.inGame)
            inGame.append(row.Name);
    }
    list->addTopLevelItems(items);
    return inGame;
}

void WhoListAdd(const QString& name, qint16 slot, qint16 level)
{
    QTreeWidget& list = whoList();
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (StrEqual(list.topLevelItem(i)->text(0), name, 1))
            return;
    // A slot the table does not have is refused before the list changes, so
    // no player is listed that the slot table does not know.
    CheckWhoSlot(slot);
    QTreeWidgetItem* item = newItem(name, QString::number(level));
    list.addTopLevelItem(item);
    NameWhoSlot(slot, name);
    const WhoAddLook look = WhoListAddLook(level);
    setLook(item, look.colour, look.bold, look.icon);
    SendWhoRefresh();
}

void WhoListRemove(const QString& name, qint16 slot)
{
    QTreeWidget& list = whoList();
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (!StrEqual(list.topLevelItem(i)->text(0), name, 1))
            continue;
        CheckWhoSlot(slot);
        delete list.takeTopLevelItem(i);
        FreeWhoSlot(slot);
        return;
    }
}

void MarkWhoListUser(const QString& name)
{
    QTreeWidget& list = whoList();
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list.topLevelItem(i);
        if (item->text(0) != name) {
            SetItemPicture(item, 0, QString());
            continue;
        }
        const QString path = settings().GraphicsPath + kBuddyKey;
        if (!QFile::exists(path))
            Raise(errFileNotFound);
        item->setData(0, kPictureKeyRole, kBuddyKey);
        item->setIcon(0, QIcon(path));
    }
}

void SendWhoRefresh() { ServerSend(QStringLiteral("w"), QString()); }
