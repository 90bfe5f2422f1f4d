#pragma once
// The basic instructions window: only its close button. Nothing opens it.

#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>

class frmBasic : public Form<QWidget> {
    Q_OBJECT
public:
    frmBasic();

    QPushButton* Command1;  // "&Close"

    void Command1_Click();
};
