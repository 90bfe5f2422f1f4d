#include "world/frmSatellite.h"

#include <QScreen>

frmSatellite::frmSatellite()
{
    setWindowTitle(QStringLiteral("Satellite Viewer"));
    // Fixed single border.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    // 65 x 65 cells: the main view's top-left cell and a wider, taller area.
    picMap = new PictureBox(this);
    picMap->setGeometry(0, 0, 390, 390);
    picMap->hide();
    setFixedSize(390, 390);
}

void frmSatellite::Form_Load()
{
    picMap->show();
    // Centred on the screen of its owner, the main window.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}
