#pragma once
// The store list the server sends ("l"): rows separated by carriage returns,
// each "item:cost:weight[:...]". The store window shows it as a tree of
// categories, items and their cost and weight lines; this file works out the
// store's kind, its categories and where each row goes, without any window.

#include "foundation/RuntimeError.h"

#include <QString>
#include <QtGlobal>
#include <vector>

namespace store {

// The kind of store a list belongs to, worked out from the whole list.
enum Kind : int { KindNone = 0, KindMod = 1, KindGun = 2, KindEquipment = 3, KindAmmo = 4 };

struct Category {
    QString Key;      // the tree node's key
    QString Caption;  // the text shown
};

// "mod" anywhere wins; otherwise "pouch" over "jacket" over "gun"; case ignored.
int StoreKind(const QString& payload);
// The categories of a kind in the order the tree shows them (none for kind 0).
std::vector<Category> StoreCategories(int kind);
// The category key of an item name in a store of that kind: the first keyword
// of the kind's table that the name contains, ignoring case. The gun store's
// "Auto" and "Spare" have no category of their own in the tree.
QString GetItemCategory(const QString& itemName, int kind);
// The window's caption after a list: the name of the store of that kind in the
// world's store table; "Store" for a list of no known kind.
QString StoreCaption(int kind);

// Node keys and texts of an item's two detail lines.
QString CostKey(qint16 row);
QString WeightKey(qint16 row);
QString CostText(const QString& cost);
QString WeightText(const QString& weight);

// The category under which rows that fit no category of their store go.
inline constexpr const char* kOtherKey = "Other";

struct Item {
    QString Name;
    QString Cost;
    QString Weight;
    qint16 Row = 0;    // the row's position in the list, from 0
    QString Category;  // the key of the category it is shown under
};

struct ShopList {
    int Kind = KindNone;
    // The store has no "Other" category of its own and a row needed one: it
    // is added after the store's categories.
    bool OtherAdded = false;
    std::vector<Item> Items;
    // Rows that could not be shown (too few fields, a node key that is taken,
    // a position beyond the 16-bit row count) and the error of the first.
    int Skipped = 0;
    ErrObject FirstError;
};

// Works out the whole tree of a list. Rows that cannot be shown are skipped
// and counted; the others are all placed.
ShopList ParseShopList(const QString& payload);

} // namespace store
