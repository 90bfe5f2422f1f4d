#pragma once
// The game room.

#include "foundation/Forms.h"

#include <QPlainTextEdit>
#include <QWidget>

class frmGame : public Form<QWidget> {
    Q_OBJECT
public:
    frmGame();

    QPlainTextEdit* GameLbl;  // the game information text
};
