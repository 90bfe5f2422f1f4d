#pragma once
// The general options dialog.

#include "foundation/Forms.h"

#include <QWidget>

class frmOptions : public Form<QWidget> {
    Q_OBJECT
public:
    frmOptions();
};
