#pragma once
// The top-10 lists.

#include "foundation/Forms.h"

#include <QWidget>

class frmTop10 : public Form<QWidget> {
    Q_OBJECT
public:
    frmTop10();
};
