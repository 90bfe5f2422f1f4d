#pragma once
// The user button editor.

#include "foundation/Forms.h"

#include <QWidget>

class frmBtnEdit : public Form<QWidget> {
    Q_OBJECT
public:
    frmBtnEdit();

    // Opens the editor on one user button.
    void EditButton(int Index);
};
