#include "ui/frmStats.h"

#include "foundation/Twips.h"
#include "ui/FixedWindow.h"

frmStats::frmStats()
{
    setWindowTitle(QStringLiteral("Your Statistics:"));
    SetFixedSingle(this, 4200, 3360);
    Label1 = new QLabel(QStringLiteral("Your Statistics:"), this);
    Label1->setGeometry(toPixels(120), toPixels(120), toPixels(3960), toPixels(255));
    lblStats = new QLabel(QStringLiteral("Downloading Please Wait..."), this);
    lblStats->setGeometry(toPixels(120), toPixels(420), toPixels(3960), toPixels(2280));
    lblStats->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblStats->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ZephButton1 = new QPushButton(QStringLiteral("&Done"), this);
    ZephButton1->setGeometry(toPixels(2760), toPixels(2820), toPixels(1320), toPixels(375));
    connect(ZephButton1, &QPushButton::clicked, this, [this] { ZephButton1_Click(); });
}

void frmStats::ZephButton1_Click() { Forms::unload(this); }
