#include "world/frmSatellite.h"

frmSatellite::frmSatellite()
{
    setWindowTitle(QStringLiteral("Satellite Viewer"));
}
