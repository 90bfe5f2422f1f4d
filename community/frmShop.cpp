#include "community/frmShop.h"

frmShop::frmShop()
{
    setWindowTitle(QStringLiteral("Store"));
}

void frmShop::ParseShopData(const QString& strRaw)
{
    ShopData = strRaw;
}
