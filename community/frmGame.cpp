#include "community/frmGame.h"

frmGame::frmGame()
{
    setWindowTitle(QStringLiteral("Game Information"));
}

void frmGame::StartTimer()
{
    // The game room's poll arrives with the game room itself.
}
