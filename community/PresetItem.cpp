#include "community/PresetItem.h"

#include <QColor>
#include <QHash>
#include <algorithm>

namespace {
// An item keeps its text for editing and for display as one value.
int sameRole(int role) { return role == Qt::EditRole ? Qt::DisplayRole : role; }
} // namespace

QVariant PresetItem::data(int column, int role) const
{
    role = sameRole(role);
    if (std::find(set_.begin(), set_.end(), std::pair(column, role)) == set_.end()) {
        QVariant preset = presetData(column, role);
        if (preset.isValid())
            return preset;
    }
    return QTreeWidgetItem::data(column, role);
}

void PresetItem::setData(int column, int role, const QVariant& value)
{
    const std::pair key(column, sameRole(role));
    if (std::find(set_.begin(), set_.end(), key) == set_.end())
        set_.push_back(key);
    QTreeWidgetItem::setData(column, role, value);
}

const QBrush& SharedBrush(quint32 rgb)
{
    static QHash<quint32, QBrush> brushes;
    auto it = brushes.find(rgb);
    if (it == brushes.end())
        it = brushes.insert(rgb, QBrush(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF)));
    return *it;
}
