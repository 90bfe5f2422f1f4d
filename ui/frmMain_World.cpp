#include "ui/frmMain.h"

#include "world/MapFile.h"
#include "world/WorldModel.h"

// The game window's map procedures.

void frmMain::LoadMap(QString& MapID)
{
    // A missing file is the caller's to report.
    LoadMapFile(MapID);
}

void frmMain::Clear_Square(qint16& X, qint16& Y) { ClearSquare(X, Y); }
