#pragma once
// The who-online window.

#include "foundation/Forms.h"

#include <QWidget>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();
};
