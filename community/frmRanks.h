#pragma once
// The rank names.

#include "foundation/Forms.h"

#include <QWidget>

class frmRanks : public Form<QWidget> {
    Q_OBJECT
public:
    frmRanks();
};
