#include "ui/frmBasic.h"

#include "foundation/Twips.h"
#include "ui/FixedWindow.h"

frmBasic::frmBasic()
{
    setWindowTitle(QStringLiteral("Basic Instructions"));
    SetFixedSingle(this, 4800, 3600);
    Command1 = new QPushButton(QStringLiteral("&Close"), this);
    Command1->setGeometry(toPixels(3360), toPixels(3105), toPixels(1320), toPixels(375));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmBasic::Command1_Click() { Forms::unload(this); }
