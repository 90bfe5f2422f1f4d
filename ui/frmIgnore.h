#pragma once
// The ignore list.

#include "foundation/Forms.h"

#include <QWidget>

class frmIgnore : public Form<QWidget> {
    Q_OBJECT
public:
    frmIgnore();
};
