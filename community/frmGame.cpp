#include "community/frmGame.h"

frmGame::frmGame()
{
    setWindowTitle(QStringLiteral("Game Information"));
    GameLbl = new QPlainTextEdit(this);
    GameLbl->setReadOnly(true);
}
