#include "community/frmWho.h"

frmWho::frmWho()
{
    setWindowTitle(QStringLiteral("Who's Online - 0 Players Online."));
    StatusBar1 = new StatusBar({}, this);
}

void frmWho::Update(const QString& RawData)
{
    WhoData = RawData;
}
