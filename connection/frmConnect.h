#pragma once
// The login dialog.

#include "foundation/Forms.h"

#include <QDialog>

class frmConnect : public Form<QDialog> {
    Q_OBJECT
public:
    frmConnect();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
