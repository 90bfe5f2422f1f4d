#pragma once
// The store window.

#include "foundation/Forms.h"

#include <QWidget>

class frmShop : public Form<QWidget> {
    Q_OBJECT
public:
    frmShop();
};
