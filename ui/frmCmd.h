#pragma once
// The command list.

#include "foundation/Forms.h"

#include <QWidget>

class frmCmd : public Form<QWidget> {
    Q_OBJECT
public:
    frmCmd();
};
