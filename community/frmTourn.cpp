#include "community/frmTourn.h"

frmTourn::frmTourn()
{
    setWindowTitle(QStringLiteral("Tournament"));
}
