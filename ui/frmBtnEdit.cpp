#include "ui/frmBtnEdit.h"

frmBtnEdit::frmBtnEdit()
{
    setWindowTitle(QStringLiteral("Edit Button"));
}

void frmBtnEdit::EditButton(int)
{
    Show();
}
