#include "community/frmShop.h"

frmShop::frmShop()
{
    setWindowTitle(QStringLiteral("Store"));
}
