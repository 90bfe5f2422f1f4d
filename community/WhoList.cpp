#include "community/WhoList.h"

#include "community/PresetItem.h"
#include "foundation/Controls.h"
#include "foundation/Forms.h"
#include "foundation/SettingsState.h"
#include "foundation/Utilities.h"
#include "ui/ServerSend.h"
#include "ui/frmChat.h"

#include <QFile>
#include <QHash>
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

// A player of a who reply: the row's name and level, then the cells, colour,
// boldness and pictures of its look, as SetItemPicture and the like would
// give them.
class RowItem : public PresetItem {
public:
    RowItem(std::shared_ptr<const WhoRow> row, WhoListLook look) : row_(std::move(row)), look_(std::move(look)) {}

protected:
    QVariant presetData(int column, int role) const override
    {
        // Columns 2 and 3 show the look's cells 1 and 2; cells further on stay unseen.
        const WhoCell* cell = column >= 2 && column < kColumns && column <= static_cast<int>(look_.cells.size())
                                  ? &look_.cells[static_cast<std::size_t>(column - 1)]
                                  : nullptr;
        const QString* picture = column == 0 ? &look_.icon : cell ? &cell->icon : nullptr;
        if (role == Qt::DisplayRole) {
            if (column == 0)
                return row_->Name;
            if (column == 1)
                return row_->Level;
            return cell ? QVariant(cell->text) : QVariant();
        }
        if (role == Qt::TextAlignmentRole && column == 1)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        if (role == Qt::ForegroundRole && column == 0 && look_.colour)
            return SharedBrush(*look_.colour);
        if (role == Qt::FontRole && column == 0 && look_.bold) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == kPictureKeyRole && picture)
            return *picture;
        if (role == Qt::DecorationRole && picture)
            return picture->isEmpty() ? QIcon() : ImageList1(*picture);
        return {};
    }

private:
    std::shared_ptr<const WhoRow> row_;
    WhoListLook look_;
};

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
    SetColumnWidths(list, {1301, 451, 300, 300});
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setIconSize(QSize(kPictureSize, kPictureSize));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList RebuildWhoList(QTreeWidget* list, const std::shared_ptr<const std::vector<WhoRow>>& rows)
{
    list->clear();
    QStringList inGame;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows->size()));
    for (const WhoRow& row : *rows) {
        WhoListLook look = WhoListRowLook(row);
        if (look.inGame)
            inGame.append(row.Name);
        items.append(new RowItem(std::shared_ptr<const WhoRow>(rows, &row), std::move(look)));
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
