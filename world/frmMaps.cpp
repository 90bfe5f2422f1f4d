#include "world/frmMaps.h"

frmMaps::frmMaps()
{
    setWindowTitle(QStringLiteral("Map Selection"));
}
