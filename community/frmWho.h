#pragma once
// The who-online window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QWidget>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

    StatusBar* StatusBar1;  // shows a simple text while the list is requested
};
