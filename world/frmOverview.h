#pragma once
// The overview map.

#include "foundation/Forms.h"

#include <QWidget>

class frmOverview : public Form<QWidget> {
    Q_OBJECT
public:
    frmOverview();
};
