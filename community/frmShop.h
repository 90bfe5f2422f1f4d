#pragma once
// The store window.

#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>
#include <array>

class frmShop : public Form<QWidget> {
    Q_OBJECT
public:
    frmShop();

    // The store list (kept until the tree is built from it).
    void ParseShopData(const QString& strRaw);
    QString ShopData;

    // ---- user buttons cmdAlias(21) to cmdAlias(26), entries of the shared
    // button table: element i - kAliasFirst ----
    static constexpr int kAliasFirst = 21;
    std::array<QPushButton*, 6> cmdAlias = [this] {
        std::array<QPushButton*, 6> buttons{};
        for (QPushButton*& b : buttons)
            b = new QPushButton(this);
        return buttons;
    }();
};
