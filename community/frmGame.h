#pragma once
// The game room.

#include "foundation/Forms.h"

#include <QPlainTextEdit>
#include <QWidget>

class frmGame : public Form<QWidget> {
    Q_OBJECT
public:
    frmGame();

    // ---- reached by the login dialog ----
    // Switches the game room's poll timer on; the login dialog's Connect
    // calls it, which also loads the window.
    void StartTimer();

    QPlainTextEdit* GameLbl;  // the game information text
};
