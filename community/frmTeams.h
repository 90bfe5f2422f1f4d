#pragma once
// The team console.

#include "foundation/Forms.h"

#include <QWidget>

class frmTeams : public Form<QWidget> {
    Q_OBJECT
public:
    frmTeams();
};
