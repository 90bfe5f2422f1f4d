#pragma once
// The satellite view (drawn off screen).

#include "foundation/Forms.h"

#include <QWidget>

class frmSatellite : public Form<QWidget> {
    Q_OBJECT
public:
    frmSatellite();
};
