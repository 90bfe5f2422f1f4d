#include "community/frmGame.h"

frmGame::frmGame()
{
    setWindowTitle(QStringLiteral("Game Information"));
    GameLbl = new QPlainTextEdit(this);
    GameLbl->setReadOnly(true);
}

void frmGame::StartTimer()
{
    // The game room's poll arrives with the game room itself.
}
