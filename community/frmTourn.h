#pragma once
// The tournament console.

#include "foundation/Forms.h"

#include <QWidget>

class frmTourn : public Form<QWidget> {
    Q_OBJECT
public:
    frmTourn();
};
