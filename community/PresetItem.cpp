#include "community/PresetItem.h"

#include <QColor>
#include <QHash>

namespace {
// An item keeps its text for editing and for display as one value.
int sameRole(int role) { return role == Qt::EditRole ? Qt::DisplayRole : role; }
} // namespace

PresetItem::PresetItem(std::size_t values) { values_.reserve(values); }

const QVariant* PresetItem::find(int column, int role) const
{
    // The last value preset for a column and role holds.
    role = sameRole(role);
    for (auto v = values_.rbegin(); v != values_.rend(); ++v)
        if (v->column == column && v->role == role)
            return &v->value;
    return nullptr;
}

void PresetItem::preset(int column, int role, QVariant value)
{
    values_.push_back({column, sameRole(role), std::move(value)});
}

QVariant PresetItem::data(int column, int role) const
{
    const QVariant* v = find(column, role);
    return v ? *v : QTreeWidgetItem::data(column, role);
}

void PresetItem::setData(int column, int role, const QVariant& value)
{
    const int same = sameRole(role);
    std::erase_if(values_, [&](const Value& v) { return v.column == column && v.role == same; });
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
