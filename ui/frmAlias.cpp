#include "ui/frmAlias.h"

frmAlias::frmAlias()
{
    setWindowTitle(QStringLiteral("Alias"));
}

void frmAlias::ProcessAlias(const QString& Data)
{
    AliasData = Data;
}

void frmAlias::AddNew(const QString&) {}
