#include "world/frmSatellite.h"

#include <QScreen>

frmSatellite::frmSatellite()
{
    setWindowTitle(QStringLiteral("Satellite Viewer"));
    // Fixed single border.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    // 65 x 49 cells: the main view's top-left cell and more than the 64 x 48
    // cells of a full-screen view.
    picMap = new PictureBox(this);
    picMap->setGeometry(0, 0, 65 * 6, 49 * 6);
    picMap->hide();
    setFixedSize(picMap->size());
}

void frmSatellite::Form_Load()
{
    picMap->show();
    // Centred on the screen of its owner, the main window.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}
