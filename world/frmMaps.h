#pragma once
// The map chooser.

#include "foundation/Forms.h"

#include <QWidget>

class frmMaps : public Form<QWidget> {
    Q_OBJECT
public:
    frmMaps();
};
