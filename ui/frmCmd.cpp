#include "ui/frmCmd.h"

#include "foundation/Twips.h"
#include "ui/FixedWindow.h"

#include <QVBoxLayout>

frmCmd::frmCmd()
{
    setWindowTitle(QStringLiteral("Quelvar Command List"));
    // A fixed tool window without a control box (and so out of the task bar).
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* layout = new QVBoxLayout(this);
    CmdList = new QPlainTextEdit(this);
    CmdList->setTabChangesFocus(true);  // Tab goes on to Ok, as from any box of a form
    CmdList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CmdList->setPlainText(QStringLiteral("Could Not Connect to Command List..."));
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    layout->addWidget(CmdList, 1);
    layout->addWidget(Command1);
    setFixedSize(toPixels(7200), toPixels(6600));

    connect(Command1, &QPushButton::clicked, this, &frmCmd::Command1_Click);
}

void frmCmd::Form_Load() { CentreOnOwner(this); }

void frmCmd::Command1_Click() { Hide(); }
