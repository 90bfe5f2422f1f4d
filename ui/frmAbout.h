#pragma once
// The about box.

#include "foundation/Forms.h"

#include <QWidget>

class frmAbout : public Form<QWidget> {
    Q_OBJECT
public:
    frmAbout();
};
