#pragma once
// The store window: the goods of the store the player stands in as a tree of
// categories, items and their cost and weight lines; buying the selected item
// and six user buttons whose commands name it ("%1").

#include "foundation/Forms.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <optional>

class frmShop : public Form<QWidget> {
    Q_OBJECT
public:
    frmShop();

    QTreeWidget* ListView;
    QPushButton* cmdUpdate;
    QPushButton* cmdBuy;
    QPushButton* cmdDone;
    QLabel* Label1;

    // ---- user buttons cmdAlias(21) to cmdAlias(26), entries of the shared
    // button table: element i - kAliasFirst ----
    static constexpr int kAliasFirst = 21;
    std::array<QPushButton*, 6> cmdAlias{};

    // Rebuilds the tree from a store list and sets the caption.
    void ParseShopData(const QString& strRaw);
    // Clears the tree and adds the categories of a store kind.
    void FillCategories(int kind);
    // Adds one category (a root node): not bold, in the colour (RGB).
    QTreeWidgetItem* AddCategory(const QString& key, const QString& text, quint32 colour);
    // The node with that key, or none.
    QTreeWidgetItem* Node(const QString& key) const { return nodes_.value(key); }
    // The item the selection names: an item node's own text, or the item above
    // a cost or weight line; none for a category or no selection.
    std::optional<QString> SelectedItem() const;

    void cmdBuy_Click();
    void cmdUpdate_Click();
    void cmdDone_Click();
    void cmdAlias_Click(int Index);
    void cmdAlias_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);

    QHash<QString, QTreeWidgetItem*> nodes_;
};
