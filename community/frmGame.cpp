#include "community/frmGame.h"

frmGame::frmGame()
{
    setWindowTitle(QStringLiteral("Game Information"));
}
