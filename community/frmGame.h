#pragma once
// The game room.

#include "foundation/Forms.h"

#include <QWidget>

class frmGame : public Form<QWidget> {
    Q_OBJECT
public:
    frmGame();
};
