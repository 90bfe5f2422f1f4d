#include "community/frmNews.h"

#include "foundation/Twips.h"
#include "ui/FixedWindow.h"
#include "ui/ServerSend.h"

frmNews::frmNews()
{
    setWindowTitle(QStringLiteral("Quelvar News"));
    SetFixedSingle(this, 6480, 5040);
    rtbNews = new RichTextBox(this);
    rtbNews->setGeometry(toPixels(120), toPixels(120), toPixels(6240), toPixels(4260));
    rtbNews->setFont(QFont(QStringLiteral("Verdana")));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setGeometry(toPixels(5040), toPixels(4545), toPixels(1320), toPixels(375));
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmNews::Form_Load()
{
    CentreOnOwner(this);
    TakeGameWindowIcon(this);
    // The box is empty at this point: the whole news is asked for.
    ServerSend(QStringLiteral("D"), rtbNews->Text());
}

void frmNews::cmdClose_Click() { Forms::unload(this); }
