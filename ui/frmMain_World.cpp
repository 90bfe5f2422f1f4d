#include "ui/frmMain.h"

// The game window's map procedures.

void frmMain::LoadMap(QString&) {}
void frmMain::Clear_Square(qint16&, qint16&) {}
