#pragma once
// The alias window.

#include "foundation/Forms.h"

#include <QWidget>

class frmAlias : public Form<QWidget> {
    Q_OBJECT
public:
    frmAlias();
};
