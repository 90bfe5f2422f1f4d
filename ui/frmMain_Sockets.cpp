#include "ui/frmMain.h"

// The game window's sockets and the send procedure.

void frmMain::Server(const QString&, const QString&)
{
}
