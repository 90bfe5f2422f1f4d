#pragma once
// A list item that answers from what it was built from. A who reply rebuilds
// lists of a thousand players: an ordinary item files every text and look in
// lists of its own, one allocation after another, and drops them all at the
// next reply; this one reads them from the reply's row when the list asks
// (for the rows in view, as they are drawn). What is set later (setData,
// setText, setIcon ...) is filed as on any item and holds from then on;
// only that counts in columnCount() and goes into a clone().

#include <QBrush>
#include <QTreeWidgetItem>
#include <QVariant>
#include <utility>
#include <vector>

class PresetItem : public QTreeWidgetItem {
public:
    QVariant data(int column, int role) const final;
    void setData(int column, int role, const QVariant& value) final;

protected:
    // The value of a column and role as built; an invalid value for none.
    // The display role stands for the edit role too.
    virtual QVariant presetData(int column, int role) const = 0;

private:
    std::vector<std::pair<int, int>> set_;  // the columns and roles set since
};

// One brush per colour (red in the low byte), shared by every item drawn in it.
const QBrush& SharedBrush(quint32 rgb);
