#pragma once
// The sound and music window.

#include "foundation/Forms.h"

#include <QWidget>

class frmSound : public Form<QWidget> {
    Q_OBJECT
public:
    frmSound();
};
