#pragma once
// A list item whose texts and looks are given once, as it is built, and kept
// in one flat table. A who reply rebuilds lists of a thousand players: an
// ordinary item files every column and role in a list of its own, compares
// it with the old value and tells its model; this one only appends. Reading
// is unchanged (text(), icon(), foreground(), data() ...), and a later
// setData on a column and role replaces the preset value as on any item.

#include <QBrush>
#include <QTreeWidgetItem>
#include <QVariant>
#include <vector>

class PresetItem : public QTreeWidgetItem {
public:
    // Room for this many preset values.
    explicit PresetItem(std::size_t values = 0);

    // Gives a column's role a value (a second value for the same column and
    // role replaces the first). Only while the item is in no list: the list
    // is not told.
    void preset(int column, int role, QVariant value);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

private:
    struct Value {
        int column;
        int role;
        QVariant value;
    };
    const QVariant* find(int column, int role) const;  // null for none
    std::vector<Value> values_;
};

// One brush per colour (red in the low byte), shared by every item drawn in it.
const QBrush& SharedBrush(quint32 rgb);
