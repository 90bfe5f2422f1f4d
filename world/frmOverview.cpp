#include "world/frmOverview.h"

frmOverview::frmOverview()
{
    setWindowTitle(QStringLiteral("Overview Map"));
}
