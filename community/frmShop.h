#pragma once
// The store window.

#include "foundation/Forms.h"

#include <QWidget>

class frmShop : public Form<QWidget> {
    Q_OBJECT
public:
    frmShop();

    // The store list (kept until the tree is built from it).
    void ParseShopData(const QString& strRaw);
    QString ShopData;
};
