#include "community/PresetItem.h"

#include <QColor>
#include <QHash>

namespace {
// An item keeps its text for editing and for display as one value.
int sameRole(int role) { return role == Qt::EditRole ? Qt::DisplayRole : role; }
} // namespace

PresetItem::PresetItem(std::size_t values) { values_.reserve(values); }

qsizetype PresetItem::indexOf(int column, int role) const
{
    role = sameRole(role);
    for (std::size_t i = 0; i < values_.size(); ++i)
        if (values_[i].column == column && values_[i].role == role)
            return static_cast<qsizetype>(i);
    return -1;
}

void PresetItem::preset(int column, int role, QVariant value)
{
    const qsizetype i = indexOf(column, role);
    if (i >= 0)
        values_[static_cast<std::size_t>(i)].value = std::move(value);
    else
        values_.push_back({column, sameRole(role), std::move(value)});
}

QVariant PresetItem::data(int column, int role) const
{
    const qsizetype i = indexOf(column, role);
    return i >= 0 ? values_[static_cast<std::size_t>(i)].value : QTreeWidgetItem::data(column, role);
}

void PresetItem::setData(int column, int role, const QVariant& value)
{
    const qsizetype i = indexOf(column, role);
    if (i >= 0)
        values_.erase(values_.begin() + i);
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
